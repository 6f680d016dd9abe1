#include "card/stats_lines.h"

#include "console/number_field.h"

namespace card {

namespace {

constexpr char STATS_CLASS_FORMAT[] = " Class   : #";

std::string field_text(console::ErrorState& errors, const char* format, float value) {
  std::string text;
  console::format_number_field(errors, format, 0, value, text);
  return text;
}

}  // namespace

std::string stats_class_field(console::ErrorState& errors, const ships::Program& p) {
  return field_text(errors, STATS_CLASS_FORMAT, p.stats_class);
}

std::string stats_value_field(console::ErrorState& errors, const StatsValueLine& line, const ships::Program& p) {
  return field_text(errors, line.format, p.*line.value);
}

}  // namespace card
