// Reading the ship design file SHIP.DAT. The file is a stream of comma-separated
// values read from file 1 as (caption, value) pairs: the caption names the value for
// the person who edits the file and is dropped; the value is read as a text or as a
// number. The line layout is free, since a line end separates values as a comma does.
//
// Reading one pair is one step of the design: when the caption cannot be read (the
// file is not open, or its data has ended) the value is not read at all and keeps
// what it held; the error box follows the step.
#pragma once

#include <string>

#include "console/console.h"
#include "program/program.h"

namespace ships {

// The number under which the design file, and after it the export file, are open.
inline constexpr long kDesignFileNumber = 1;

// One pair: the caption into `file_caption`, then the value as it stands in the file.
void read_text_pair(program::Program& p, console::Console& c, std::string& value, int place);

// One pair whose value is a number, stored in single precision; a value that does not
// begin like a number reads as 0.
void read_number_pair(program::Program& p, console::Console& c, float& value, int place);

}  // namespace ships
