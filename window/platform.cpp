#include "window/platform.h"

#include <GL/freeglut.h>
#include <GL/glx.h>
#include <X11/Xlib.h>
#include <poll.h>

#include <algorithm>
#include <cstdarg>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>

#include "window/failure_line.h"
#include "window/frame.h"
#include "window/key_mapping.h"

namespace window {

namespace {

// The platform that freeglut's plain function callbacks report to; there is one.
Platform* active = nullptr;

// The start's line of a window that could not be made, before the display's name.
constexpr const char* kNotMade = "the window could not be made on the display";

// freeglut's message as one line.
std::string one_line(const char* format, va_list arguments) {
  char text[256];
  std::vsnprintf(text, sizeof text, format, arguments);
  std::string line = text;
  std::replace(line.begin(), line.end(), '\n', ' ');
  return line;
}

WindowEvent event_of(WindowEvent::Kind kind, int x = 0, int y = 0) {
  WindowEvent e;
  e.kind = kind;
  e.x = x;
  e.y = y;
  return e;
}

// The display glutInit will open, read from the command line as glutInit reads it:
// the name after the last -display (the value of a -geometry is no option), or null
// for the one DISPLAY names; nothing when -display ends the line.
std::optional<const char*> requested_display(int argc, char** argv) {
  const char* name = nullptr;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "-geometry") == 0) {
      ++i;
    } else if (std::strcmp(argv[i], "-display") == 0) {
      if (++i == argc) return std::nullopt;
      name = argv[i];
    }
  }
  return name;
}

}  // namespace

// freeglut's and Xlib's callbacks: each translates and queues, nothing else.
struct PlatformCallbacks {
  static void keyboard(unsigned char key, int, int) {
    if (!active) return;
    const std::optional<ReportedPress> press = active->key_log_.take_reported();
    WindowEvent e = event_of(WindowEvent::Kind::Key);
    e.typed = key;
    e.key = key_event_for_character(
        key, glutGetModifiers(), [&press](unsigned long keysym) { return press && press->lookup.keysym == keysym; });
    active->events_.push_back(e);
  }
  // A special key the console has no use for as freeglut names it (Num Lock) means
  // what its press means.
  static void special(int key, int, int) {
    if (!active) return;
    const std::optional<ReportedPress> press = active->key_log_.take_reported();
    WindowEvent e = event_of(WindowEvent::Kind::Key);
    e.key = key_event_for_special(key, glutGetModifiers());
    if (!e.key && press) e.key = press->own_key;
    if (e.key) active->events_.push_back(e);
  }
  static void mouse(int button, int state, int x, int y) {
    if (button == GLUT_LEFT_BUTTON && state == GLUT_DOWN) queue(event_of(WindowEvent::Kind::Click, x, y));
  }
  static void reshape(int width, int height) { queue(event_of(WindowEvent::Kind::Resize, width, height)); }
  static void display() { queue(event_of(WindowEvent::Kind::Uncovered)); }
  static void close() { queue(event_of(WindowEvent::Kind::Close)); }
  // The presses freeglut skips (Pause, Shift+Tab, the window's end) that left Xlib's
  // queue before the event freeglut handles now come before it, as the key reports'
  // own do (take_reported): a Pause typed before a click on a box's Yes comes while the
  // box is up.
  static void queue(const WindowEvent& e) {
    if (!active) return;
    active->key_log_.take_handled();
    active->events_.push_back(e);
  }

  // An error about the window once it is gone is expected; any other is reported once
  // and the window carries on (the next whole frame puts the picture right). One
  // while the window is being made is not reported: the start either goes on or ends
  // with its own line.
  static int x_error(Display* display, XErrorEvent* error) {
    if (!active || !active->window_made() || active->window_gone_ || error->resourceid == active->window_) return 0;
    if (!std::exchange(active->error_reported_, true)) {
      char text[160];
      XGetErrorText(display, error->error_code, text, sizeof text);
      std::fprintf(stderr, "datacard: the display refused a request (%s, request %d)\n", text,
                   error->request_code);
    }
    return 0;
  }
  // The connection lost, or freeglut's fatal error (which must not return), instead of
  // Xlib's and freeglut's own lines and exit.
  [[noreturn]] static int x_connection_lost(Display*) {
    end_on_display_failure("the connection to the display", " was lost while the window was being made",
                           "datacard: the connection to the display was lost\n");
  }
  [[noreturn]] static void freeglut_error(const char* format, va_list arguments) {
    const std::string reason = one_line(format, arguments);
    end_on_display_failure(kNotMade, ": " + reason, "datacard: the window failed: " + reason + "\n");
  }
  // freeglut's warnings say nothing the user can act on.
  static void freeglut_warning(const char*, va_list) {}

  // While the window is being made, the start's line naming the display (`before` it
  // and `after` it); once it is made, `once_made` and the window's end (`lost_`). Exit
  // code 1, never through exit, which would run freeglut's clean-up, and that can wait
  // for ever on a lock that the interrupted call still holds. After a failed start
  // (no platform any more) its own line was the one.
  [[noreturn]] static void end_on_display_failure(const char* before, const std::string& after,
                                                  const std::string& once_made) {
    if (active && active->window_made()) {
      write_failure_line(once_made.c_str());
      active->lost_();
    } else if (active) {
      write_failure_line(active->naming_the_display(before, after).c_str());
    }
    std::_Exit(1);
  }
};

