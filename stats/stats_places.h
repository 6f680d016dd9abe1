// The place numbers of the counter values' steps, which the error box shows. The
// routine checks at compile time that its steps end before kEnd; app/app_places.h
// checks that the ranges of all the folders follow each other.
#pragma once

namespace stats::place {

inline constexpr int kCounterValues = 230;
inline constexpr int kEnd = 300;

}  // namespace stats::place
