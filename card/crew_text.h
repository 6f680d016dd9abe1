// The crew line of the card header: the crew divided into sections, one for every
// thousand tons and one more for a remainder of about a tenth of that or more (as
// near as single precision holds a tenth), then the low berths, troops and fuel, and
// in the document the cargo and the passengers.
#pragma once

#include "console/console.h"
#include "program/program.h"

namespace card {

// `crew_sections`, `crew_per_section` and `card_line`, the crew text. A crew per
// section too large for 16 bits raises error 6 (reported after its step) and counts 1.
void build_crew_text(program::Program& p, console::Console& c);

}  // namespace card
