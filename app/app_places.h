// The place numbers of the road's and the menu's steps, which the error box shows.
// Each file checks at compile time that its steps end before the end of its range.
// Standing on the top floor, this header also checks that the ranges of all the
// folders follow each other, so that no two steps anywhere share a number.
#pragma once

#include "card/card_places.h"
#include "ships/ship_places.h"
#include "stats/stats_places.h"

namespace app::place {

inline constexpr int kRoad = 1;  // the start, the output question, the key commands
inline constexpr int kRoadEnd = 101;
inline constexpr int kMenu = 201;
inline constexpr int kMenuEnd = 230;

static_assert(kRoad < kRoadEnd && kRoadEnd <= ships::place::kListLoader);
static_assert(ships::place::kListLoaderEnd <= kMenu && kMenu < kMenuEnd);
static_assert(kMenuEnd <= stats::place::kCounterValues);
static_assert(stats::place::kEnd <= card::place::kHeader);
static_assert(card::place::kEnd <= ships::place::kDesignHeader);

}  // namespace app::place
