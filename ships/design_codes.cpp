#include "ships/design_codes.h"

#include "console/number_conversion.h"
#include "profile/code_digit.h"

namespace ships {

std::string encode_digit(program::Program& p, console::Console& c, float value, int place) {
  p.code_value = value;
  profile::encode_code_char(p, c.errors);
  console::statement_event_check(c, place);
  return p.code_char;
}

std::string encode_battery_digit(program::Program& p, console::Console& c, float value, int place) {
  const std::string digit = encode_digit(p, c, value, place);
  return digit == "0" ? " " : digit;
}

float rating_above(float start, float amount, std::span<const RatingStep> steps) {
  float rating = start;
  for (const RatingStep& step : steps) {
    if (amount > step.threshold) rating = step.rating;
  }
  return rating;
}

float rating_at_least(float start, float amount, std::span<const RatingStep> steps) {
  float rating = start;
  for (const RatingStep& step : steps) {
    if (amount >= step.threshold) rating = step.rating;
  }
  return rating;
}

float thresholds_passed(float amount, std::span<const float> thresholds) {
  float passed = 0;
  for (const float threshold : thresholds) {
    if (amount > threshold) passed = passed + 1;
  }
  return passed;
}

float battery_count(console::ErrorState& errors, float amount, float above, float per_battery) {
  if (!(amount > above)) return 1;
  return static_cast<float>(console::round_to_int16(errors, amount / per_battery));
}

}  // namespace ships
