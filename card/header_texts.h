// The texts of the card header: the ship's name without its species tag, the header
// text with the tonnage, and the drive text with the two values it fixes in the
// record (an agility above the M-Drive lowered to it, an EP of 0 filled in from the
// power plant). Each is a step of print_card_header on the current ship.
#pragma once

#include <string>

#include "console/console.h"
#include "program/program.h"

namespace card {

// A tonnage as the header and the crew line show it: the number text and "t" below
// 2000 tons, else the thousands and "kt" (" 1999t", " 2kt", " 2.5kt").
std::string tonnage_text(float tons);

// Takes the species tags off the front of the stored name, testing each tag once in
// the tag order on the name as the tests before left it.
void remove_name_tag(program::Program& p);

// `type_text`, `class_code` and `card_line`, the header text; the document's text
// begins with the class code and ends with the tech level.
void build_header_text(program::Program& p);

// The drive ratings and `card_line`, the drive text; caps the ship's agility at the
// M-Drive and fills in an EP of 0 from the power plant, both in the record.
void build_drive_text(program::Program& p);

}  // namespace card
