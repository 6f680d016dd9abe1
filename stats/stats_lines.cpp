#include "stats/stats_lines.h"

#include "console/number_field.h"
#include "stats/compute_stats.h"

namespace stats {

namespace {

struct StatsLineFormat {
  StatsLine line;
  const char* format;
  float program::Program::*value;
};

constexpr StatsLineFormat STATS_LINE_FORMATS[] = {
    {StatsLine::Class, " Class   : #", &program::Program::stats_class},
    {StatsLine::Beam, " BEAM    :##", &program::Program::stats_beam},
    {StatsLine::Missile, " MISSILE :##", &program::Program::stats_missile},
    {StatsLine::Screens, " SREENS  :##", &program::Program::stats_screens},
};

}  // namespace

std::string stats_line_text(console::ErrorState& errors, const program::Program& p, StatsLine line) {
  std::string text;
  for (const StatsLineFormat& f : STATS_LINE_FORMATS) {
    if (f.line == line) console::format_number_field(errors, f.format, 0, p.*f.value, text);
  }
  return text;
}

void choose_stats_class_text(program::Program& p) { p.stats_class_text = stats_class_row(p.current_tons).text; }

}  // namespace stats
