// The place numbers of the steps of ships/, which the error box shows: one range for
// the loader of the built-in list and one for each file of the design, so that every
// step has a number of its own. Each file checks at compile time that its steps end
// before the next range begins; app/app_places.h checks that the ranges of all the
// folders follow each other.
#pragma once

namespace ships::place {

inline constexpr int kListLoader = 101;
inline constexpr int kListLoaderEnd = 201;

inline constexpr int kDesignHeader = 800;  // the design file's flag and the hull
inline constexpr int kDesignDrives = 820;  // configuration, drives, power plant, computer
inline constexpr int kDesignWeapons = 850;
inline constexpr int kDesignDefences = 930;  // defences, REP and the rest of the record
inline constexpr int kDesignProfile = 960;   // agility and the designed strings
inline constexpr int kDesignResult = 966;    // the design result on the screen
inline constexpr int kExport = 985;
inline constexpr int kEnd = 1000;

}  // namespace ships::place
