#include "console/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "console/cp437.h"
#include "console/file_system.h"
#include "console/number_scan.h"
#include "console/screen.h"

namespace console {

namespace {

constexpr int kCtrlZ = 26;
constexpr int kEndOfData = -1;
constexpr long kZoneWidth = 14;

bool names_screen_device(const std::string& name) {
  return upper_cased(name.substr(0, 5)) == "SCRN:";
}

// Opens the file on disk; on failure gives no handle and sets `error_number`.
FileHandle open_disk_file(const std::string& name, FileMode mode, int& error_number) {
  const std::string path = file_name_to_utf8(name);
  // Not blocking at the open keeps a pipe without a writer or reader from hanging the
  // program; reads and writes block as usual afterwards.
  int flags = O_CLOEXEC | O_NOCTTY | O_NONBLOCK;
  flags |= mode == FileMode::Input ? O_RDONLY : (O_WRONLY | O_CREAT | O_TRUNC);
  const int fd = open(path.c_str(), flags, 0666);
  if (fd < 0) {
    const int cause = errno;
    error_number = open_error_number(cause, cause != ENOENT || folder_of_file_exists(path));
    return nullptr;
  }
  struct stat status {};
  if (fstat(fd, &status) != 0 || S_ISDIR(status.st_mode)) {
    close(fd);
    error_number = open_error_number(EISDIR, true);
    return nullptr;
  }
  fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  FileHandle handle(fdopen(fd, mode == FileMode::Input ? "rb" : "wb"));
  if (!handle) {
    error_number = open_error_number(errno, true);
    close(fd);
    return nullptr;
  }
  // Unbuffered output: a refused write is reported by the write that made it.
  if (mode == FileMode::Output) std::setvbuf(handle.get(), nullptr, _IONBF, 0);
  return handle;
}

// The bytes of an input file as the readers see them: a Ctrl-Z, a read error and the
// end of the file are all the end of the data, and a Ctrl-Z stays the end for good.
class InputBytes {
 public:
  explicit InputBytes(OpenFile& file) : file_(file) {}

  int peek() {
    if (file_.end_of_data) return kEndOfData;
    const int c = std::getc(file_.handle.get());
    if (c == EOF) return kEndOfData;
    std::ungetc(c, file_.handle.get());
    if (c == kCtrlZ) {
      file_.end_of_data = true;
      return kEndOfData;
    }
    return c;
  }

  // REQUIRES: peek() has just given a byte.
  int take() {
    ++file_.position;
    return std::getc(file_.handle.get());
  }

