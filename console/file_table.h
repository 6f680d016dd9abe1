// The table of numbered files: disk files opened for input or output and the screen
// device "SCRN:", by file number.
#pragma once

#include <map>

namespace console {

struct OpenFile;  // defined with the file operations

class FileTable {
 public:
  // Placeholder until the file operations are built.
};

}  // namespace console
