// Counter values of a ship for the two strategic board games: a class from 0 to 3 by
// tonnage, a BEAM value for the beam weapons, a MISSILE value for the missile
// batteries and a screens value (1 to 9) for defences, armor and agility. They come
// from the ship's profile, battery line, tons and agility, and the computer model
// scales them. Three callers print them: the ship menu, the document card's
// counter-value block and the design result of a designed ship.
#pragma once

#include "console/console.h"
#include "program/program.h"

namespace stats {

// One class by tonnage; a ship is in the last class whose `min_tons` it reaches.
struct StatsClassRow {
  float min_tons;
  float stats_class;
  float divisor;  // the rounded values are counted in units of this many
  const char* text;
};

// The class row for a ship of `tons`.
const StatsClassRow& stats_class_row(float tons);

// Computes `stats_class`, `stats_beam`, `stats_missile` and `stats_screens` of the
// ship `ship_index` afresh, and `current_tons`; the decoded ratings and battery counts
// are left in the program's values. `computer_count` becomes 1 when it is 0. A scaled
// value too large for 16 bits raises error 6 and counts 0 (screens then 1): the error
// box follows that rounding, and after Yes the routine goes on with the value.
void compute_stats(program::Program& p, console::Console& c);

}  // namespace stats
