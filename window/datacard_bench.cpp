// Measures the real program under a virtual X server, the way a user meets it:
//
// - at each of its waits (the blinking " Ship " prompt, the error box, the output
//   question, the wait after a screen card): the CPU it uses, in % of one core, and
//   its wake-ups per second, counted over all its threads (the voluntary and
//   involuntary context switches of every thread, the GL renderer's own included);
// - the time from a key typed at the prompt to the first frame that shows it;
// - the time from its start to the first frame showing the menu, and the cost of
//   bringing the frame up to date after a whole-page change.
//
// Where xterm is installed, it measures xterm at a blinking shell prompt of the same
// 80 x 25 size in the same X server, with the same blink phase of 256 ms, between the
// program's rounds, and prints its figures beside the program's. Several rounds, since
// the machine may be busy with other work; the summary gives each figure's range.
// Prints the figures; it checks nothing.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "window/e2e_harness.h"
#include "window/font.h"
#include "window/frame.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

constexpr int kRounds = 3;
constexpr double kMeasureSeconds = 10.0;
constexpr int kLatencySamples = 30;
constexpr const char* kOutputQuestion = " (S)creen Output or (D)ocument Output ?";

double milliseconds_since(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// What a process has used so far, over all its threads.
struct Usage {
  double cpu_seconds = 0;
  long switches = 0;
};

Usage usage_of(pid_t pid) {
  Usage u;
  std::error_code ignored;
  for (const auto& task : fs::directory_iterator("/proc/" + std::to_string(pid) + "/task", ignored)) {
    std::ifstream schedstat(task.path() / "schedstat");
    double nanoseconds = 0;
    if (schedstat >> nanoseconds) u.cpu_seconds += nanoseconds / 1e9;
    std::ifstream status(task.path() / "status");
    for (std::string line; std::getline(status, line);) {
      if (line.find("ctxt_switches:") == std::string::npos) continue;
      u.switches += std::stol(line.substr(line.find(':') + 1));
    }
  }
  return u;
}

struct WaitFigures {
  double cpu_percent = 0;
  double wakeups_per_second = 0;
};

WaitFigures measure_wait(pid_t pid, double seconds) {
  std::this_thread::sleep_for(milliseconds(500));  // the last frames of the change settle
  const Usage before = usage_of(pid);
  const auto start = Clock::now();
  std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
  const double wall = milliseconds_since(start) / 1000.0;
  const Usage after = usage_of(pid);
  return {100.0 * (after.cpu_seconds - before.cpu_seconds) / wall,
          static_cast<double>(after.switches - before.switches) / wall};
}

double median(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

double percentile_90(std::vector<double> values) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  return values[values.size() * 9 / 10];
}

void press_key(Display* x, KeySym keysym) {
  const KeyCode code = XKeysymToKeycode(x, keysym);
  XTestFakeKeyEvent(x, code, True, 0);
  XTestFakeKeyEvent(x, code, False, 0);
  XFlush(x);
}

// The pixels of a rectangle of a window, or empty when it cannot be read.
std::vector<std::uint32_t> grab(Display* x, Window window, int left, int top, int width, int height) {
  std::vector<std::uint32_t> pixels;
  XImage* image = XGetImage(x, window, left, top, width, height, AllPlanes, ZPixmap);
  if (!image) return pixels;
  pixels.reserve(static_cast<std::size_t>(width) * height);
  for (int y = 0; y < height; ++y) {
    for (int px = 0; px < width; ++px) pixels.push_back(XGetPixel(image, px, y) & 0xFFFFFF);
  }
  XDestroyImage(image);
  return pixels;
}

// Whether an 8 x 16 cell at scale 1 shows the glyph `code` (its cursor row aside): the
// glyph's pixels dark, the others light.
bool cell_shows(const std::vector<std::uint32_t>& cell, std::uint8_t code) {
  if (cell.size() != 8 * 16) return false;
  for (int y = 0; y < 16; ++y) {
    if (y == window::kCursorPixelRow) continue;
    for (int px = 0; px < 8; ++px) {
      const bool dark = (cell[y * 8 + px] & 0xFF) < 0x80;
      if (dark != window::glyph_pixel(code, px, y)) return false;
    }
  }
  return true;
}

// Time from a key to the first frame that shows its effect, `samples` times: the key
// typed, then the window read until `shown` holds for what it shows.
template <typename Type, typename Shown>
std::vector<double> key_to_frame(int samples, Type type, Shown shown) {
  std::vector<double> times;
  for (int i = 0; i < samples; ++i) {
    for (const bool forward : {true, false}) {
      const auto start = Clock::now();
      type(forward);
      bool seen = false;
      while (!(seen = shown(forward)) && milliseconds_since(start) < 2000) {
      }
      if (seen && forward) times.push_back(milliseconds_since(start));
      std::this_thread::sleep_for(milliseconds(40));
    }
  }
  return times;
}

// --- The program ----------------------------------------------------------------------

struct ProgramFigures {
  double to_menu_ms = 0;
  WaitFigures prompt, box, question, card;
  std::vector<double> key_ms;
  bool ok = false;
};

// At the " Ship " prompt of the menu's first page, the digit 1 typed goes to row 24,
// column 7 (" Ship " fills columns 1 to 6), and Backspace takes it away again.
std::vector<double> program_key_to_frame(Display* x, Window window) {
  const int left = 6 * 8, top = 23 * 16;
  return key_to_frame(
      kLatencySamples, [&](bool forward) { press_key(x, forward ? XK_1 : XK_BackSpace); },
      [&](bool forward) {
        const auto cell = grab(x, window, left, top, 8, 16);
        return cell_shows(cell, forward ? '1' : ' ');
      });
}

ProgramFigures measure_program(const e2e::VirtualDisplay& display) {
  ProgramFigures f;
  const auto start = Clock::now();
  // A design file that asks for no design: the menu follows the load at once.
  e2e::ProgramRun run(display, e2e::binary_under_test(DATACARD_BINARY),
                      {{"SHIP.DAT", "Design this ship,N\r\n"}});
  if (!run.wait_for_screen([](const e2e::Screen& s) { return s.row(24) == " Ship"; })) {
    std::fprintf(stderr, "the menu never showed\n%s", run.last_screen_dump().c_str());
    return f;
  }
  f.to_menu_ms = milliseconds_since(start);
  f.prompt = measure_wait(run.pid(), kMeasureSeconds);
  f.key_ms = program_key_to_frame(display.connection(), run.find_window());

  run.type("5000\n");  // no such ship: error 9 after the step
  if (!run.wait_for_text("Unhandled Error #9")) return f;
  f.box = measure_wait(run.pid(), kMeasureSeconds);
  if (!run.answer_box("Unhandled Error #9", true)) return f;

  if (!run.wait_for_text(kOutputQuestion)) return f;
  f.question = measure_wait(run.pid(), kMeasureSeconds);

  run.type("s");
  if (!run.wait_for_screen([](const e2e::Screen& s) { return s.lines[0].rfind("\xDA\xC4", 0) == 0; })) {
    return f;
  }
  f.card = measure_wait(run.pid(), kMeasureSeconds);
  run.type("q");
  run.wait_for_text("Press any key to continue", 25);
  run.type("x");
  run.wait_for_exit();
  f.ok = true;
  return f;
}

// --- xterm ----------------------------------------------------------------------------

bool xterm_installed() { return access("/usr/bin/xterm", X_OK) == 0; }

class Xterm {
 public:
  Xterm(const e2e::VirtualDisplay& display, const std::string& title, bool blinking)
      : x_(display.connection()), title_(title) {
    std::vector<std::string> args = {"/usr/bin/xterm", "-title", title, "-geometry", "80x25+0+0"};
    if (blinking) {
      args.insert(args.end(), {"-bc", "-bcn", "256", "-bcf", "256"});
    } else {
      args.push_back("+bc");
    }
    args.insert(args.end(), {"-e", "/bin/sh"});
    std::vector<std::string> env = {"DISPLAY=" + display.name(), "PS1=$ ", "HOME=/tmp", "PATH=/usr/bin:/bin"};
    std::vector<char*> argv, envp;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    for (auto& e : env) envp.push_back(e.data());
    envp.push_back(nullptr);
    if (posix_spawn(&pid_, argv[0], nullptr, nullptr, argv.data(), envp.data()) != 0) pid_ = -1;
  }
  ~Xterm() {
    if (pid_ > 0) {
      kill(pid_, SIGTERM);
      waitpid(pid_, nullptr, 0);
    }
  }
  Xterm(const Xterm&) = delete;
  Xterm& operator=(const Xterm&) = delete;

  pid_t pid() const { return pid_; }

  // The window, once mapped and showing the prompt.
  Window wait_for_window() {
    const auto start = Clock::now();
    while (milliseconds_since(start) < 20000) {
      if (const Window w = find()) {
        XSetInputFocus(x_, w, RevertToParent, CurrentTime);
        XSync(x_, False);
        std::this_thread::sleep_for(milliseconds(1000));  // the shell's prompt
        return w;
      }
      std::this_thread::sleep_for(milliseconds(20));
    }
    return 0;
  }

 private:
  Window find() {
    Window root = DefaultRootWindow(x_), parent = 0, *children = nullptr, found = 0;
    unsigned count = 0;
    if (!XQueryTree(x_, root, &root, &parent, &children, &count)) return 0;
    for (unsigned i = 0; i < count && !found; ++i) {
      char* name = nullptr;
      XWindowAttributes a;
      if (XFetchName(x_, children[i], &name) && name) {
        if (title_ == name && XGetWindowAttributes(x_, children[i], &a) && a.map_state == IsViewable) {
          found = children[i];
        }
        XFree(name);
      }
    }
    if (children) XFree(children);
    return found;
  }

  Display* x_;
  std::string title_;
  pid_t pid_ = -1;
};

struct XtermFigures {
  WaitFigures prompt;
  std::vector<double> key_ms;
  bool ok = false;
};

// xterm's key to frame, with a steady cursor so that only the typed key changes what
// it shows: the top rows of its window (the prompt's row) read until they differ from
// before the key, then Backspace until they are as before again.
std::vector<double> xterm_key_to_frame(const e2e::VirtualDisplay& display) {
  Xterm xterm(display, "bench-steady", false);
  Display* x = display.connection();
  const Window w = xterm.wait_for_window();
  if (!w) return {};
  XWindowAttributes a;
  XGetWindowAttributes(x, w, &a);
  const int rows = std::min(a.height, 40);
  const std::vector<std::uint32_t> quiet = grab(x, w, 0, 0, a.width, rows);
  return key_to_frame(
      kLatencySamples, [&](bool forward) { press_key(x, forward ? XK_x : XK_BackSpace); },
      [&](bool forward) { return (grab(x, w, 0, 0, a.width, rows) != quiet) == forward; });
}

XtermFigures measure_xterm(const e2e::VirtualDisplay& display) {
  XtermFigures f;
  {
    Xterm xterm(display, "bench-blinking", true);
    if (!xterm.wait_for_window()) return f;
    f.prompt = measure_wait(xterm.pid(), kMeasureSeconds);
  }
  f.key_ms = xterm_key_to_frame(display);
  f.ok = !f.key_ms.empty();
  return f;
}

// --- The frame's own cost ---------------------------------------------------------------

void frame_cost() {
  window::FrameRenderer renderer;
  console::PageSnapshot page;
  window::FramePalette palette;
  for (int i = 0; i < 16; ++i) palette[i] = console::START_PALETTE[i];
  renderer.update(page, palette, 0, false);
  constexpr int kFrames = 2000;
  const auto start = Clock::now();
  for (int f = 1; f <= kFrames; ++f) {
    for (auto& cell : page.cells) cell = console::Cell{static_cast<std::uint8_t>(f + 33), 0x70};
    renderer.update(page, palette, 0, f % 2 == 0);
  }
  const double changed = milliseconds_since(start);
  const auto start2 = Clock::now();
  for (int f = 1; f <= kFrames; ++f) renderer.update(page, palette, static_cast<std::uint32_t>(f), false);
  const double repaint = milliseconds_since(start2);
  std::printf("frame after a whole-page change: %.3f ms (every cell changed), %.3f ms (palette change)\n\n",
              changed / kFrames, repaint / kFrames);
}

// --- Report ---------------------------------------------------------------------------

struct Range {
  double low = 1e300, high = -1e300;
  void add(double v) {
    low = std::min(low, v);
    high = std::max(high, v);
  }
  std::string text(const char* format) const {
    char a[32], b[32];
    std::snprintf(a, sizeof a, format, low);
    std::snprintf(b, sizeof b, format, high);
    return std::string(a) == b ? a : std::string(a) + "-" + b;
  }
};

void print_wait(const char* name, const WaitFigures& w) {
  std::printf("  %-34s %7.3f %% of a core  %7.1f wake-ups/s\n", name, w.cpu_percent, w.wakeups_per_second);
}

}  // namespace

