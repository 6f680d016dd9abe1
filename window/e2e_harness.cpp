#include "window/e2e_harness.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <stdexcept>
#include <vector>

#include "window/font.h"
#include "console/cp437.h"
#include "window/frame_placement.h"

extern char** environ;

namespace e2e {

namespace fs = std::filesystem;

namespace {

void nap_ms(long ms) {
  struct timespec t{ms / 1000, (ms % 1000) * 1'000'000};
  nanosleep(&t, nullptr);
}

// A descriptor open while another thread starts a child goes into that child: the
// write end of an X server's display-number pipe would stay open in it, and so would
// the binary's copy while it is written, which then cannot be run (ETXTBSY). So the
// harness makes such descriptors, starts its children and closes them again only
// under this lock: the tests may run several programs at once, from threads.
std::mutex& children_lock() {
  static std::mutex lock;
  return lock;
}

// An environment entry "NAME=value" sets NAME in `env`; "NAME" alone takes it away.
void apply_setting(std::vector<std::string>& env, const std::string& setting) {
  const std::string name = setting.substr(0, setting.find('='));
  std::erase_if(env, [&name](const std::string& e) { return e.compare(0, name.size() + 1, name + "=") == 0; });
  if (setting.find('=') != std::string::npos) env.push_back(setting);
}

pid_t spawn(const std::vector<std::string>& args, const std::vector<std::string>& extra_env,
            const std::string& folder, bool quiet = false, const std::string& stderr_path = "") {
  std::vector<std::string> env;
  for (char** e = environ; *e; ++e) env.emplace_back(*e);
  for (const std::string& change : extra_env) apply_setting(env, change);
  std::vector<char*> argv, envp;
  for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  for (const auto& e : env) envp.push_back(const_cast<char*>(e.c_str()));
  envp.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  if (!folder.empty()) posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
  const int null_fd = open("/dev/null", O_RDONLY);
  posix_spawn_file_actions_adddup2(&actions, null_fd, 0);
  if (quiet) posix_spawn_file_actions_adddup2(&actions, null_fd, 2);
  if (!stderr_path.empty()) {
    posix_spawn_file_actions_addopen(&actions, 2, stderr_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  }
  pid_t pid = -1;
  const int rc = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  close(null_fd);
  return rc == 0 ? pid : -1;
}

// A server listens on the abstract socket name of its display number (which a client
// tries first) and on a file of the same name. A socket bound to the abstract name
// keeps every server from taking the number, and refuses a client's connection, as
// the ended server's file then does: the client finds no server. Returns the socket,
// or -1.
int hold_display_number(const std::string& name) {
  const std::string path = "/tmp/.X11-unix/X" + name.substr(1);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  if (path.size() + 1 > sizeof address.sun_path) return -1;
  std::memcpy(address.sun_path + 1, path.data(), path.size());  // abstract: a NUL byte first
  const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + path.size());
  if (fd >= 0 && bind(fd, reinterpret_cast<const sockaddr*>(&address), length) == 0) return fd;
  if (fd >= 0) close(fd);
  return -1;
}

// The runs whose standard error held a sanitizer's report.
std::atomic<int> sanitizer_reports{0};

// The glyph each 16-row pattern shows; where glyphs share a pattern, printable ASCII
// wins over the rest and a lower code over a higher one.
const std::map<std::array<std::uint8_t, 16>, std::uint8_t>& glyph_patterns() {
  static const auto table = [] {
    std::map<std::array<std::uint8_t, 16>, std::uint8_t> t;
    auto rank = [](int code) { return (code >= 32 && code < 127) ? code : code + 1000; };
    for (int code = 0; code < 256; ++code) {
      std::array<std::uint8_t, 16> rows;
      for (int y = 0; y < 16; ++y) rows[y] = window::VGA_GLYPH_ROWS[code * 16 + y];
      auto [it, added] = t.emplace(rows, static_cast<std::uint8_t>(code));
      if (!added && rank(code) < rank(it->second)) it->second = static_cast<std::uint8_t>(code);
    }
    return t;
  }();
  return table;
}

std::optional<std::uint8_t> match_glyph(const std::array<std::uint8_t, 16>& rows) {
  const auto& table = glyph_patterns();
  if (auto it = table.find(rows); it != table.end()) return it->second;
  // The cursor's underline on row 14: match the other rows.
  for (int code = 32; code < 256 + 32; ++code) {
    const int c = code % 256;
    bool same = true;
    for (int y = 0; y < 16 && same; ++y) {
      if (y != 14 && window::VGA_GLYPH_ROWS[c * 16 + y] != rows[y]) same = false;
    }
    if (same) return static_cast<std::uint8_t>(c);
  }
  return std::nullopt;
}

void decode_cell(const std::uint32_t* pixels, int width, int height,
                 const window::FramePlacement& at, int row, int column, Screen& s) {
  std::uint32_t colours[8 * 16];
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 8; ++x) {
      const int wx = at.left + ((column * 8 + x) * at.scale()) + at.scale() / 2;
      const int wy = at.top + ((row * 16 + y) * at.scale()) + at.scale() / 2;
      colours[y * 8 + x] =
          (wx >= 0 && wy >= 0 && wx < width && wy < height) ? pixels[wy * width + wx] : 0;
    }
  }
  // The background is the colour of the cell's top left pixel unless only the other
  // assignment matches a glyph.
  const std::uint32_t first = colours[0];
  std::optional<std::uint32_t> second;
  bool more = false;
  for (std::uint32_t c : colours) {
    if (c == first) continue;
    if (!second) second = c;
    else if (c != *second) more = true;
  }
  s.background[row][column] = first;
  s.foreground[row][column] = first;
  if (!second) {
    s.lines[row][column] = ' ';
    return;
  }
  if (more) {
    s.lines[row][column] = '?';
    return;
  }
  for (const auto& [fg, bg] : {std::pair{*second, first}, std::pair{first, *second}}) {
    std::array<std::uint8_t, 16> rows{};
    for (int y = 0; y < 16; ++y) {
      for (int x = 0; x < 8; ++x) {
        if (colours[y * 8 + x] == fg) rows[y] |= static_cast<std::uint8_t>(0x80 >> x);
      }
    }
    if (const auto code = match_glyph(rows)) {
      s.lines[row][column] = static_cast<char>(*code);
      s.foreground[row][column] = fg;
      s.background[row][column] = bg;
      return;
    }
  }
  s.lines[row][column] = '?';
}

