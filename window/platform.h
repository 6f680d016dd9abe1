// The platform part of the window: the freeglut window with its GL context. Its
// callbacks only translate what the window system reports into window events and
// queue them, in the order they came; the display loop (display_loop.h) acts on them.
// It also lets the window thread sleep until an X event comes, the display's bell
// rings, or a time limit passes.
//
// freeglut cannot tell Backspace from Ctrl+H, nor Tab from Ctrl+I, by the character
// alone: the modifier state and the key pressed decide (key_mapping.h). The window's
// key presses are logged as its connection receives them (x_events.h, key_log.h):
// each key freeglut reports takes its own press from the log, and the keys freeglut
// does not deliver come from the log in their place among the other keys and events
// (a click, the close), also when many come at once.
#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "console/key_down.h"
#include "window/key_log.h"
#include "window/x_events.h"

struct _XDisplay;

namespace window {

struct WindowEvent {
  enum class Kind {
    Key,        // a key press: `key` when it has a console key event, `typed` the character
    Click,      // the left mouse button pressed at window pixel (x, y)
    Resize,     // the window is now x by y pixels
    Uncovered,  // the window's contents were lost (an expose): show it whole again
    Close,      // the close button, or the window manager's close message
    Destroyed,  // another client destroyed the window
  };
  Kind kind = Kind::Key;
  std::optional<console::KeyEvent> key;
  unsigned char typed = 0;  // the character freeglut typed (0 for other keys)
  int x = 0;
  int y = 0;
};

class Platform {
 public:
  Platform() = default;
  // Stops the key log and freeglut's callbacks reaching this platform: freeglut closes
  // its window and its connection only at the process's exit, after a failed start.
  ~Platform();
  Platform(const Platform&) = delete;
  Platform& operator=(const Platform&) = delete;

  // Connects to the display that `-display NAME` on the command line names, else to
  // DISPLAY's, and opens the 640 x 400 window titled "Untitled", its GL context
  // current on this thread. When there is no display or no usable mode, writes one
  // line to standard error and returns false. When the display fails while the window
  // is being made (the connection lost, freeglut's fatal error, a crash in the GL
  // driver or Xlib), writes one line naming the display and ends the process with
  // exit code 1. When the connection is lost later, or freeglut fails, writes one
  // line and calls `lost`, which must end the process.
  bool open(int& argc, char** argv, std::function<void()> lost);

  // The events that have come since the last call, without waiting. Reads the
  // connection only when it has something (what `sleep` saw, or what Xlib already
  // holds).
  std::vector<WindowEvent> take_events();

  // Sleeps until an X event comes, `bell_fd` becomes readable or `limit` passes (no
  // limit: until one of the others). Returns whether `bell_fd` became readable.
  bool sleep(int bell_fd, std::optional<std::chrono::milliseconds> limit);

  // The window is gone (closed or destroyed): errors about it are expected and
  // silent.
  void forget_window() { window_gone_ = true; }

  _XDisplay* display() const { return display_; }

 private:
  friend struct PlatformCallbacks;
  // The handlers that end a start whose display fails, naming `shown`.
  void end_failed_start_on(const std::string& shown);
  // A line of the start: "datacard: ", `before`, the display's name in quotes, `after`.
  std::string naming_the_display(const char* before, const std::string& after) const;
  bool window_made() const { return static_cast<bool>(lost_); }
  // freeglut's connection and window; false after writing the line of a display with
  // no usable mode.
  bool make_window(int& argc, char** argv);
  // Queues what the key log delivers.
  void queue_logged(const XWindowEvent& x);

  _XDisplay* display_ = nullptr;  // freeglut's connection
  unsigned long window_ = 0;
  std::vector<WindowEvent> events_;
  LoggedWindow key_log_{[this](const XWindowEvent& x) { queue_logged(x); }};
  std::function<void()> lost_;  // set once the window is made
  std::string display_name_;    // as the start's lines name it
  bool window_gone_ = false;
  bool error_reported_ = false;
  bool glut_readable_ = true;  // freeglut's connection has something to read (or its start)
};

}  // namespace window
