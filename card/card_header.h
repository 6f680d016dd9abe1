// The card header: rows 1 to 8 of a ship's data card, up to the computer cell of row
// 8, and the values that the rest of the card reads: the hull size and its battery
// factor, the drive ratings, the size modifier, the computer and the armor.
//
// The header leaves three changes in the ship's record, kept until the next restart:
// the name loses its species tag, an agility above the M-Drive is lowered to it, and
// an EP of 0 is filled in from the power plant.
//
// The steps below are those of print_card_header (card/data_card.h), in its order;
// each reads the current ship, `ship_index`, and works through the program's values.
#pragma once

#include <cstddef>
#include <string>

#include "console/console.h"
#include "program/program.h"

namespace card {

// A tonnage as the header and the crew line show it: the number text and "t" below
// 2000 tons, else the thousands and "kt" (" 1999t", " 2kt", " 2.5kt").
std::string tonnage_text(float tons);

// `hull_size_code`, `hull_size_value` and `hull_factor`, the battery factor of the
// hull size (1 for every code the factor table does not list).
void derive_hull(program::Program& p);

// `configuration_text`: the name of the configuration when the code decodes to 1 to
// 9, else the code character itself.
void derive_configuration(program::Program& p);

// Takes the species tags off the front of the stored name, testing each tag once in
// the tag order on the name as the tests before left it.
void remove_name_tag(program::Program& p);

// `type_text`, `class_code` and `card_line`, the header text; the document's text
// begins with the class code and ends with the tech level.
void build_header_text(program::Program& p);

// `crew_sections`, `crew_per_section` and `card_line`, the crew text. A crew per
// section too large for 16 bits raises error 6 (reported after its step) and counts 1.
void build_crew_text(program::Program& p, console::Console& c);

// The drive ratings and `card_line`, the drive text; caps the ship's agility at the
// M-Drive and fills in an EP of 0 from the power plant, both in the record.
void build_drive_text(program::Program& p);

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