 private:
  OpenFile& file_;
};

bool is_line_end(int c) { return c == '\r' || c == '\n'; }
bool ends_field(int c) { return c == ',' || is_line_end(c) || c == kEndOfData; }

// Consumes a line end: CR, LF, CR LF or LF CR.
void take_line_end(InputBytes& in) {
  const int first = in.take();
  const int pair = first == '\r' ? '\n' : '\r';
  if (in.peek() == pair) in.take();
}

// Consumes the comma or line end that ends a value, if one is there.
void take_separator(InputBytes& in) {
  const int c = in.peek();
  if (c == ',') in.take();
  else if (is_line_end(c)) take_line_end(in);
}

void skip_rest_of_field(InputBytes& in) {
  while (!ends_field(in.peek())) in.take();
  take_separator(in);
}

// The entry of an open number for reading, or nullptr after raising 52 or 54.
OpenFile* input_file(Console& console, long number) {
  OpenFile* file = console.files.find(number);
  if (file == nullptr) {
    raise_runtime_error(console.errors, kErrorBadFileNumber);
    return nullptr;
  }
  // The screen device has nothing to read, whatever mode it was opened in.
  if (file->mode != FileMode::Input || file->kind != FileKind::Disk) {
    raise_runtime_error(console.errors, kErrorBadFileMode);
    return nullptr;
  }
  return file;
}

std::string read_quoted_value(InputBytes& in) {
  in.take();  // the opening quote
  std::string value;
  while (in.peek() != '"' && in.peek() != kEndOfData) value += static_cast<char>(in.take());
  if (in.peek() == '"') in.take();
  skip_rest_of_field(in);
  return value;
}

std::string read_plain_value(InputBytes& in) {
  std::string value;
  while (!ends_field(in.peek())) value += static_cast<char>(in.take());
  const std::size_t kept = value.find_last_not_of(" \t");
  value.erase(kept == std::string::npos ? 0 : kept + 1);
  take_separator(in);
  return value;
}

// After a number: the rest of its field. A blank ends the number and, when more blanks
// are followed by anything but a comma or a line end, the next value starts there.
void finish_number_field(InputBytes& in) {
  const int c = in.peek();
  if (c == ' ') {
    while (in.peek() == ' ') in.take();
    take_separator(in);
    return;
  }
  skip_rest_of_field(in);
}

// The bytes that follow an item on a disk file, and the column after them.
std::string item_with_blanks(const std::string& item, bool number_blank, bool next_zone,
                             bool line_end, long& column) {
  std::string out = item;
  for (const char c : item) {
    if (c == '\r') column = 1;
    else if (c != '\n') ++column;
  }
  if (number_blank) {
    out += ' ';
    ++column;
  }
  if (next_zone) {
    out += ' ';
    ++column;
    const long into_zone = (column - 1) % kZoneWidth;
    if (into_zone != 0) {
      out.append(static_cast<std::size_t>(kZoneWidth - into_zone), ' ');
      column += kZoneWidth - into_zone;
    }
  }
  if (line_end) {
    out += "\r\n";
    column = 1;
  }
  return out;
}

}  // namespace

void open_file(Console& console, const std::string& name, FileMode mode, long number) {
  if (error_pending(console.errors)) return;
  if (number < 1) {
    raise_runtime_error(console.errors, kErrorBadFileNumber);
    return;
  }
  if (console.files.is_open(number)) {
    raise_runtime_error(console.errors, kErrorFileAlreadyOpen);
    return;
  }
  OpenFile file;
  file.mode = mode;
  if (names_screen_device(name)) {
    file.kind = FileKind::Screen;
    console.files.add(number, std::move(file));
    return;
  }
  if (!acceptable_file_name(name)) {
    raise_runtime_error(console.errors, kErrorFileNotFound);
    return;
  }
  int error_number = 0;
  file.handle = open_disk_file(name, mode, error_number);
  if (!file.handle) {
    raise_runtime_error(console.errors, error_number);
    return;
  }
  OpenFile& opened = console.files.add(number, std::move(file));
  if (mode == FileMode::Input) InputBytes(opened).peek();  // a Ctrl-Z first: no data at all
}

void close_file(Console& console, long number) {
  if (error_pending(console.errors)) return;
  console.files.close(number);
}

// Closing everything is the console's own work at a restart, at the end and at the
// exit, never a step of the program, so a pending error does not hold it back: no file
// is left open behind the program.
void close_all_files(Console& console) {
  console.files.close_all();
}

void print_to_file(Console& console, long number, const std::string& item, bool number_blank,
                   bool next_zone, bool line_end) {
  if (error_pending(console.errors)) return;
  OpenFile* file = console.files.find(number);
  if (file == nullptr) {
    raise_runtime_error(console.errors, kErrorBadFileNumber);
    return;
  }
  if (file->kind == FileKind::Screen) {
    print_to_screen(console, item, line_end);
    return;
  }
  if (file->mode != FileMode::Output) {
    raise_runtime_error(console.errors, kErrorBadFileMode);
    return;
  }
  const std::string bytes = item_with_blanks(item, number_blank, next_zone, line_end, file->column);
  if (bytes.empty()) return;
  errno = 0;
  const std::size_t written = std::fwrite(bytes.data(), 1, bytes.size(), file->handle.get());
  file->position += static_cast<long long>(written);
  if (written != bytes.size()) {
    const int cause = errno;
    std::clearerr(file->handle.get());
    raise_runtime_error(console.errors, write_error_number(cause));
  }
}

void input_string_from_file(Console& console, long number, std::string& target) {
  if (error_pending(console.errors)) return;
  OpenFile* file = input_file(console, number);
  if (file == nullptr) return;
  InputBytes in(*file);
  while (in.peek() == ' ' || in.peek() == '\t') in.take();
  if (in.peek() == kEndOfData) {
    target.clear();
    raise_runtime_error(console.errors, kErrorPastEnd);
    return;
  }
  target = in.peek() == '"' ? read_quoted_value(in) : read_plain_value(in);
}

double input_number_from_file(Console& console, long number) {
  if (error_pending(console.errors)) return 0;
  OpenFile* file = input_file(console, number);
  if (file == nullptr) return 0;
  InputBytes in(*file);
  while (in.peek() == ' ') in.take();
  if (in.peek() == kEndOfData) {
    raise_runtime_error(console.errors, kErrorPastEnd);
    return 0;
  }
  NumberScanner scanner;
  while (in.peek() != kEndOfData && scanner.feed(static_cast<unsigned char>(in.peek()))) in.take();
  finish_number_field(in);
  const ScannedNumber number_read = scanner.result();
  if (number_read.overflow) {
    raise_runtime_error(console.errors, kErrorOverflow);
    return 0;
  }
  return number_read.value;
}

}  // namespace console