KeyCode keycode_for(Display* x, KeySym keysym, bool& shifted) {
  shifted = false;
  const KeyCode code = XKeysymToKeycode(x, keysym);
  if (code == 0) return 0;
  int per_code = 0;
  KeySym* syms = XGetKeyboardMapping(x, code, 1, &per_code);
  if (syms) {
    shifted = per_code > 1 && syms[0] != keysym && syms[1] == keysym;
    XFree(syms);
  }
  return code;
}

// The keysym of a typed character: its own code, Enter for "\n".
unsigned long keysym_of(unsigned char c) { return c == '\n' ? XK_Return : static_cast<unsigned long>(c); }

}  // namespace

std::string Screen::row(int r) const {
  std::string line = lines[r - 1];
  while (!line.empty() && line.back() == ' ') line.pop_back();
  return line;
}

std::string Screen::dump() const {
  std::string out;
  for (int r = 1; r <= 25; ++r) {
    char number[8];
    std::snprintf(number, sizeof number, "%2d|", r);
    out += number + console::cp437_to_utf8(row(r)) + "\n";
  }
  return out;
}

bool Screen::contains(const std::string& text) const {
  for (const auto& line : lines) {
    if (line.find(text) != std::string::npos) return true;
  }
  return false;
}

Screen decode_window_image(const std::uint32_t* pixels, int width, int height) {
  Screen s;
  s.width = width;
  s.height = height;
  const window::FramePlacement at = window::place_frame(width, height);
  s.scale = at.scale();
  for (auto& line : s.lines) line.assign(80, ' ');
  if (s.scale == 0) return s;  // scaled down: no cell can be read
  for (int r = 0; r < 25; ++r) {
    for (int c = 0; c < 80; ++c) decode_cell(pixels, width, height, at, r, c, s);
  }
  return s;
}