int main() {
  frame_cost();
  e2e::VirtualDisplay display;
  if (!display.ok()) {
    std::fprintf(stderr, "Xvfb did not start\n");
    return 1;
  }
  const bool with_xterm = xterm_installed();
  if (!with_xterm) std::printf("xterm is not installed: the program alone is measured\n\n");
  std::map<std::string, Range> ranges;
  for (int round = 1; round <= kRounds; ++round) {
    const ProgramFigures p = measure_program(display);
    if (!p.ok) {
      std::fprintf(stderr, "round %d: the program did not reach every wait\n", round);
      return 1;
    }
    std::printf("round %d, the program:\n", round);
    std::printf("  %-34s %7.0f ms\n", "start to the first frame of the menu", p.to_menu_ms);
    print_wait("blinking \" Ship \" prompt", p.prompt);
    print_wait("error box", p.box);
    print_wait("output question", p.question);
    print_wait("card wait", p.card);
    std::printf("  %-34s median %.2f ms, 90th percentile %.2f ms (%zu keys)\n", "key to frame",
                median(p.key_ms), percentile_90(p.key_ms), p.key_ms.size());
    ranges["start to menu, ms"].add(p.to_menu_ms);
    ranges["prompt CPU %"].add(p.prompt.cpu_percent);
    ranges["prompt wake-ups/s"].add(p.prompt.wakeups_per_second);
    for (const auto& [name, w] : {std::pair{"box", p.box}, {"question", p.question}, {"card", p.card}}) {
      ranges[std::string(name) + " CPU %"].add(w.cpu_percent);
      ranges[std::string(name) + " wake-ups/s"].add(w.wakeups_per_second);
    }
    ranges["key to frame median, ms"].add(median(p.key_ms));
    if (!with_xterm) continue;
    const XtermFigures x = measure_xterm(display);
    if (!x.ok) {
      std::printf("round %d: xterm could not be measured\n", round);
      continue;
    }
    std::printf("round %d, xterm (blinking shell prompt, 80 x 25, blink phase 256 ms):\n", round);
    print_wait("blinking shell prompt", x.prompt);
    std::printf("  %-34s median %.2f ms, 90th percentile %.2f ms (%zu keys, steady cursor)\n",
                "key to frame", median(x.key_ms), percentile_90(x.key_ms), x.key_ms.size());
    ranges["xterm prompt CPU %"].add(x.prompt.cpu_percent);
    ranges["xterm prompt wake-ups/s"].add(x.prompt.wakeups_per_second);
    ranges["xterm key to frame median, ms"].add(median(x.key_ms));
  }

  std::printf("\nsummary over %d rounds (ranges):\n", kRounds);
  std::printf("  %-26s %-22s %-22s\n", "wait", "program", with_xterm ? "xterm" : "");
  const auto row = [&](const char* name, const std::string& figure, const char* format) {
    const std::string program = ranges[figure].text(format);
    const std::string xterm = ranges.count("xterm " + figure) ? ranges["xterm " + figure].text(format) : "";
    std::printf("  %-26s %-22s %-22s\n", name, program.c_str(), xterm.c_str());
  };
  row("prompt, CPU % of a core", "prompt CPU %", "%.3f");
  row("prompt, wake-ups/s", "prompt wake-ups/s", "%.1f");
  for (const char* wait : {"box", "question", "card"}) {
    std::printf("  %-26s %-22s\n", (std::string(wait) + ", CPU % of a core").c_str(),
                ranges[std::string(wait) + " CPU %"].text("%.3f").c_str());
    std::printf("  %-26s %-22s\n", (std::string(wait) + ", wake-ups/s").c_str(),
                ranges[std::string(wait) + " wake-ups/s"].text("%.1f").c_str());
  }
  row("key to frame median, ms", "key to frame median, ms", "%.2f");
  std::printf("  %-26s %-22s\n", "start to menu, ms", ranges["start to menu, ms"].text("%.0f").c_str());
}
