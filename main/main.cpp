// The data card generator: the console with its window host, the program thread that
// runs the road, and the window's event loop on this thread.
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <string>
#include <thread>

#include "app/run_program.h"
#include "console/console.h"
#include "window/display_loop.h"
#include "window/window_host.h"

namespace {

// The program works in the folder that holds its binary: it reads SHIP.DAT and writes
// its documents there.
void change_to_binary_folder() {
  char path[PATH_MAX];
  const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
  if (length <= 0) return;
  std::string folder(path, static_cast<std::size_t>(length));
  folder.erase(folder.rfind('/') + 1);
  if (chdir(folder.c_str()) != 0) std::perror("datacard: cannot change to the program's folder");
}

}  // namespace

int main(int argc, char** argv) {
  change_to_binary_folder();
  window::WindowHost host;
  console::Console console(host);
  window::DisplayLoop window(console, host);
  if (!window.open(argc, argv)) return 1;
  std::thread program([&console] { app::run_program(console); });
  window.run(program);
}
