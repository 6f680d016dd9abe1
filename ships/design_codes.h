// The code digits of a designed ship: a rating or a count becomes one character of
// the designed profile or battery line, and a rating is found by stepping through a
// table of thresholds. Each encoding is one step of the design (an overflow shows its
// error box there).
#pragma once

#include <span>
#include <string>

#include "console/console.h"
#include "program/program.h"

namespace ships {

// The code digit of `value` (rounded half to even): "0" for 0 and below, "Z" for 33
// and above. Through `code_value` and `code_char`.
std::string encode_digit(program::Program& p, console::Console& c, float value, int place);

// The same for a battery count, with a blank in place of "0": a battery line shows
// no digit for a system without batteries.
std::string encode_battery_digit(program::Program& p, console::Console& c, float value, int place);

// One step of a rating table: an amount that passes `threshold` gives `rating`.
struct RatingStep {
  float threshold;
  float rating;
};

// The rating of the last step whose threshold `amount` is above, or `start` when it
// passes none. The steps are in increasing order.
float rating_above(float start, float amount, std::span<const RatingStep> steps);

// The same, where a step is passed by an amount that reaches its threshold.
float rating_at_least(float start, float amount, std::span<const RatingStep> steps);

// The number of thresholds that `amount` is above: the TL bonus of a weapon kind.
float thresholds_passed(float amount, std::span<const float> thresholds);

// The batteries of `amount` weapons: 1, or from more than `above` on the amount
// divided by `per_battery` (single precision) and rounded half to even into 16 bits
// (an overflow raises error 6 and gives 0).
float battery_count(console::ErrorState& errors, float amount, float above, float per_battery);

}  // namespace ships
