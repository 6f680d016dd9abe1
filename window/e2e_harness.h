// The end-to-end harness: runs the real program in a virtual X server and works it
// like a user. It starts Xvfb on a display number of its own, runs the binary from a
// fresh temporary folder (a copy of it, since the program works in its own folder),
// types with XTest, reads the window back with XGetImage and decodes the 640 x 400
// frame, at whatever whole scale the window shows it, into 25 lines of code page 437
// text with the colours of every cell, using the same font as the program.
//
// Every wait is on a condition with a timeout; nothing sleeps a fixed time as a check.
// The one observation over a stretch of time, `stays_running`, watches for an end that
// must not come.
//
// The binary under test is the one the tests were built with, or the one named by
// the environment variable DATACARD_E2E_BINARY (to run the tests against another
// build).
#pragma once

#include <sys/types.h>

#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <ctime>
#include <functional>
#include <initializer_list>
#include <map>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

struct _XDisplay;

namespace e2e {

using std::chrono::milliseconds;
inline constexpr milliseconds kPatience{20000};

// The binary to test: DATACARD_E2E_BINARY when set, else `built`.
std::string binary_under_test(const std::string& built);

// How many of the runs that have ended (ProgramRun's destructor) wrote a report of a
// sanitizer build of the program to their standard error.
int runs_with_sanitizer_reports();
// Whether the standard error of a run holds a report of a sanitizer build of the
// program: the heading any of them prints first.
bool holds_a_sanitizer_report(const std::string& errors);

// A virtual X server (Xvfb) with a 2000 x 1300 screen on a free display number.
class VirtualDisplay {
 public:
  // What the server does when its last client leaves: run on (the harness stays one
  // of its clients), or reset as a bare server does, refusing connections meanwhile
  // (the harness keeps no connection then, and can only start programs on it).
  enum class LastClientLeaving { RunsOn, Resets };

  explicit VirtualDisplay(LastClientLeaving last = LastClientLeaving::RunsOn);
  ~VirtualDisplay();
  VirtualDisplay(const VirtualDisplay&) = delete;
  VirtualDisplay& operator=(const VirtualDisplay&) = delete;

  bool ok() const { return ok_; }
  const std::string& name() const { return name_; }  // ":N"
  _XDisplay* connection() const { return display_; }  // null once the server ended, or when it resets
  pid_t server() const { return server_; }

  // Ends the X server, as when it crashes (the harness's own connection is closed
  // first). Its display number stays taken until this display is destroyed: a program
  // that connects to it later (one killed before it connected) finds no server
  // there, never one that another test started on the same number.
  void end_server();

 private:
  pid_t server_ = -1;
  std::string name_;
  _XDisplay* display_ = nullptr;
  bool ok_ = false;
  int held_number_ = -1;  // a socket on the ended server's name, which no server can take then
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

// Another client of the display that reads the whole screen back as fast as it can,
// from a thread of its own, until it is destroyed: a load on the X server, which then
// takes longer to serve every client.
class ScreenReader {
 public:
  explicit ScreenReader(const VirtualDisplay& display);
  ~ScreenReader();
  ScreenReader(const ScreenReader&) = delete;
  ScreenReader& operator=(const ScreenReader&) = delete;

  // The reads so far (to tell that the load ran).
  long reads() const { return reads_.load(); }

 private:
  std::atomic<bool> stop_{false};
  std::atomic<long> reads_{0};
  std::thread thread_;
};

// One stroke of a burst: the key of an X keysym, with the modifier keysyms held, or a
// click of the left mouse button on a page cell.
struct Stroke {
  Stroke(unsigned long key, std::vector<unsigned long> held = {}) : keysym(key), modifiers(std::move(held)) {}
  // A click on page cell (row, column) as the window shows it when the burst is sent.
  static Stroke click_on(int row, int column);

  unsigned long keysym = 0;
  std::vector<unsigned long> modifiers;
  std::optional<std::pair<int, int>> clicked_cell;  // (row, column) of a click
};

// Something to make in the program's folder before it starts (a pipe, a link).
using FolderSetup = std::function<void(const std::string& folder)>;

class ProgramRun {
 public:
  // Copies the binary and the given files (name to contents) into a new temporary
  // folder, runs `setup` on it, and starts the binary there on the display, with
  // `arguments` after its own -geometry. Its environment is the harness's, with
  // DISPLAY naming the display, changed by the `environment` entries in turn:
  // "NAME=value" sets NAME, "NAME" alone takes it away. What the program writes to
  // standard error is kept (stderr_text) and echoed at the end.
  ProgramRun(const VirtualDisplay& display, const std::string& binary,
             const std::map<std::string, std::string>& files = {}, const FolderSetup& setup = {},
             const std::vector<std::string>& environment = {}, const std::vector<std::string>& arguments = {});
  ~ProgramRun();
  ProgramRun(const ProgramRun&) = delete;
  ProgramRun& operator=(const ProgramRun&) = delete;

  const std::string& folder() const { return folder_; }
  pid_t pid() const { return pid_; }

  // The program's window ("Untitled"), once it is mapped; 0 until then.
  unsigned long find_window();
  bool wait_for_window(milliseconds timeout = kPatience);

  std::optional<Screen> read_screen();
  // The window's pixels (0xRRGGBB, row-major) and its size.
  bool read_pixels(std::vector<std::uint32_t>& pixels, int& width, int& height);
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
  // Types the characters, or presses the keys (with their modifiers) and clicks, as
  // one burst sent together: the strokes reach the window at once, as a fast user's
  // reach a busy one.
  void type_at_once(const std::string& keys);
  void press_at_once(const std::vector<Stroke>& strokes);
  // Clicks the left mouse button on page cell (row, column) as the window shows it now.
  void click(int row, int column);
  // Waits for a box titled `title` and answers it with the key Y or N.
  bool answer_box(const std::string& title, bool yes, milliseconds timeout = kPatience);

  void resize(int width, int height);
  // Waits until the window has the size.
  bool wait_for_size(int width, int height, milliseconds timeout = kPatience);
  // Sends the window manager's close message (WM_DELETE_WINDOW), as the close button does.
  void close_window();
  // Destroys the window from this client, as another program may.
  void destroy_window();
  // Maps a window of this client over the program's and takes it away again, so the
  // program's window must draw what it had shown.
  void cover_and_uncover();

  // The exit code once the process ended, or nothing after the timeout.
  std::optional<int> wait_for_exit(milliseconds timeout = kPatience);
  bool running();
  // Watches the process for `span`: false as soon as it ends.
  bool stays_running(milliseconds span);
  // Waits until one of the program's threads sleeps in a read of the file `path`.
  bool wait_until_reading(const std::string& path, milliseconds timeout = kPatience);
  // Waits until the program has the file `path` open.
  bool wait_until_open(const std::string& path, milliseconds timeout = kPatience);
  std::string stderr_text() const;

 private:
  _XDisplay* x() const;
  // Sends the key's press and release (with the modifiers held) without waiting.
  void send_key(const Stroke& stroke);
  // Sends a click on the window pixel (x, y) without waiting.
  void send_click(int x, int y);

  const VirtualDisplay& display_;
  std::string folder_;
  std::string stderr_path_;
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