bool Platform::open(int& argc, char** argv, std::function<void()> lost) {
  const std::optional<const char*> name = requested_display(argc, argv);
  if (!name) {
    write_failure_line("datacard: -display is not followed by the name of a display\n");
    return false;
  }
  const std::string shown = XDisplayName(*name);
  if (shown.empty()) {
    write_failure_line("datacard: DISPLAY is not set and no -display names a display\n");
    return false;
  }
  end_failed_start_on(shown);
  // The check stays connected until freeglut is: a server whose last client leaves
  // resets, and refuses connections meanwhile.
  Display* check = XOpenDisplay(*name);
  if (!check) {
    write_failure_line(("datacard: cannot open the display \"" + shown + "\"\n").c_str());
    return false;
  }
  const bool made = make_window(argc, argv);
  XCloseDisplay(check);
  if (!made) return false;
  display_ = glXGetCurrentDisplay();
  window_ = glXGetCurrentDrawable();
  key_log_.start(display_, window_);
  glutDisplayFunc(PlatformCallbacks::display);
  glutReshapeFunc(PlatformCallbacks::reshape);
  glutKeyboardFunc(PlatformCallbacks::keyboard);
  glutSpecialFunc(PlatformCallbacks::special);
  glutMouseFunc(PlatformCallbacks::mouse);
  glutCloseFunc(PlatformCallbacks::close);
  lost_ = std::move(lost);
  return true;
}

// From here until the window is made, every way the display fails ends the start with
// one line naming it and exit code 1.
void Platform::end_failed_start_on(const std::string& shown) {
  display_name_ = shown;
  active = this;
  XSetErrorHandler(PlatformCallbacks::x_error);
  XSetIOErrorHandler(PlatformCallbacks::x_connection_lost);
  glutInitErrorFunc(PlatformCallbacks::freeglut_error);
  glutInitWarningFunc(PlatformCallbacks::freeglut_warning);
}

std::string Platform::naming_the_display(const char* before, const std::string& after) const {
  return std::string("datacard: ") + before + " \"" + display_name_ + "\"" + after + "\n";
}

// A crash in the GL driver or Xlib while freeglut connects and makes the window (a
// reply read that a lost connection never gave) is the window that could not be made.
bool Platform::make_window(int& argc, char** argv) {
  // A software renderer's rasterizer threads would only add wake-ups for a one-quad
  // page; the window thread draws it alone (a setting of the user's own is kept).
  setenv("LP_NUM_THREADS", "0", 0);
  // A display that goes away is reported by Xlib, not by a signal.
  std::signal(SIGPIPE, SIG_IGN);
  const CrashGuard guard(naming_the_display(kNotMade, ""));
  glutInit(&argc, argv);
  glutInitDisplayMode(GLUT_RGBA | GLUT_DOUBLE);
  if (!glutGet(GLUT_DISPLAY_MODE_POSSIBLE)) {
    write_failure_line("datacard: the display has no usable mode for the window\n");
    return false;
  }
  glutInitWindowSize(kFrameWidth, kFrameHeight);
  glutSetOption(GLUT_ACTION_ON_WINDOW_CLOSE, GLUT_ACTION_CONTINUE_EXECUTION);
  glutCreateWindow("Untitled");
  return true;
}

Platform::~Platform() {
  if (active == this) active = nullptr;
}

void Platform::queue_logged(const XWindowEvent& x) {
  if (x.destroyed) {
    events_.push_back(event_of(WindowEvent::Kind::Destroyed));
    return;
  }
  WindowEvent e = event_of(WindowEvent::Kind::Key);
  e.key = x.key;
  events_.push_back(e);
}

// Reading the connection costs a system call, so it is read only when it has
// something: a wake of the blink costs none. Each key freeglut reports takes the
// logged events up to its own press; the logged events freeglut handled after the
// last one it reported (the keys it does not deliver) follow.
std::vector<WindowEvent> Platform::take_events() {
  const bool glut = std::exchange(glut_readable_, false) || XEventsQueued(display_, QueuedAlready) > 0;
  if (glut && !window_gone_) glutMainLoopEvent();
  key_log_.take_handled();
  return std::exchange(events_, {});
}

bool Platform::sleep(int bell_fd, std::optional<std::chrono::milliseconds> limit) {
  // Events already read from the connection would not wake poll. It is asked after a
  // flush and a read, since a GL driver that talks to the server through the same
  // connection may have read events into its own queue while it waited for a reply.
  if (XEventsQueued(display_, QueuedAfterFlush) > 0) return false;
  pollfd fds[2] = {{ConnectionNumber(display_), POLLIN, 0}, {bell_fd, POLLIN, 0}};
  const int timeout = limit ? static_cast<int>(std::max<long long>(0, limit->count())) : -1;
  if (poll(fds, 2, timeout) <= 0) return false;
  glut_readable_ = fds[0].revents != 0;
  return fds[1].revents != 0;
}

}  // namespace window
