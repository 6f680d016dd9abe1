// The table of numbered files: disk files opened for input or output and the screen
// device "SCRN:", by file number.
//
// The table owns the system handles: closing an entry, or destroying the table,
// closes its handle. It knows nothing of errors or of the rules of reading and
// writing, which live with the file operations (console/files.h).
#pragma once

#include <cstdio>
#include <map>
#include <memory>

namespace console {

enum class FileMode { Input, Output };
enum class FileKind { Disk, Screen };

struct FileCloser {
  void operator()(std::FILE* handle) const { std::fclose(handle); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

// One open file number.
struct OpenFile {
  FileMode mode = FileMode::Input;
  FileKind kind = FileKind::Disk;
  FileHandle handle;           // disk files only; output is unbuffered
  long long position = 0;      // bytes read or written so far
  long column = 1;             // output: column of the next byte on the current line
  bool end_of_data = false;    // input: a Ctrl-Z byte has been met
};

class FileTable {
 public:
  // The entry of an open number, or nullptr.
  OpenFile* find(long number);
  bool is_open(long number) const { return files_.count(number) != 0; }

  // REQUIRES: `number` is not open.
  OpenFile& add(long number, OpenFile file);

  // Frees the number, closing its handle; a number that is not open is ignored.
  void close(long number) { files_.erase(number); }
  void close_all() { files_.clear(); }

 private:
  std::map<long, OpenFile> files_;
};

}  // namespace console
