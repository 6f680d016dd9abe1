// The designed ship's agility and its profile string and battery line: the pieces
// that the design steps left are joined into record 0, the design result's rows 4 to
// 8 are shown, and record 0 receives its agility (0 at least) and its EP budget.
#pragma once

#include <string>

#include "console/console.h"
#include "program/program.h"

namespace ships {

void build_design_strings(program::Program& p, console::Console& c);

// The agility: the EP left per 1% of the tonnage, rounded down (negative when the
// design uses more than its budget). A ship of 0 tons has no agility: 0.
float design_agility_for(float ep_left, float tons);

// The profile and battery line of the pieces that the design steps left.
std::string designed_profile(const program::Program& p);
std::string designed_battery_line(const program::Program& p);

}  // namespace ships
