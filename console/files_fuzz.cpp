// Arbitrary bytes through the readers of input files, of the ship list and of number
// texts. None may crash, hang or trip a sanitizer, and every read must either move on
// through its input or report the end of it, so that a reading loop always ends.
//
// The file readers need a file: each input is written to a folder of the fuzzer's
// own, which is the working folder only while the input runs (the program's names
// hold no folder), so libFuzzer's corpus and artifact paths keep their meaning.
#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "console/files.h"
#include "console/list_reader.h"
#include "console/number_parse.h"
#include "console/number_scan.h"

namespace {

using console::ErrorState;

class FuzzHost : public console::ConsoleHost {
 public:
  bool ask_error_box(const std::string&, const std::string&) override { return true; }
  void show_fatal_box(const std::string&, const std::string&) override {}
  void nap(int) override {}
};

[[noreturn]] void broken(const char* what) {
  std::fprintf(stderr, "files_fuzz: %s\n", what);
  std::abort();
}

// Text readers: each one is given the bytes as one text.
void fuzz_list_readers(ErrorState& errors, const std::string& list) {
  std::size_t position = 0;
  for (std::size_t read = 0; position < list.size(); ++read) {
    if (read > list.size()) broken("a list read that does not move");
    const std::size_t before = position;
    errors.pending = 0;
    if (read % 2 == 1) {
      (void)read_list_number(errors, list, position);
      if (errors.pending != 0 && position != before) broken("a failed number read moved");
      if (errors.pending == 0 && position <= before) broken("a number read that does not move");
      if (errors.pending == 0) continue;
      errors.pending = 0;  // a failed number item is stepped over as text
    }
    (void)read_list_text(errors, list, position);
    if (position <= before || position > list.size()) broken("a text read that does not move");
  }
  errors.pending = 0;
  (void)read_list_text(errors, list, position);
  if (errors.pending != 4) broken("no error 4 past the end of the list");
}

void fuzz_number_scanner(ErrorState&, const std::string& text) {
  console::NumberScanner scanner;
  for (const char c : text) {
    if (!scanner.feed(static_cast<unsigned char>(c))) break;
  }
  const console::ScannedNumber number = scanner.result();
  if (number.value > 3.402823466E+38 || number.value < -3.402823466E+38) {
    broken("a number out of range");
  }
  if (number.overflow && number.value != 0) broken("an overflow with a value");
}

using TextTarget = void (*)(ErrorState&, const std::string&);
constexpr TextTarget TEXT_TARGETS[] = {
    fuzz_list_readers,
    fuzz_number_scanner,
    [](ErrorState& e, const std::string& t) { (void)console::parse_number_text(e, t); },
};

// The fuzzer's folder: a file descriptor of it and of the folder it was started in.
struct Folders {
  std::string path;
  int fuzz = -1;
  int start = -1;
};

Folders& folders() {
  // Never destroyed: the exit handler that removes the folder still needs its path.
  static Folders& held = *[] {
    auto* made_ptr = new Folders;
    Folders& made = *made_ptr;
    std::string pattern = (std::filesystem::temp_directory_path() / "files_fuzz_XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) broken("no temporary folder");
    made.path = pattern;
    made.fuzz = open(made.path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    made.start = open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (made.fuzz < 0 || made.start < 0) broken("no folder handles");
    std::atexit([] { std::filesystem::remove_all(folders().path); });
    return made_ptr;
  }();
  return held;
}

console::Console& fuzz_console() {
  static FuzzHost host;
  static console::Console console(host);
  return console;
}

void write_bytes(const char* name, const std::uint8_t* data, std::size_t size) {
  std::FILE* file = std::fopen(name, "wb");
  if (file == nullptr) broken("cannot write the input file");
  if (size != 0) std::fwrite(data, 1, size, file);
  std::fclose(file);
}

// Reads the file as a mix of text and number values, chosen by the bits of the first
// byte, until the end of the data.
void fuzz_file_readers(console::Console& console, const std::uint8_t* data, std::size_t size) {
  write_bytes("FUZZ.DAT", data, size);
  console.errors.pending = 0;
  open_file(console, "FUZZ.DAT", console::FileMode::Input, 1);
  if (console.errors.pending != 0) broken("the input file does not open");
  const unsigned pattern = size == 0 ? 0 : data[0];
  console::OpenFile* file = console.files.find(1);
  bool ended = false;
  for (std::size_t read = 0; read <= size + 1 && !ended; ++read) {
    const long long before = file->position;
    console.errors.pending = 0;
    if ((pattern >> (read % 8)) & 1) {
      std::string target;
      input_string_from_file(console, 1, target);
    } else {
      (void)input_number_from_file(console, 1);
    }
    ended = console.errors.pending == 62;
    if (!ended && file->position <= before) broken("a file read that does not move");
  }
  if (!ended) broken("no error 62 at the end of the file");
  console.errors.pending = 0;
  (void)input_number_from_file(console, 1);
  if (console.errors.pending != 62) broken("the end of the file did not stay");
  console.errors.pending = 0;
  close_file(console, 1);
}

// Writes the bytes as one item with the flags of the last byte, and checks that the
// file starts with them.
void fuzz_file_writer(console::Console& console, const std::uint8_t* data, std::size_t size) {
  const std::string item(reinterpret_cast<const char*>(data), size);
  const unsigned flags = size == 0 ? 0 : data[size - 1];
  console.errors.pending = 0;
  open_file(console, "FUZZ.DOC", console::FileMode::Output, 2);
  print_to_file(console, 2, item, flags & 1, flags & 2, flags & 4);
  print_to_file(console, 2, item, flags & 8, flags & 16, flags & 32);
  if (console.errors.pending != 0) broken("a write failed");
  close_file(console, 2);
  std::FILE* file = std::fopen("FUZZ.DOC", "rb");
  std::string back(size, '\0');
  const std::size_t got = size == 0 ? 0 : std::fread(back.data(), 1, size, file);
  std::fclose(file);
  if (got != size || back != item) broken("the item was not written as it is");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  ErrorState errors;
  for (const TextTarget target : TEXT_TARGETS) {
    errors = {};
    target(errors, text);
  }

  Folders& held = folders();
  if (fchdir(held.fuzz) != 0) broken("cannot enter the fuzz folder");
  console::Console& console = fuzz_console();
  fuzz_file_readers(console, data, size);
  fuzz_file_writer(console, data, size);
  console.errors.pending = 0;
  close_all_files(console);
  if (fchdir(held.start) != 0) broken("cannot return to the start folder");
  return 0;
}