VirtualDisplay::VirtualDisplay(LastClientLeaving last) {
  int fds[2];
  {
    const std::lock_guard<std::mutex> lock(children_lock());
    if (pipe(fds) != 0) return;
    const std::string fd = std::to_string(fds[1]);
    // -displayfd: the server picks a free display number and writes it to the pipe.
    std::vector<std::string> command = {"Xvfb", "-displayfd", fd, "-screen", "0", "2000x1300x24", "-nolisten", "tcp"};
    if (last == LastClientLeaving::RunsOn) command.push_back("-noreset");
    server_ = spawn(command, {}, "", true);
    close(fds[1]);
    fcntl(fds[0], F_SETFD, FD_CLOEXEC);
  }
  std::string number;
  struct pollfd p{fds[0], POLLIN, 0};
  const auto end = std::chrono::steady_clock::now() + kPatience;
  while (std::chrono::steady_clock::now() < end && number.find('\n') == std::string::npos) {
    if (poll(&p, 1, 100) > 0) {
      char buffer[16];
      const ssize_t n = read(fds[0], buffer, sizeof buffer);
      if (n <= 0) break;
      number.append(buffer, static_cast<std::size_t>(n));
    }
  }
  close(fds[0]);
  if (number.empty()) return;
  name_ = ":" + number.substr(0, number.find('\n'));
  if (last == LastClientLeaving::Resets) {
    ok_ = true;
    return;
  }
  display_ = XOpenDisplay(name_.c_str());
  ok_ = display_ != nullptr;
  // A request on a window that has just gone (the program ended) is no failure of
  // the harness: the wait that follows sees the ending.
  XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
}

int runs_with_sanitizer_reports() { return sanitizer_reports.load(); }

// The first lines of the reports of the sanitizers the program is built with: a race
// or another finding of ThreadSanitizer, a fatal one of any (a SEGV, a failed
// allocation), a leak, undefined behaviour, a failed check of a sanitizer itself.
bool holds_a_sanitizer_report(const std::string& errors) {
  for (const char* heading :
       {"WARNING: ThreadSanitizer:", "ERROR: ThreadSanitizer", "FATAL: ThreadSanitizer", "ERROR: AddressSanitizer",
        "ERROR: LeakSanitizer", "ERROR: UndefinedBehaviorSanitizer", "runtime error:", "Sanitizer: CHECK failed"}) {
    if (errors.find(heading) != std::string::npos) return true;
  }
  return false;
}

std::string binary_under_test(const std::string& built) {
  const char* other = std::getenv("DATACARD_E2E_BINARY");
  return other && *other ? std::string(other) : built;
}

void VirtualDisplay::end_server() {
  if (display_) XCloseDisplay(display_);
  display_ = nullptr;
  if (server_ > 0) {
    kill(server_, SIGKILL);
    waitpid(server_, nullptr, 0);
    held_number_ = hold_display_number(name_);
  }
  server_ = -1;
}

VirtualDisplay::~VirtualDisplay() {
  if (display_) XCloseDisplay(display_);
  if (server_ > 0) {
    kill(server_, SIGTERM);
    waitpid(server_, nullptr, 0);
  }
  if (held_number_ >= 0) close(held_number_);
}

ScreenReader::ScreenReader(const VirtualDisplay& display) {
  const std::string name = display.name();
  thread_ = std::thread([this, name] {
    Display* x = XOpenDisplay(name.c_str());
    if (!x) return;
    const Window root = DefaultRootWindow(x);
    XWindowAttributes a;
    XGetWindowAttributes(x, root, &a);
    while (!stop_.load()) {
      if (XImage* image = XGetImage(x, root, 0, 0, a.width, a.height, AllPlanes, ZPixmap)) XDestroyImage(image);
      ++reads_;
    }
    XCloseDisplay(x);
  });
}

ScreenReader::~ScreenReader() {
  stop_.store(true);
  thread_.join();
}

