// Writing the weapons table to the card output, the numbered output that
// `output_channel` names: 1 the document file, 2 the screen device. Texts are written
// unchanged and a number field is laid out first and written as one text, so no write
// adds a blank of its own. Cursor moves are made on the screen only.
#pragma once

#include <initializer_list>
#include <string>

#include "console/console.h"
#include "ships/program.h"

namespace card::weapons {

// True when the card goes to the screen device.
bool card_on_screen(const ships::Program& p);

// One item of a write to the card output.
void write_card_text(ships::Program& p, console::Console& c, const std::string& text,
                     bool line_end = false);

// One write of number fields: `format` with `values` laid out, as one item.
void write_card_fields(ships::Program& p, console::Console& c, const std::string& format,
                       std::initializer_list<float> values, bool line_end = false);

// On the screen, the cursor to (row, column); in the document nothing.
void move_card_cursor(ships::Program& p, console::Console& c, long row, long column);

// The end of a step of the table: the error box for a pending error, the pause, the
// exit.
void end_step(console::Console& c, int place);

// The current ship's agility, as the card header left it; 0 when the index names no
// record.
float current_agility(const ships::Program& p);

}  // namespace card::weapons
