// The values of the card header that come straight from the profile and the tons:
// the hull and its battery factor, the configuration, the size modifier, the computer
// with its cell, and the armor. Each is a step of print_card_header and reads the
// current ship (`ship_index`) through the program's values.
#pragma once

#include <string>

#include "console/console.h"
#include "program/program.h"

namespace card {

// `hull_size_code`, `hull_size_value` and `hull_factor`, the battery factor of the
// hull size (1 for every code the factor table does not list).
void derive_hull(program::Program& p);

// `configuration_text`: the name of the configuration when the code decodes to 1 to
// 9, else the code character itself.
void derive_configuration(program::Program& p);

// `size_modifier`: +2 to -2 by the ship's tons.
void derive_size_modifier(program::Program& p);

// `computer_code`, `computer_text`, `computer_model` and `computer_fib`. A lettered or
// unlisted code's model is the table's model times `computer_count` plus
// `computer_bonus`, and 1 when that gives 0.
void derive_computer(program::Program& p, console::Console& c);

// The computer cell, 16 characters when the count fits its field: "│", the count
// field or " Comp : " (a count below 1), the computer text, a blank and "│".
std::string computer_cell(program::Program& p, console::Console& c);

// `armor_code` and `armor_rating`.
void derive_armor(program::Program& p);

}  // namespace card
