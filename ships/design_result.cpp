#include "ships/design_result.h"

#include <string>

#include "console/number_text.h"
#include "console/screen.h"
#include "ships/ship_places.h"
#include "stats/compute_stats.h"
#include "stats/stats_lines.h"

namespace ships {

using program::Program;

namespace {

// Place numbers of the steps, for the error box.
enum ResultStep {
  kEmptyRowBeforeProfile = place::kDesignResult,
  kProfileRow,
  kBatteryRow,
  kEmptyRowBeforeEp,
  kEpRow,
  kStatsRecord,
  kStats,
  kStatsClassText,
  kEmptyLineBeforeStats,
  kStatsTitle,
  kEmptyLineAfterTitle,
  kStatsClassField,
  kStatsClassTextWritten,
  kEmptyLineBeforeValues,
  kStatsValueLines,
  kLastStatsValueLine = kStatsValueLines + 2,
  kResultStepsEnd,
};
static_assert(kResultStepsEnd <= place::kExport);

void print_number_item(console::Console& c, float x) { console::print_screen_item(c, console::number_to_text(x) + " "); }

void print_line(console::Console& c, const std::string& text, int place) {
  if (!text.empty()) console::print_screen_item(c, text);
  console::print_to_screen(c, "", true);
  console::statement_event_check(c, place);
}

void print_ep_row(Program& p, console::Console& c) {
  console::print_screen_item(c, " EP :");
  print_number_item(c, p.design_ep_total);
  print_number_item(c, p.design_ep_left);
  print_number_item(c, ep_left_percentage(p.design_ep_left, p.design_ep_total));
  console::print_screen_item(c, "%, Agility :");
  print_number_item(c, p.design_agility);
  console::print_to_screen(c, "", true);
  console::statement_event_check(c, kEpRow);
}

void print_stats_lines(Program& p, console::Console& c) {
  print_line(c, "", kEmptyLineBeforeStats);
  print_line(c, stats::kStatsHeading, kStatsTitle);
  print_line(c, "", kEmptyLineAfterTitle);
  console::print_to_screen(c, stats::stats_line_text(c.errors, p, stats::StatsLine::Class), false);
  console::statement_event_check(c, kStatsClassField);
  print_line(c, p.stats_class_text, kStatsClassTextWritten);
  print_line(c, "", kEmptyLineBeforeValues);
  int place = kStatsValueLines;
  for (stats::StatsLine line : {stats::StatsLine::Beam, stats::StatsLine::Missile, stats::StatsLine::Screens}) {
    console::print_to_screen(c, stats::stats_line_text(c.errors, p, line), true);
    console::statement_event_check(c, place++);
  }
}

}  // namespace

void print_design_rows(Program& p, console::Console& c) {
  print_line(c, "", kEmptyRowBeforeProfile);
  console::print_screen_item(c, " ");
  print_line(c, p.ship_profile[0], kProfileRow);
  console::print_screen_item(c, " ");
  print_line(c, p.ship_batteries[0], kBatteryRow);
  print_line(c, "", kEmptyRowBeforeEp);
  print_ep_row(p, c);
}

void show_design_stats(Program& p, console::Console& c) {
  p.ship_count = 0;
  console::statement_event_check(c, kStatsRecord);
  stats::compute_stats(p, c);
  console::statement_event_check(c, kStats);
  stats::choose_stats_class_text(p);
  console::statement_event_check(c, kStatsClassText);
  print_stats_lines(p, c);
}

float ep_left_percentage(float ep_left, float ep_total) {
  if (ep_total == 0) return 0;
  return ep_left / ep_total * 100.0f;
}

}  // namespace ships
