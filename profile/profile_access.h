// Reading one character of the current ship's profile string or battery line by its
// position (counted from 1), and its value as a code digit. The current ship is the
// record whose index is `ship_index`, rounded half to even.
//
// Profile positions: 1-2 class code, 4 hull size, 5 configuration, 6 J-Drive,
// 7 M-Drive, 8 P-Plant, 9 computer, 10 crew digits, 12 armor, 13 SaC, 14 MES, 15 NuD,
// 16 BlG, 17 REP, 19 Laser, 20 Energy weapon, 21 Particle, 22 Meson gun, 23 Missiles;
// 3, 11 and 18 hold "-". The battery counts stand in the columns of their systems:
// 13 SaC, 17 REP, 19 to 23 the weapons.
#pragma once

#include <string>

#include "program/program.h"

namespace profile {

namespace position {
constexpr int kHullSize = 4, kConfiguration = 5, kJDrive = 6, kMDrive = 7, kPPlant = 8,
              kComputer = 9, kCrewDigits = 10, kArmor = 12, kSac = 13, kMes = 14, kNud = 15,
              kBlg = 16, kRep = 17, kLaser = 19, kEnergy = 20, kParticle = 21, kMeson = 22,
              kMissile = 23;
}  // namespace position

// Character `position` of the current ship's profile: exactly one character, or the
// empty text when the profile is shorter or the ship has no record.
std::string profile_char(const program::Program& p, int position);

// Character `column` of the current ship's battery line, in the same way.
std::string battery_char_at(const program::Program& p, int column);

// The class code: the first two characters of the profile, unchanged.
std::string profile_class_code(const program::Program& p);

// Puts the character into `code_char`, decodes it and gives `code_value`.
float decode_char(program::Program& p, const std::string& character);

// The decoded value of a profile position or a battery column, for the values that
// keep no character of their own.
float decode_profile_position(program::Program& p, int position);
float decode_battery_column(program::Program& p, int column);

// The SaC battery count: puts the character of battery column 13 into `battery_char`
// and decodes it, where up to two batteries count as one (a blank, "1" and "2" all
// give 1).
float decode_sac_batteries(program::Program& p);

}  // namespace profile
