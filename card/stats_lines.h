// The lines of a ship's counter values for the board games VALDORIN and BRELLACOSTA,
// as the counter-value block of the document card and the design result on the
// screen both write them: the title, the class in a one-position field (followed by
// the class text of its tonnage), and BEAM, MISSILE and SREENS in two-position fields.
// The values are those that compute_stats leaves; the fields round half away from
// zero and mark a value too wide with "%".
#pragma once

#include <string>

#include "console/runtime_error.h"
#include "ships/program.h"

namespace card {

inline constexpr char STATS_TITLE[] = " VALDORIN / BRELLACOSTA Stats";

// " Class   : " and `stats_class`; the class text follows it on the same line.
std::string stats_class_field(console::ErrorState& errors, const ships::Program& p);

// One of the three value lines, in the order the block writes them.
struct StatsValueLine {
  const char* format;
  float ships::Program::*value;
};

inline constexpr StatsValueLine STATS_VALUE_LINES[] = {
    {" BEAM    :##", &ships::Program::stats_beam},
    {" MISSILE :##", &ships::Program::stats_missile},
    {" SREENS  :##", &ships::Program::stats_screens},
};

// The line's format filled with its value.
std::string stats_value_field(console::ErrorState& errors, const StatsValueLine& line, const ships::Program& p);

}  // namespace card
