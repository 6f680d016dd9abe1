// The end-to-end harness: runs the real program in a virtual X server and works it
// like a user. It starts Xvfb on a display number of its own, runs the binary from a
// fresh temporary folder (a copy of it, since the program works in its own folder),
// types with XTest, reads the window back with XGetImage and decodes the 640 x 400
// frame, at whatever whole scale the window shows it, into 25 lines of code page 437
// text with the colours of every cell, using the same font as the program.
//
// Every wait is on a condition with a timeout; nothing sleeps a fixed time as a check.
#pragma once

#include <sys/types.h>

#include <array>
#include <chrono>
#include <cstdint>
#include <ctime>
#include <initializer_list>
#include <map>
#include <optional>
#include <string>

struct _XDisplay;

namespace e2e {

using std::chrono::milliseconds;
inline constexpr milliseconds kPatience{20000};

// A virtual X server (Xvfb) with a 1600 x 1000 screen on a free display number.
class VirtualDisplay {
 public:
  VirtualDisplay();
  ~VirtualDisplay();
  VirtualDisplay(const VirtualDisplay&) = delete;
  VirtualDisplay& operator=(const VirtualDisplay&) = delete;

  bool ok() const { return display_ != nullptr; }
  const std::string& name() const { return name_; }  // ":N"
  _XDisplay* connection() const { return display_; }

 private:
  pid_t server_ = -1;
  std::string name_;
  _XDisplay* display_ = nullptr;
};

// What the window shows, decoded cell by cell.
struct Screen {
  int width = 0;   // window size in pixels
  int height = 0;
  int scale = 1;
  std::array<std::string, 25> lines;  // 80 code page 437 bytes each; '?' where no glyph fits
  std::array<std::array<std::uint32_t, 80>, 25> foreground{};  // 0xRRGGBB
  std::array<std::array<std::uint32_t, 80>, 25> background{};

  // Row 1 to 25 without trailing blanks.
  std::string row(int r) const;
  // Every row, one per line, for failure messages.
  std::string dump() const;
  bool contains(const std::string& text) const;
};

class ProgramRun {
 public:
  // Copies the binary and the given files (name to contents) into a new temporary
  // folder and starts it there on the display.
  ProgramRun(const VirtualDisplay& display, const std::string& binary,
             const std::map<std::string, std::string>& files = {});
  ~ProgramRun();
  ProgramRun(const ProgramRun&) = delete;
  ProgramRun& operator=(const ProgramRun&) = delete;

  const std::string& folder() const { return folder_; }
  pid_t pid() const { return pid_; }

  // The program's window ("Untitled"), once it is mapped; 0 until then.
  unsigned long find_window();
  bool wait_for_window(milliseconds timeout = kPatience);

  std::optional<Screen> read_screen();
  // Writes what the window shows as a PPM image, for looking at a failure.
  bool save_image(const std::string& path);
  // The screen read last, for failure messages ("(nothing read)" when none).
  std::string last_screen_dump() const;
  // Waits until some row (or row `row`, 1 to 25) holds `text`; the screen last read.
  std::optional<Screen> wait_for_text(const std::string& text, int row = 0,
                                      milliseconds timeout = kPatience);
  // Waits until `accept` holds for the screen read.
  template <typename Accept>
  std::optional<Screen> wait_for_screen(Accept accept, milliseconds timeout = kPatience);

  // Types the characters (ASCII; "\n" is Enter) one key at a time.
  void type(const std::string& keys);
  // Presses and releases the key of an X keysym with the modifier keysyms held.
  void press(unsigned long keysym, std::initializer_list<unsigned long> modifiers = {});
  // Clicks the left mouse button on page cell (row, column) as the window shows it now.
  void click(int row, int column);
  // Waits for a box titled `title` and answers it with the key Y or N.
  bool answer_box(const std::string& title, bool yes, milliseconds timeout = kPatience);

  void resize(int width, int height);
  // Sends the window manager's close message (WM_DELETE_WINDOW), as the close button does.
  void close_window();

  // The exit code once the process ended, or nothing after the timeout.
  std::optional<int> wait_for_exit(milliseconds timeout = kPatience);
  bool running();

 private:
  _XDisplay* x_;
  std::string folder_;
  pid_t pid_ = -1;
  std::optional<int> exit_code_;
  unsigned long window_ = 0;
  std::optional<Screen> last_;
};

// Decodes an image of the window (0xRRGGBB pixels, row-major) into a screen.
Screen decode_window_image(const std::uint32_t* pixels, int width, int height);

template <typename Accept>
std::optional<Screen> ProgramRun::wait_for_screen(Accept accept, milliseconds timeout) {
  const auto end = std::chrono::steady_clock::now() + timeout;
  while (std::chrono::steady_clock::now() < end) {
    if (auto s = read_screen()) {
      if (accept(*s)) return s;
    }
    if (!running()) break;
    struct timespec nap{0, 20'000'000};
    nanosleep(&nap, nullptr);
  }
  return std::nullopt;
}

}  // namespace e2e
