// The writes of a data card. Every piece of the card goes through the numbered output
// that `output_channel` names: 1 the document file, 2 the screen device. On the screen
// the card places its pieces by cursor moves and draws boxes; the document is a file
// of lines, each ended by CR LF.
//
// The pieces here are the items of one write statement; the caller ends the statement
// (the step) with its own check. While an error is pending each of them does nothing.
#pragma once

#include <initializer_list>
#include <string>

#include "console/console.h"
#include "program/program.h"

namespace card {

// Builds the frame strings that the card draws with: `frame_top` and `frame_rule`,
// the 80-character top line and rule of the box, and `frame_side`, its edge.
void build_frame_strings(program::Program& p);

// True when the card goes to the screen (`output_channel` 2); every other output is
// written in the document layout.
bool card_on_screen(const program::Program& p);

// One text item, unchanged, with the line end when asked.
void write_text(program::Program& p, console::Console& c, const std::string& item,
                bool line_end = false);

// A column skip of `count` blanks, the count rounded half to even; none when that is
// below 1. A count outside -32768..32767 raises error 7 and writes nothing.
void write_skip(program::Program& p, console::Console& c, double count);

// One write of number fields: `values` laid out in `format`, as one item.
void write_fields(program::Program& p, console::Console& c, const std::string& format,
                  std::initializer_list<float> values, bool line_end = false);

// The text that the number fields of one write make.
std::string field_text(console::Console& c, const std::string& format,
                       std::initializer_list<float> values);

// The cursor to (row, column), only when the card goes to the screen.
void place_on_screen(program::Program& p, console::Console& c, int row, int column);

}  // namespace card
