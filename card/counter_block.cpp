#include "card/counter_block.h"

#include "card/card_places.h"
#include "card/card_writes.h"
#include "stats/compute_stats.h"
#include "stats/stats_lines.h"

namespace card {

namespace {

enum Place {
  kCounterValues = place::kCounterBlock,
  kEndOfMovementLine,
  kFirstEmptyLine,
  kSecondEmptyLine,
  kStatsHeading,
  kEmptyLineAfterHeading,
  kClassField,
  kClassText,
  kClassTextWritten,
  kEmptyLineAfterClass,
  kValueLines,  // one place per value line, three of them
  kCounterStepsEnd = kValueLines + 3,
};
static_assert(kValueLines == place::kCounterBlock + 10 && kCounterStepsEnd <= place::kEnd);

constexpr stats::StatsLine VALUE_LINES[] = {stats::StatsLine::Beam, stats::StatsLine::Missile,
                                           stats::StatsLine::Screens};

void write_empty_line(program::Program& p, console::Console& c, int place) {
  write_text(p, c, "", true);
  console::statement_event_check(c, place);
}

void write_class_line(program::Program& p, console::Console& c) {
  write_text(p, c, stats::stats_line_text(c.errors, p, stats::StatsLine::Class));
  console::statement_event_check(c, kClassField);
  stats::choose_stats_class_text(p);
  console::statement_event_check(c, kClassText);
  write_text(p, c, p.stats_class_text, true);
  console::statement_event_check(c, kClassTextWritten);
}

}  // namespace

void print_stats_block(program::Program& p, console::Console& c) {
  stats::compute_stats(p, c);
  console::statement_event_check(c, kCounterValues);
  write_empty_line(p, c, kEndOfMovementLine);
  write_empty_line(p, c, kFirstEmptyLine);
  write_empty_line(p, c, kSecondEmptyLine);
  write_text(p, c, stats::kStatsHeading, true);
  console::statement_event_check(c, kStatsHeading);
  write_empty_line(p, c, kEmptyLineAfterHeading);
  write_class_line(p, c);
  write_empty_line(p, c, kEmptyLineAfterClass);
  int place = kValueLines;
  for (stats::StatsLine line : VALUE_LINES) {
    write_text(p, c, stats::stats_line_text(c.errors, p, line), true);
    console::statement_event_check(c, place++);
  }
}

}  // namespace card