ProgramRun::ProgramRun(const VirtualDisplay& display, const std::string& binary,
                       const std::map<std::string, std::string>& files, const FolderSetup& setup,
                       const std::vector<std::string>& environment, const std::vector<std::string>& arguments)
    : display_(display) {
  std::string pattern = (fs::temp_directory_path() / "datacard-e2e-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a temporary folder");
  folder_ = pattern;
  const fs::path copy = fs::path(folder_) / "datacard";
  const std::lock_guard<std::mutex> lock(children_lock());
  fs::copy_file(binary, copy);
  for (const auto& [name, contents] : files) {
    std::ofstream(fs::path(folder_) / name, std::ios::binary) << contents;
  }
  if (setup) setup(folder_);
  stderr_path_ = folder_ + ".stderr";
  // Started from another folder: the program must find its own. The window is asked
  // for at the screen's corner with the toolkit's -geometry option: without a window
  // manager it would be made at (-1, -1), a pixel off the screen, and moving it there
  // once it has drawn leaves, until the program draws again for the exposure, whatever
  // the screen held where the window's top row and left column now are.
  std::vector<std::string> settings = {"DISPLAY=" + display.name()};
  settings.insert(settings.end(), environment.begin(), environment.end());
  std::vector<std::string> command = {copy.string(), "-geometry", "+0+0"};
  command.insert(command.end(), arguments.begin(), arguments.end());
  pid_ = spawn(command, settings, fs::temp_directory_path().string(), false, stderr_path_);
}

ProgramRun::~ProgramRun() {
  if (running()) {
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
  }
  const std::string errors = stderr_text();
  if (!errors.empty()) std::fprintf(stderr, "[datacard's standard error]\n%s", errors.c_str());
  if (holds_a_sanitizer_report(errors)) ++sanitizer_reports;
  std::error_code ignored;
  fs::remove_all(folder_, ignored);
  fs::remove(stderr_path_, ignored);
}

_XDisplay* ProgramRun::x() const { return display_.connection(); }

