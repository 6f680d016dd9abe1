#include "card/weapons/weapon_spinal_groups.h"

#include <string>

#include "card/card_places.h"
#include "card/card_writes.h"
#include "card/weapons/weapon_group_steps.h"
#include "card/weapons/weapon_row_pieces.h"
#include "card/weapons/weapon_rules.h"
#include "card/weapons/weapon_tables.h"
#include "profile/profile_access.h"

namespace card::weapons {

namespace {

namespace pos = profile::position;

// Places of the steps of the particle and meson groups.
enum SpinalGroupPlace {
  kParticleCode = place::kParticleGroup,  // four steps of the rating
  kParticleBase = kParticleCode + 4,
  kParticleBatteries,
  kParticlePresent,
  kParticleLabel,
  kParticleRow,  // five steps of the row values
  kParticleTagAndCells = kParticleRow + 5,
  kParticleMultiplier,
  kParticleRowsCounted,
  kParticleStepsEnd,
  kMesonCode = place::kMesonGroup,  // four steps of the rating
  kMesonPresent = kMesonCode + 4,
  kMesonBase,
  kMesonBatteries,
  kMesonLabel,
  kMesonRow,  // five steps of the row values
  kMesonTag = kMesonRow + 5,
  kMesonCells,  // two steps per cell
  kMesonMultiplier = kMesonCells + 2,
  kConHead,
  kConCells,  // two steps per cell
  kConEnd = kConCells + 2,
  kMesonRowsCounted,
  kMesonStepsEnd,
};
static_assert(kParticleStepsEnd <= place::kMesonGroup && kMesonStepsEnd <= place::kMissileGroup);

constexpr float kLargestPlainRating = 10;
constexpr float kMesonSStep = -2;
constexpr int kFactorColumns = 9;

const char* particle_label(float rating) {
  return rating > kLargestPlainRating ? " PA Spinal  " : " Particle   ";
}

const char* meson_label(float rating) {
  return rating > kLargestPlainRating ? " ME Spinal  " : " Meson Gun  ";
}

void print_particle_row(program::Program& p, console::Console& c) {
  print_weapon_row_head(p, c);
  write_text(p, c, "  -  \xB3");
  for (int column = 1; column <= kFactorColumns; ++column) write_text(p, c, " - \xB3");
  console::statement_event_check(c, kParticleTagAndCells);
  print_spinal_multiplier(p, c, p.particle_rating, kParticleMultiplier);
}

void print_con_row(program::Program& p, console::Console& c) {
  write_text(p, c, kRowWithoutHead + std::string(" Con \xB3"));
  console::statement_event_check(c, kConHead);
  print_meson_cells(p, c, MesonRow::Con, kConCells);
  print_empty_multiplier(p, c, true, kConEnd);
}

}  // namespace

void print_particle_group(program::Program& p, console::Console& c) {
  read_weapon_rating(p, c, pos::kParticle, p.particle_code, p.particle_rating, kParticleCode);
  p.particle_base = particle_base_for(p.particle_rating);
  console::statement_event_check(c, kParticleBase);
  decode_weapon_batteries(p, c, pos::kParticle, kParticleBatteries);
  const bool present = p.code_value != 0;
  console::statement_event_check(c, kParticlePresent);
  if (!present) return;
  const char* label = particle_label(p.particle_rating);
  console::statement_event_check(c, kParticleLabel);
  set_weapon_row(p, c, {label, p.particle_code, p.particle_base, 0, 0}, kParticleRow);
  print_particle_row(p, c);
  print_weapon_separator(p, c);
  p.weapon_rows = p.weapon_rows + 2;
  console::statement_event_check(c, kParticleRowsCounted);
}

void print_meson_group(program::Program& p, console::Console& c) {
  read_weapon_rating(p, c, pos::kMeson, p.meson_code, p.meson_rating, kMesonCode);
  const bool present = p.meson_rating != 0;
  console::statement_event_check(c, kMesonPresent);
  if (!present) return;
  p.meson_base = meson_base_for(p.meson_rating);
  console::statement_event_check(c, kMesonBase);
  decode_weapon_batteries(p, c, pos::kMeson, kMesonBatteries);
  const char* label = meson_label(p.meson_rating);
  console::statement_event_check(c, kMesonLabel);
  set_weapon_row(p, c, {label, p.meson_code, p.meson_base, kMesonSStep, 0}, kMesonRow);
  print_weapon_row_head(p, c);
  write_text(p, c, " MES \xB3");
  console::statement_event_check(c, kMesonTag);
  print_meson_cells(p, c, MesonRow::Mes, kMesonCells);
  print_spinal_multiplier(p, c, p.meson_rating, kMesonMultiplier);
  print_con_row(p, c);
  print_weapon_separator(p, c);
  p.weapon_rows = p.weapon_rows + 3;
  console::statement_event_check(c, kMesonRowsCounted);
}

}  // namespace card::weapons
