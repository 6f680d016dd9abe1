#include "card/weapons/weapon_beam_groups.h"

#include "card/card_places.h"
#include "card/card_writes.h"
#include "card/weapons/weapon_group_steps.h"
#include "card/weapons/weapon_row_pieces.h"
#include "console/number_conversion.h"
#include "profile/profile_access.h"

namespace card::weapons {

namespace {

namespace pos = profile::position;

// Places of the steps of the laser and energy groups.
enum BeamGroupPlace {
  kLaserCode = place::kLaserGroup,  // four steps of the rating
  kBeamBase = kLaserCode + 4,
  kLaserBatteries,
  kWeaponRowsStart,
  kLaserPresent,
  kLaserRow,  // five steps of the row values
  kLaserTag = kLaserRow + 5,
  kLaserOffset,
  kLaserCell,
  kLaserMultiplier,
  kLaserRowsCounted,
  kLaserStepsEnd,
  kEnergyCode = place::kEnergyGroup,  // four steps of the rating
  kEnergyBatteries = kEnergyCode + 4,
  kEnergyPresent,
  kEnergyRow,  // five steps of the row values
  kEnergyTag = kEnergyRow + 5,
  kEnergyOffset,
  kEnergyCell,
  kEnergyMultiplier,
  kEnergyRowsCounted,
  kEnergyStepsEnd,
};
static_assert(kLaserStepsEnd <= place::kEnergyGroup && kEnergyStepsEnd <= place::kParticleGroup);

constexpr float kBeamBaseStart = 8;   // less half the laser rating
constexpr float kBeamOffsetStart = 6;  // less the rating: the row's factor constant
constexpr float kEnergySStep = -2;
constexpr float kEnergyLStep = -999;  // an energy weapon has no long range: " X"
constexpr float kEnergyCellStep = 2;

void read_lasers(program::Program& p, console::Console& c) {
  read_weapon_rating(p, c, pos::kLaser, p.laser_code, p.laser_rating, kLaserCode);
  p.beam_base = kBeamBaseStart - console::integer_part(p.laser_rating / 2.0f);
  console::statement_event_check(c, kBeamBase);
  decode_weapon_batteries(p, c, pos::kLaser, kLaserBatteries);
  p.weapon_rows = 1;
  console::statement_event_check(c, kWeaponRowsStart);
}

// The tag, the nine cells and the multiplier of a beam weapon row, then the separator.
void finish_beam_row(program::Program& p, console::Console& c, float rating, float cell_step,
                     int first_place) {
  write_text(p, c, " SaC \xB3");
  console::statement_event_check(c, first_place);
  p.row_offset = kBeamOffsetStart - rating;
  console::statement_event_check(c, first_place + 1);
  print_offset_cells(p, c, cell_step, first_place + 2);
  write_text(p, c, "  x1 \xB3", true);
  console::statement_event_check(c, first_place + 3);
  print_weapon_separator(p, c);
  p.weapon_rows = p.weapon_rows + 2;
  console::statement_event_check(c, first_place + 4);
}

}  // namespace

void print_laser_group(program::Program& p, console::Console& c) {
  read_lasers(p, c);
  const bool present = p.laser_rating != 0;
  console::statement_event_check(c, kLaserPresent);
  if (!present) return;
  set_weapon_row(p, c, {" Laser      ", p.laser_code, p.beam_base, 0, 1}, kLaserRow);
  print_weapon_row_head(p, c);
  finish_beam_row(p, c, p.laser_rating, 0, kLaserTag);
}

void print_energy_group(program::Program& p, console::Console& c) {
  read_weapon_rating(p, c, pos::kEnergy, p.energy_code, p.energy_rating, kEnergyCode);
  decode_weapon_batteries(p, c, pos::kEnergy, kEnergyBatteries);
  const bool present = p.energy_rating != 0;
  console::statement_event_check(c, kEnergyPresent);
  if (!present) return;
  set_weapon_row(p, c, {" Energy     ", p.energy_code, p.beam_base, kEnergySStep, kEnergyLStep},
                 kEnergyRow);
  print_weapon_row_head(p, c);
  finish_beam_row(p, c, p.energy_rating, kEnergyCellStep, kEnergyTag);
}

}  // namespace card::weapons
