// The start of the design of record 0 from SHIP.DAT: the file is opened and its flag
// tested, then record 0 receives its class code, type, TL, name and tons, the first
// row of the design result is shown, and the tonnage gives the hull size code.
#pragma once

#include <string>

#include "console/console.h"
#include "program/program.h"

namespace ships {

// Opens SHIP.DAT as file 1 and reads pairs 1 to 6. False, with file 1 closed, when
// the first value is not exactly "Y" (also when the file could not be opened: the
// error boxes have been shown then); the screen is left as it was.
bool read_design_header(program::Program& p, console::Console& c);

// `hull_size_code` from `current_tons`.
void derive_hull_size_code(program::Program& p, console::Console& c);

// The hull size code of a tonnage: the code of the first limit the tonnage is below,
// "Y" from 1,000,000 tons on.
std::string hull_size_code_for(float tons);

}  // namespace ships
