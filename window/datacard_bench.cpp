// Measures the real program under a virtual X server: its CPU use while it waits at
// the menu's number prompt and for a key at the output question, the time from its
// start to the first frame that shows the menu, and the cost of bringing the frame up
// to date after a whole-page change. Prints the figures; it checks nothing.
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <thread>
#include <string>
#include <vector>

#include "window/frame.h"
#include "window/e2e_harness.h"

namespace {

using Clock = std::chrono::steady_clock;

// The CPU seconds the process has used so far (user and system, all threads).
double cpu_seconds(pid_t pid) {
  std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
  std::string all((std::istreambuf_iterator<char>(stat)), {});
  std::istringstream fields(all.substr(all.rfind(')') + 2));
  std::string field;
  long ticks = 0;
  for (int i = 3; fields >> field; ++i) {
    if (i == 14 || i == 15) ticks += std::stol(field);
    if (i == 15) break;
  }
  return static_cast<double>(ticks) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

double cpu_percent_over(pid_t pid, double seconds) {
  const double before = cpu_seconds(pid);
  const auto start = Clock::now();
  std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
  const double wall = std::chrono::duration<double>(Clock::now() - start).count();
  return 100.0 * (cpu_seconds(pid) - before) / wall;
}

void frame_cost() {
  window::FrameRenderer renderer;
  console::PageSnapshot page;
  window::FramePalette palette;
  for (int i = 0; i < 16; ++i) palette[i] = console::START_PALETTE[i];
  renderer.update(page, palette, 0, 0);
  constexpr int kFrames = 2000;
  const auto start = Clock::now();
  for (int f = 1; f <= kFrames; ++f) {
    for (auto& cell : page.cells) cell = console::Cell{static_cast<std::uint8_t>(f + 33), 0x70};
    renderer.update(page, palette, 0, static_cast<std::uint64_t>(f));
  }
  const double changed = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
  const auto start2 = Clock::now();
  for (int f = 1; f <= kFrames; ++f) renderer.update(page, palette, static_cast<std::uint32_t>(f), 0);
  const double repaint = std::chrono::duration<double, std::milli>(Clock::now() - start2).count();
  std::printf("frame after a whole-page change: %.3f ms (every cell changed), %.3f ms (palette change)\n",
              changed / kFrames, repaint / kFrames);
}

}  // namespace

int main() {
  frame_cost();
  e2e::VirtualDisplay display;
  if (!display.ok()) {
    std::fprintf(stderr, "Xvfb did not start\n");
    return 1;
  }
  for (int round = 1; round <= 3; ++round) {
    const auto start = Clock::now();
    // A design file that asks for no design: the menu follows the load at once.
    e2e::ProgramRun run(display, DATACARD_BINARY, {{"SHIP.DAT", "Design this ship,N\r\n"}});
    const auto menu = run.wait_for_screen([](const e2e::Screen& s) { return s.row(24) == " Ship"; });
    const double to_menu = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    if (!menu) {
      std::fprintf(stderr, "the menu never showed\n%s", run.last_screen_dump().c_str());
      return 1;
    }
    std::printf("run %d: start to the first frame showing the menu: %.0f ms\n", round, to_menu);
    if (round > 1) continue;
    std::printf("CPU while waiting at the menu's number prompt: %.2f %% of one core\n",
                cpu_percent_over(run.pid(), 15.0));
    const auto typed = Clock::now();
    run.type("1\n");
    if (!run.wait_for_text(" (S)creen Output or (D)ocument Output ?", 23)) return 1;
    std::printf("Enter at the prompt to the frame showing the output question: %.0f ms\n",
                std::chrono::duration<double, std::milli>(Clock::now() - typed).count());
    std::printf("CPU while waiting for a key at the output question: %.2f %% of one core\n",
                cpu_percent_over(run.pid(), 15.0));
    run.type("q");
    run.wait_for_text("Press any key to continue", 25);
    run.type("x");
    run.wait_for_exit();
  }
}
