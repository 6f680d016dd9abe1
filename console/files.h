// Numbered files: opening a disk file or the screen device "SCRN:" under a number,
// closing, writing items with their trailing blanks and line ends, and reading the
// comma-separated values of an input file.
#pragma once

#include <string>

#include "console/console.h"

namespace console {

enum class FileMode { Input, Output };

void open_file(Console& console, const std::string& name, FileMode mode, long number);
void close_file(Console& console, long number);
void close_all_files(Console& console);

// One item of a write statement; only the last item of a statement asks for the
// line end.
void print_to_file(Console& console, long number, const std::string& item, bool number_blank,
                   bool next_zone, bool line_end);

// The next value of an input file as text. A number that is not open (52) or a file
// opened for output (54) leaves `target` unchanged.
void input_string_from_file(Console& console, long number, std::string& target);

// The next value of an input file as a number (0 on failure).
double input_number_from_file(Console& console, long number);

}  // namespace console