std::string ProgramRun::stderr_text() const {
  std::ifstream in(stderr_path_, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

bool ProgramRun::stays_running(milliseconds span) {
  const auto end = std::chrono::steady_clock::now() + span;
  while (std::chrono::steady_clock::now() < end) {
    if (!running()) return false;
    nap_ms(5);
  }
  return running();
}

bool ProgramRun::wait_until_open(const std::string& path, milliseconds timeout) {
  const auto end = std::chrono::steady_clock::now() + timeout;
  const std::string fds = "/proc/" + std::to_string(pid_) + "/fd";
  while (running() && std::chrono::steady_clock::now() < end) {
    std::error_code ignored;
    for (const auto& fd : fs::directory_iterator(fds, ignored)) {
      if (fs::read_symlink(fd.path(), ignored) == fs::path(path)) return true;
    }
    nap_ms(10);
  }
  return false;
}

// A thread of the program sleeps in read(2) (system call 0 on x86-64) on a descriptor
// that names `path`.
bool ProgramRun::wait_until_reading(const std::string& path, milliseconds timeout) {
  const auto end = std::chrono::steady_clock::now() + timeout;
  const std::string proc = "/proc/" + std::to_string(pid_);
  while (running() && std::chrono::steady_clock::now() < end) {
    std::error_code ignored;
    for (const auto& task : fs::directory_iterator(proc + "/task", ignored)) {
      std::ifstream call(task.path() / "syscall");
      long number = -1;
      std::string fd_text;
      if (!(call >> number >> fd_text) || number != 0) continue;
      const long fd = std::strtol(fd_text.c_str(), nullptr, 16);
      if (fs::read_symlink(proc + "/fd/" + std::to_string(fd), ignored) == fs::path(path)) return true;
    }
    nap_ms(10);
  }
  return false;
}

bool ProgramRun::running() {
  if (exit_code_ || pid_ <= 0) return false;
  int status = 0;
  const pid_t r = waitpid(pid_, &status, WNOHANG);
  if (r == pid_) {
    exit_code_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return false;
  }
  return true;
}

std::optional<int> ProgramRun::wait_for_exit(milliseconds timeout) {
  const auto end = std::chrono::steady_clock::now() + timeout;
  while (running() && std::chrono::steady_clock::now() < end) nap_ms(10);
  running();
  return exit_code_;
}

unsigned long ProgramRun::find_window() {
  if (window_ || !x()) return window_;
  Window root = DefaultRootWindow(x()), parent = 0, *children = nullptr;
  unsigned count = 0;
  if (!XQueryTree(x(), root, &root, &parent, &children, &count)) return 0;
  for (unsigned i = 0; i < count && !window_; ++i) {
    char* name = nullptr;
    XWindowAttributes a;
    if (XFetchName(x(), children[i], &name) && name) {
      if (std::string(name) == "Untitled" && XGetWindowAttributes(x(), children[i], &a) &&
          a.map_state == IsViewable) {
        window_ = children[i];
      }
      XFree(name);
    }
  }
  if (children) XFree(children);
  if (window_) {
    // The window is made in the corner (see the constructor), where all its pixels can
    // be read; the move only makes sure of it and costs nothing there.
    // Keys typed with XTest go to the focus, which no window manager gives it.
    XMoveWindow(x(), window_, 0, 0);
    XSetInputFocus(x(), window_, RevertToParent, CurrentTime);
    XSync(x(), False);
  }
  return window_;
}

bool ProgramRun::wait_for_window(milliseconds timeout) {
  const auto end = std::chrono::steady_clock::now() + timeout;
  while (!find_window() && running() && std::chrono::steady_clock::now() < end) nap_ms(20);
  return window_ != 0;
}

bool ProgramRun::read_pixels(std::vector<std::uint32_t>& pixels, int& width, int& height) {
  if (!find_window()) return false;
  XWindowAttributes a;
  if (!XGetWindowAttributes(x(), window_, &a)) return false;
  XImage* image = XGetImage(x(), window_, 0, 0, a.width, a.height, AllPlanes, ZPixmap);
  if (!image) return false;
  width = a.width;
  height = a.height;
  pixels.assign(static_cast<std::size_t>(a.width) * a.height, 0);
  // 24-bit TrueColor: each pixel's low three bytes are red, green and blue.
  const bool plain = image->bits_per_pixel == 32 && image->byte_order == LSBFirst;
  for (int y = 0; y < a.height; ++y) {
    const auto* row = reinterpret_cast<const std::uint32_t*>(image->data + y * image->bytes_per_line);
    for (int x = 0; x < a.width; ++x) {
      pixels[y * a.width + x] = (plain ? row[x] : XGetPixel(image, x, y)) & 0xFFFFFF;
    }
  }
  XDestroyImage(image);
  return true;
}

std::optional<Screen> ProgramRun::read_screen() {
  std::vector<std::uint32_t> pixels;
  int width = 0, height = 0;
  if (!read_pixels(pixels, width, height)) return std::nullopt;
  last_ = decode_window_image(pixels.data(), width, height);
  return last_;
}

std::string ProgramRun::last_screen_dump() const {
  return last_ ? last_->dump() : "(nothing read)";
}

std::optional<Screen> ProgramRun::wait_for_text(const std::string& text, int row,
                                                milliseconds timeout) {
  return wait_for_screen(
      [&](const Screen& s) {
        return row == 0 ? s.contains(text) : s.lines[row - 1].find(text) != std::string::npos;
      },
      timeout);
}

void ProgramRun::send_key(const Stroke& stroke) {
  if (!x()) return;
  bool shifted = false;
  const KeyCode code = keycode_for(x(), stroke.keysym, shifted);
  if (code == 0) return;
  std::vector<KeyCode> held;
  for (unsigned long m : stroke.modifiers) held.push_back(XKeysymToKeycode(x(), m));
  if (shifted) held.push_back(XKeysymToKeycode(x(), XK_Shift_L));
  for (KeyCode m : held) XTestFakeKeyEvent(x(), m, True, 0);
  XTestFakeKeyEvent(x(), code, True, 0);
  XTestFakeKeyEvent(x(), code, False, 0);
  for (auto m = held.rbegin(); m != held.rend(); ++m) XTestFakeKeyEvent(x(), *m, False, 0);
}

void ProgramRun::press(unsigned long keysym, std::initializer_list<unsigned long> modifiers) {
  if (!x()) return;
  send_key(Stroke(keysym, modifiers));
  XSync(x(), False);
}

Stroke Stroke::click_on(int row, int column) {
  Stroke click(0);
  click.clicked_cell = std::pair{row, column};
  return click;
}

// The window's placement is read before anything is sent: a reply asked for in the
// middle would send the strokes before it on their own.
void ProgramRun::press_at_once(const std::vector<Stroke>& strokes) {
  if (!x()) return;
  std::optional<window::FramePlacement> at;
  XWindowAttributes a;
  if (find_window() && XGetWindowAttributes(x(), window_, &a)) at = window::place_frame(a.width, a.height);
  for (const Stroke& stroke : strokes) {
    if (!stroke.clicked_cell) {
      send_key(stroke);
    } else if (at) {
      // The window sits at the screen's corner (find_window): its pixels are the
      // screen's.
      const auto [row, column] = *stroke.clicked_cell;
      send_click(at->left + ((column - 1) * 8 + 4) * at->scale(), at->top + ((row - 1) * 16 + 8) * at->scale());
    }
  }
  XSync(x(), False);
}

void ProgramRun::send_click(int x_pixel, int y_pixel) {
  XTestFakeMotionEvent(x(), DefaultScreen(x()), x_pixel, y_pixel, 0);
  XTestFakeButtonEvent(x(), 1, True, 0);
  XTestFakeButtonEvent(x(), 1, False, 0);
}

void ProgramRun::type(const std::string& keys) {
  for (unsigned char c : keys) press(keysym_of(c));
}

void ProgramRun::type_at_once(const std::string& keys) {
  std::vector<Stroke> strokes;
  for (unsigned char c : keys) strokes.emplace_back(keysym_of(c));
  press_at_once(strokes);
}

bool ProgramRun::answer_box(const std::string& title, bool yes, milliseconds timeout) {
  if (!wait_for_text(title, 0, timeout)) return false;
  type(yes ? "y" : "n");
  // The box is gone once its title is.
  return wait_for_screen([&](const Screen& s) { return !s.contains(title); }, timeout).has_value();
}

void ProgramRun::click(int row, int column) { press_at_once({Stroke::click_on(row, column)}); }

void ProgramRun::resize(int width, int height) {
  if (!find_window()) return;
  XResizeWindow(x(), window_, width, height);
  XSync(x(), False);
}

bool ProgramRun::wait_for_size(int width, int height, milliseconds timeout) {
  const auto end = std::chrono::steady_clock::now() + timeout;
  while (find_window() && std::chrono::steady_clock::now() < end) {
    XWindowAttributes a;
    if (XGetWindowAttributes(x(), window_, &a) && a.width == width && a.height == height) return true;
    nap_ms(10);
  }
  return false;
}

void ProgramRun::destroy_window() {
  if (!find_window()) return;
  XDestroyWindow(x(), window_);
  XSync(x(), False);
}

void ProgramRun::cover_and_uncover() {
  if (!find_window()) return;
  XWindowAttributes a;
  if (!XGetWindowAttributes(x(), window_, &a)) return;
  const Window cover = XCreateSimpleWindow(x(), DefaultRootWindow(x()), 0, 0, a.width, a.height, 0, 0,
                                           0x00FF00);
  XSetWindowAttributes override{};
  override.override_redirect = True;
  XChangeWindowAttributes(x(), cover, CWOverrideRedirect, &override);
  XMapRaised(x(), cover);
  XSync(x(), False);
  // The cover is shown once the server draws its green background over the window.
  const auto end = std::chrono::steady_clock::now() + kPatience;
  while (std::chrono::steady_clock::now() < end) {
    XImage* image = XGetImage(x(), DefaultRootWindow(x()), a.width / 2, a.height / 2, 1, 1, AllPlanes, ZPixmap);
    const bool green = image && (XGetPixel(image, 0, 0) & 0xFFFFFF) == 0x00FF00;
    if (image) XDestroyImage(image);
    if (green) break;
    nap_ms(5);
  }
  XDestroyWindow(x(), cover);
  XSync(x(), False);
}

void ProgramRun::close_window() {
  if (!find_window()) return;
  XEvent e{};
  e.xclient.type = ClientMessage;
  e.xclient.window = window_;
  e.xclient.message_type = XInternAtom(x(), "WM_PROTOCOLS", False);
  e.xclient.format = 32;
  e.xclient.data.l[0] = static_cast<long>(XInternAtom(x(), "WM_DELETE_WINDOW", False));
  e.xclient.data.l[1] = CurrentTime;
  XSendEvent(x(), window_, False, NoEventMask, &e);
  XSync(x(), False);
}

}  // namespace e2e
