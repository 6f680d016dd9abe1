// The designed ship's defences and crew (pairs 39 to 48 of SHIP.DAT): the MES, NuD,
// BlG and REP digits with the EP that they take, the crew digit, and the rest of
// record 0 (fuel, cargo, crew, passengers, troops and low berths). The design file is
// closed after its last pair.
#pragma once

#include <string>

#include "console/console.h"
#include "program/program.h"

namespace ships {

// Pairs 39 and 40: MES and NuD, which need an effective TL of 12; BlG is always "0".
void derive_screen_codes(program::Program& p, console::Console& c);

// Pair 41: the REP count; its factor comes from the effective TL, one battery for ten.
void derive_rep_codes(program::Program& p, console::Console& c);

// Pairs 42 to 48 and the crew digit; closes file 1.
void read_design_tail(program::Program& p, console::Console& c);

// The EP share of the MES at an effective TL of 12 or more.
float mes_ep_share(float tl_effective);

// The crew digit: the number of digits of a whole crew from 1 to 9999, "0" for none
// and "4" from 10000 on.
std::string crew_digits_code_for(float crew);

}  // namespace ships
