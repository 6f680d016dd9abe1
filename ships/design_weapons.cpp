#include "ships/design_weapons.h"

#include <span>

#include "console/number_conversion.h"
#include "ships/design_codes.h"
#include "ships/design_file.h"
#include "ships/ship_places.h"

namespace ships {

using program::Program;

namespace {

// Place numbers of the steps, for the error box.
enum WeaponStep {
  kWeaponPairs = place::kDesignWeapons,
  kLastWeaponPair = kWeaponPairs + 5,
  kLaserReset,
  kLaserCount,
  kLaserEp,
  kLaserFactor,
  kLaserBatteries,
  kLaserTlBonus,
  kLaserCode,
  kLaserBatteryCode,
  kSacReset,
  kSacFactor,
  kSacBatteries,
  kSacTlBonus,
  kSacCode,
  kSacBatteryCode,
  kNumberPairs,
  kLastNumberPair = kNumberPairs + 17,
  kEnergyReset,
  kEnergyKind1,
  kEnergyKind2 = kEnergyKind1 + 5,
  kParticleReset = kEnergyKind2 + 5,
  kParticleSum,
  kParticleEp,
  kParticleNone,
  kParticleFactor,
  kParticleBatteries,
  kParticleTlBonus,
  kParticleCode,
  kParticleBatteryCode,
  kMesonKind1,
  kMesonKind2 = kMesonKind1 + 6,
  kMissileValue = kMesonKind2 + 6,
  kMissileFactor,
  kMissileTlBonus,
  kMissileBatteries,
  kMissileCode,
  kMissileBatteryCode,
  kWeaponStepsEnd,
};
static_assert(kWeaponStepsEnd <= place::kDesignDefences);

constexpr float Program::*WEAPON_PAIRS[] = {
    &Program::file_wpn_1, &Program::file_wpn_2, &Program::file_wpn_3,
    &Program::file_wpn_4, &Program::file_wpn_5, &Program::file_wpn_6,
};

constexpr float Program::*NUMBER_PAIRS[] = {
    &Program::file_num_1,  &Program::file_num_2,  &Program::file_num_3,  &Program::file_num_4,
    &Program::file_num_5,  &Program::file_num_6,  &Program::file_num_7,  &Program::file_num_8,
    &Program::file_num_9,  &Program::file_num_10, &Program::file_num_11, &Program::file_num_12,
    &Program::file_num_13, &Program::file_num_14, &Program::file_num_15, &Program::file_num_16,
    &Program::file_num_17, &Program::file_num_18,
};

// Factor steps by the amount of each kind: passed above the threshold (missiles: at it).
constexpr RatingStep LASER_FACTOR_STEPS[] = {{1, 2}, {2, 3}, {5, 4}, {9, 5}, {14, 6}, {20, 7}, {29, 8}};
constexpr RatingStep SAC_FACTOR_STEPS[] = {{2, 2}, {5, 3}, {7, 4}, {9, 5}, {19, 6}, {29, 7}};
constexpr RatingStep PARTICLE_FACTOR_STEPS[] = {{1, 2}, {3, 3}, {5, 4}, {7, 5}, {9, 6}, {11, 7}, {13, 8}};
constexpr RatingStep MISSILE_FACTOR_STEPS[] = {{3, 2}, {6, 3}, {12, 4}, {18, 5}, {30, 6}, {42, 7}, {54, 8}};

// TL bonus: 1 for each effective TL threshold passed.
constexpr float LASER_TL_BONUS[] = {12};
constexpr float SAC_TL_BONUS[] = {7, 9};
constexpr float PARTICLE_TL_BONUS[] = {12};
constexpr float MISSILE_TL_BONUS[] = {12};

// A kind whose factor comes from its amount by steps and a TL bonus, and whose
// batteries come from the amount: one battery, or from more than `batteries_above`
// on one battery for every `per_battery`. Its three steps, in this order, have the
// place numbers from `first_place` on: the factor, the batteries, the TL bonus.
struct AmountRatedKind {
  float Program::*amount;
  std::span<const RatingStep> factor_steps;
  float batteries_above, per_battery;
  std::span<const float> tl_bonus;
  float Program::*factor;
  float Program::*batteries;
  int first_place;
};

enum AmountRatedKindRow { kLasers, kSandCasters, kParticleWeapons };

constexpr AmountRatedKind AMOUNT_RATED_KINDS[] = {
    {&Program::design_laser_count, LASER_FACTOR_STEPS, 30, 30, LASER_TL_BONUS, &Program::design_laser_factor,
     &Program::laser_batt, kLaserFactor},
    {&Program::file_wpn_6, SAC_FACTOR_STEPS, 30, 30, SAC_TL_BONUS, &Program::design_sac_factor,
     &Program::design_sac_batt, kSacFactor},
    {&Program::design_particle_sum, PARTICLE_FACTOR_STEPS, 13, 14, PARTICLE_TL_BONUS,
     &Program::design_particle_factor, &Program::particle_batt, kParticleFactor},
};
static_assert(AMOUNT_RATED_KINDS[kLasers].first_place == kLaserFactor &&
              AMOUNT_RATED_KINDS[kSandCasters].first_place == kSacFactor &&
              AMOUNT_RATED_KINDS[kParticleWeapons].first_place == kParticleFactor);

// A kind whose factor comes from the effective TL alone, with one battery per weapon.
struct TlRatedKind {
  float Program::*count;  // the file value that counts the weapons
  float ep_each;
  float base_factor;
  std::span<const RatingStep> tl_steps;
  int first_place;
};

constexpr RatingStep ENERGY_KIND1_FACTORS[] = {{10, 5}, {11, 7}};
constexpr RatingStep ENERGY_KIND2_FACTORS[] = {{12, 8}, {13, 9}};
constexpr RatingStep MESON_KIND1_FACTORS[] = {{11, 4}};
constexpr RatingStep MESON_KIND2_FACTORS[] = {{13, 5}, {14, 9}};

// Both energy kinds are charged; the second one's digits replace the first one's.
constexpr TlRatedKind ENERGY_KINDS[] = {
    {&Program::file_num_8, 10, 4, ENERGY_KIND1_FACTORS, kEnergyKind1},
    {&Program::file_num_14, 20, 7, ENERGY_KIND2_FACTORS, kEnergyKind2},
};

// Only one meson kind counts: the second one when the ship has none of the first.
constexpr TlRatedKind MESON_KINDS[] = {
    {&Program::file_num_9, 50, 3, MESON_KIND1_FACTORS, kMesonKind1},
    {&Program::file_num_15, 100, 3, MESON_KIND2_FACTORS, kMesonKind2},
};

struct WeightedValue {
  float Program::*value;
  float weight;
};

// The missile sum before its factor of 2.5, added left to right.
constexpr WeightedValue MISSILE_WEIGHTS[] = {
    {&Program::file_wpn_5, 1},   {&Program::file_num_5, 12},  {&Program::file_num_7, 12},
    {&Program::file_num_10, 12}, {&Program::file_num_11, 24}, {&Program::file_num_13, 24},
    {&Program::file_num_16, 24},
};
constexpr float kMissileScale = 2.5f;

// The EP of the particle weapons per unit of each value.
constexpr WeightedValue PARTICLE_EP_WEIGHTS[] = {
    {&Program::file_wpn_3, 5}, {&Program::file_num_1, 5}, {&Program::file_num_6, 30},
    {&Program::file_num_12, 60},
};

float weighted_sum(const Program& p, std::span<const WeightedValue> values) {
  float sum = p.*values.front().value * values.front().weight;
  for (const WeightedValue& v : values.subspan(1)) sum = sum + v.weight * (p.*v.value);
  return sum;
}

void read_pairs(Program& p, console::Console& c, std::span<float Program::* const> pairs, int first_place) {
  int place = first_place;
  for (float Program::*value : pairs) read_number_pair(p, c, p.*value, place++);
}

// Factor, digits and EP of a kind rated by the TL, for `count` weapons of `ep_each` EP.
void fit_tl_rated_kind(Program& p, console::Console& c, const TlRatedKind& kind, float ep_each, float count,
                       float& factor, std::string& code, std::string& battery_code) {
  factor = rating_above(kind.base_factor, p.tl_effective, kind.tl_steps);
  console::statement_event_check(c, kind.first_place + 1);
  p.design_ep_left = p.design_ep_left - ep_each * count;
  console::statement_event_check(c, kind.first_place + 2);
  code = encode_digit(p, c, factor, kind.first_place + 3);
  battery_code = encode_battery_digit(p, c, count, kind.first_place + 4);
}

// The factor and the batteries of a kind rated by its amount.
void size_amount_rated_kind(Program& p, console::Console& c, AmountRatedKindRow row) {
  const AmountRatedKind& kind = AMOUNT_RATED_KINDS[row];
  const float amount = p.*kind.amount;
  p.*kind.factor = rating_above(1, amount, kind.factor_steps);
  console::statement_event_check(c, kind.first_place);
  p.*kind.batteries = battery_count(c.errors, amount, kind.batteries_above, kind.per_battery);
  console::statement_event_check(c, kind.first_place + 1);
  p.*kind.factor = p.*kind.factor + thresholds_passed(p.tl_effective, kind.tl_bonus);
  console::statement_event_check(c, kind.first_place + 2);
}

// The particle sum: 0.75 x the first value in double precision, the products with 10
// and 20 in single precision, added in double precision.
float particle_sum(const Program& p) {
  const double sum = static_cast<double>(p.file_wpn_3) * 0.75 + static_cast<double>(p.file_num_1) +
                     static_cast<double>(p.file_num_6 * 10.0f) + static_cast<double>(p.file_num_12 * 20.0f);
  return static_cast<float>(sum);
}

}  // namespace

void design_weapons(Program& p, console::Console& c) {
  derive_laser_sac_codes(p, c);
  read_file_numbers(p, c);
  derive_energy_codes(p, c);
  derive_particle_codes(p, c);
  derive_meson_codes(p, c);
  derive_missile_codes(p, c);
}

void derive_laser_sac_codes(Program& p, console::Console& c) {
  read_pairs(p, c, WEAPON_PAIRS, kWeaponPairs);
  derive_laser_codes(p, c);
  derive_sac_codes(p, c);
}

// One EP per laser; the count is rounded half to even into 16 bits.
void derive_laser_codes(Program& p, console::Console& c) {
  p.design_laser_factor = 0;
  p.laser_batt = 0;
  console::statement_event_check(c, kLaserReset);
  const double count = static_cast<double>(p.file_wpn_1) * 0.5 + static_cast<double>(p.file_wpn_2) +
                       static_cast<double>(p.file_wpn_4);
  p.design_laser_count = console::round_to_int16(c.errors, count);
  console::statement_event_check(c, kLaserCount);
  p.design_ep_left = p.design_ep_left - p.design_laser_count;
  console::statement_event_check(c, kLaserEp);
  if (p.design_laser_count != 0) size_amount_rated_kind(p, c, kLasers);
  p.design_laser_code = encode_digit(p, c, p.design_laser_factor, kLaserCode);
  p.design_laser_batt_code = encode_battery_digit(p, c, p.laser_batt, kLaserBatteryCode);
}

// Sand casters take no EP; their count is the file value as it stands.
void derive_sac_codes(Program& p, console::Console& c) {
  p.design_sac_factor = 0;
  p.design_sac_batt = 0;
  console::statement_event_check(c, kSacReset);
  if (p.file_wpn_6 != 0) size_amount_rated_kind(p, c, kSandCasters);
  p.design_sac_code = encode_digit(p, c, p.design_sac_factor, kSacCode);
  p.design_sac_batt_code = encode_battery_digit(p, c, p.design_sac_batt, kSacBatteryCode);
}

void read_file_numbers(Program& p, console::Console& c) { read_pairs(p, c, NUMBER_PAIRS, kNumberPairs); }

void derive_energy_codes(Program& p, console::Console& c) {
  p.design_energy_code = "0";
  p.design_energy_batt_code = " ";
  p.design_energy_count = 0;
  console::statement_event_check(c, kEnergyReset);
  for (const TlRatedKind& kind : ENERGY_KINDS) {
    p.design_energy_count = p.*kind.count;
    console::statement_event_check(c, kind.first_place);
    if (p.design_energy_count == 0) continue;
    p.design_energy_ep_each = kind.ep_each;
    fit_tl_rated_kind(p, c, kind, p.design_energy_ep_each, p.design_energy_count, p.design_energy_factor,
                      p.design_energy_code, p.design_energy_batt_code);
  }
}

// The EP are charged whatever the sum; a sum of 0 means no particle weapons.
void derive_particle_codes(Program& p, console::Console& c) {
  p.design_particle_factor = 0;
  p.particle_batt = 0;
  console::statement_event_check(c, kParticleReset);
  p.design_particle_sum = particle_sum(p);
  console::statement_event_check(c, kParticleSum);
  p.design_particle_ep = weighted_sum(p, PARTICLE_EP_WEIGHTS);
  p.design_ep_left = p.design_ep_left - p.design_particle_ep;
  console::statement_event_check(c, kParticleEp);
  if (p.design_particle_sum == 0) {
    p.design_particle_code = "0";
    p.design_particle_batt_code = " ";
    console::statement_event_check(c, kParticleNone);
    return;
  }
  size_amount_rated_kind(p, c, kParticleWeapons);
  p.design_particle_code = encode_digit(p, c, p.design_particle_factor, kParticleCode);
  p.design_particle_batt_code = encode_battery_digit(p, c, p.particle_batt, kParticleBatteryCode);
}

void derive_meson_codes(Program& p, console::Console& c) {
  const TlRatedKind& kind = p.file_num_9 != 0 ? MESON_KINDS[0] : MESON_KINDS[1];
  p.design_meson_code = "0";
  p.design_meson_batt_code = " ";
  p.design_ep_rate = kind.ep_each;
  console::statement_event_check(c, kind.first_place);
  const float count = p.*kind.count;
  if (count == 0) return;
  fit_tl_rated_kind(p, c, kind, p.design_ep_rate, count, p.design_meson_factor, p.design_meson_code,
                    p.design_meson_batt_code);
}

// Missiles take no EP, and a ship without missiles still gets factor 1.
void derive_missile_codes(Program& p, console::Console& c) {
  p.missile_value = weighted_sum(p, MISSILE_WEIGHTS) * kMissileScale;
  console::statement_event_check(c, kMissileValue);
  p.design_missile_factor = rating_at_least(1, p.missile_value, MISSILE_FACTOR_STEPS);
  console::statement_event_check(c, kMissileFactor);
  p.design_missile_factor = p.design_missile_factor + thresholds_passed(p.tl_effective, MISSILE_TL_BONUS);
  console::statement_event_check(c, kMissileTlBonus);
  p.missile_batt = battery_count(c.errors, p.missile_value, 56, 56);
  console::statement_event_check(c, kMissileBatteries);
  p.design_missile_code = encode_digit(p, c, p.design_missile_factor, kMissileCode);
  p.design_missile_batt_code = encode_battery_digit(p, c, p.missile_batt, kMissileBatteryCode);
}

}  // namespace ships
