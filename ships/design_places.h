// The place numbers of the design's steps, which the error box shows: one range for
// each file of the design, so that every step has a number of its own. Each file
// checks that its steps end before the next range begins.
#pragma once

namespace ships::design_place {

inline constexpr int HEADER = 800;    // the design file's flag and the hull
inline constexpr int DRIVES = 820;    // configuration, drives, power plant, computer
inline constexpr int WEAPONS = 850;
inline constexpr int DEFENCES = 930;  // defences, REP and the rest of the record
inline constexpr int PROFILE = 960;   // agility and the designed strings
inline constexpr int RESULT = 966;    // the design result on the screen
inline constexpr int EXPORT = 985;
inline constexpr int END = 1000;

}  // namespace ships::design_place
