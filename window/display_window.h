// The real window of the console: one freeglut window with a 640 x 400 client area
// titled "Untitled". Its timer passes every 16 ms read the keys that freeglut does not
// deliver, show or withdraw the error box, look for the exit request, and on every
// second pass bring the frame up to date (about every 32 ms), uploading only the text
// rows' changed cells to the page texture. The frame is drawn as one quad scaled by
// whole factors with nearest filtering, centred on black; a box is a second quad over
// it. Keys typed while a box is shown answer the box instead of reaching the queue.
#pragma once

#include <thread>

#include "console/console.h"
#include "window/freeglut_host.h"

namespace window {

class DisplayWindowState;

class DisplayWindow {
 public:
  DisplayWindow(console::Console& console, FreeglutHost& host);
  ~DisplayWindow();

  // Connects to the display and opens the window. When there is no display or no
  // usable display mode, writes one line to standard error and returns false.
  bool open(int& argc, char** argv);

  // Runs the window until the exit request, then performs the exit handshake, waits
  // for `program` to end and ends the process with exit code 0.
  [[noreturn]] void run(std::thread& program);

 private:
  DisplayWindowState* state_;
};

}  // namespace window
