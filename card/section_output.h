// Writing the closing sections of a data card (the damage box, the title block, the
// movement and counter-value blocks) through the card output: the output numbered by
// `output_channel`, the document file (1) or the screen device (2). One call here is
// one write statement of the card; the caller checks the step after it.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "console/console.h"
#include "ships/program.h"

namespace card {

// The items of one write statement, written in order to the card output, the last
// with the line end when `line_end` is set. No items and a line end write an empty
// line. A card output that is not open raises error 52 and the rest of the statement
// does nothing.
void write_card_items(const ships::Program& p, console::Console& c,
                      std::initializer_list<std::string> items, bool line_end);

// The blanks of a column skip of `count` (rounded half to even) inside a card write:
// none for a negative count. A count outside -32768..32767 raises error 7 and gives
// no blanks.
std::string card_blanks(console::Console& c, float count);

// The text of one write of number fields: `format` filled with the values in order.
std::string number_fields_text(console::ErrorState& errors, const std::string& format,
                               std::initializer_list<float> values);

// The current ship's entry (the record `ship_index`, rounded half to even) of a text
// or number array; the empty text or 0 when the index names no record.
std::string current_ship_text(const ships::Program& p, const std::vector<std::string>& texts);
float current_ship_number(const ships::Program& p, const std::vector<float>& numbers);

}  // namespace card
