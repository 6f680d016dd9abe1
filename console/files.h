// Numbered files: opening a disk file or the screen device "SCRN:" under a number,
// closing, writing items with their trailing blanks and line ends, and reading the
// comma-separated values of an input file.
//
// Texts are code page 437 bytes and are written and read as bytes; only a file's name
// is converted (to UTF-8) on its way to the system. While an error is pending every
// operation here does nothing and gives its neutral result (0, or the target left as
// it was). A failure raises its runtime error and gives the same neutral result.
#pragma once

#include <string>

#include "console/console.h"

namespace console {

// Opens `name` under `number`. A name whose first five bytes are "SCRN:" in any case
// opens the screen device and touches no file. Output creates the file or empties an
// existing one; input needs the file to exist.
// Errors: 52 for a number below 1; 55 for a number already open (that file stays as it
// was); 53 for a missing input file or a name the system does not accept (one holding
// "/" among them); 76 for a missing folder; 70 for an access or lock conflict; 68 for a
// device that is not there. After a failure the number stays free.
void open_file(Console& console, const std::string& name, FileMode mode, long number);

// Frees the number (closing its file). A number that is not open is ignored.
void close_file(Console& console, long number);
void close_all_files(Console& console);

// One item of a write statement; only the last item of a statement asks for the
// line end. On a disk file the item's bytes are followed by the number blank (one
// blank), then the blanks to the next zone (the next item starts in column 14k + 1,
// after at least one blank), then CR LF. The screen device gets the item unchanged
// with the line end and ignores the two blank flags.
// Errors: 52 for a number not open; 54 for a file opened for input; 70 or 75 for a
// write the system refuses (75 for a full disk).
void print_to_file(Console& console, long number, const std::string& item, bool number_blank,
                   bool next_zone, bool line_end);

// The next value of an input file as text: leading blanks and tabs skipped, a quoted
// value up to its closing quote, a plain value up to the next comma or line end with
// its trailing blanks and tabs dropped. The comma or line end after it is consumed.
// Errors: 52 for a number not open and 54 for a file not opened for input (both leave
// `target` unchanged); 62 at the end of the data (the target becomes empty).
void input_string_from_file(Console& console, long number, std::string& target);

// The next value of an input file as a number: leading blanks skipped, the number
// read up to the first byte that does not fit, the rest of the field skipped. A field
// with no digits is 0.
// Errors (all give 0): 52, 54 as for text; 62 at the end of the data; 6 for too many
// digits or a number too large.
double input_number_from_file(Console& console, long number);

}  // namespace console
