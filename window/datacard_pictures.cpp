// Makes the pictures of the README from the real window: the screen card of the
// example ship (examples/SHIP.DAT) and its damage view, as PNG files in the folder
// given (scripts/pictures passes docs/). The program runs under its own virtual X
// server, as in the end-to-end tests, and is typed at like a user: S at the output
// question that follows the design, then T.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "window/e2e_harness.h"
#include "window/png_file.h"
#include "window/window_image.h"

namespace {

namespace fs = std::filesystem;

constexpr const char* kOutputQuestion = " (S)creen Output or (D)ocument Output ?";

std::string read_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

int fail(const std::string& what, e2e::ProgramRun& run) {
  std::fprintf(stderr, "pictures: %s\n%s", what.c_str(), run.last_screen_dump().c_str());
  return 1;
}

// Waits for what the picture must show, then writes the window as a PNG file.
template <typename Shows>
bool take_picture(e2e::ProgramRun& run, Shows shows, const fs::path& file) {
  if (!run.wait_for_screen(shows)) return false;
  const auto image = e2e::read_window_image(run);
  if (!image || !e2e::write_png_file(file.string(), *image)) return false;
  std::printf("pictures: %s (%d x %d)\n", file.string().c_str(), image->width, image->height);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
    return 2;
  }
  const fs::path folder = argv[1];
  fs::create_directories(folder);
  e2e::VirtualDisplay display;
  if (!display.ok()) {
    std::fprintf(stderr, "pictures: Xvfb did not start\n");
    return 1;
  }
  const std::map<std::string, std::string> files = {{"SHIP.DAT", read_file(DATACARD_EXAMPLE_SHIP)}};
  e2e::ProgramRun run(display, DATACARD_BINARY, files);
  if (!run.wait_for_window()) return fail("no window", run);
  if (!run.wait_for_text(kOutputQuestion)) return fail("no output question after the design", run);

  run.type("s");
  // The card is complete when the weapons table's bottom rule stands on row 24.
  const auto card = [](const e2e::Screen& s) { return s.row(24).rfind("\xC0", 0) == 0; };
  if (!take_picture(run, card, folder / "screen-card.png")) return fail("no screen card", run);

  run.type("t");
  // The damage view is complete when the title block stands on row 19 and its battery
  // line, written last, on row 22.
  const auto damage = [](const e2e::Screen& s) {
    return s.row(19).find("Ostravel") != std::string::npos && !s.row(22).empty();
  };
  if (!take_picture(run, damage, folder / "damage-view.png")) return fail("no damage view", run);

  run.type("q");
  run.type("x");
  run.wait_for_exit();
  return 0;
}
