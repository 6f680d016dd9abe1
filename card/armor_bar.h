// The armor bar of the screen card: the armor rating drawn as double and single bars.
#pragma once

#include "program/program.h"

namespace card {

// `bar_double`, `bar_single` and `armor_bar` for `armor_rating`: one double bar for
// every two points of armor and a single bar for an odd point, at most seven glyphs
// (a rating of 14 or more); empty for 0, and one single bar for any other rating
// below 2, negative ones included.
void make_armor_bar(program::Program& p);

}  // namespace card
