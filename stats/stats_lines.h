// The lines that show a ship's counter values for the strategic board games: the
// class line (" Class   : 1", followed by the class in words) and the BEAM, MISSILE
// and screens lines (" BEAM    : 2"), each value in a number field that rounds it
// half away from zero. The document card's counter-value block and the design result
// of a designed ship write the same lines, each through its own output.
#pragma once

#include <string>

#include "console/runtime_error.h"
#include "program/program.h"

namespace stats {

// The heading above the counter values.
inline constexpr char kStatsHeading[] = " VALDORIN / BRELLACOSTA Stats";

// The lines of the counter values, in the order they are written.
enum class StatsLine { Class, Beam, Missile, Screens };

// The number field of one line filled with its value (`stats_class`, `stats_beam`,
// `stats_missile` or `stats_screens`): " Class   : #", " BEAM    :##",
// " MISSILE :##", " SREENS  :##". A value too wide for its field is written whole
// after a "%".
std::string stats_line_text(console::ErrorState& errors, const program::Program& p, StatsLine line);

// Sets `stats_class_text` to the class in words for `current_tons`, as
// " = 1.000-9.999 tons (Destroyer)": the text of the last class whose tonnage the
// ship reaches.
void choose_stats_class_text(program::Program& p);

}  // namespace stats
