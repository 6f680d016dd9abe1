#include "stats/compute_stats.h"

#include <cmath>
#include <cstddef>
#include <limits>
#include <vector>

#include "console/number_conversion.h"
#include "profile/profile_access.h"
#include "stats/computer_codes.h"
#include "stats/stats_places.h"

namespace stats {

namespace {

namespace pos = profile::position;

// Place numbers of the routine's steps, for the error box.
enum StatsStep {
  kConstants = place::kCounterValues,
  kHullAndTons,
  kComputerModel,
  kDefences,
  kDefenceBatteries,
  kBeam,
  kMissile,
  kScreens,
  kComputerScale,
  kClass,
  kRoundBeam,  // and the two after it: the missile and screens roundings
  kFinalPowers = kRoundBeam + 3,
  kScreensBounds,
  kStatsStepsEnd,
};
static_assert(kStatsStepsEnd <= place::kEnd);

constexpr StatsClassRow STATS_CLASS_TABLE[] = {
    {-std::numeric_limits<float>::infinity(), 0, 0.1f, " = 1-999 tons (Scouts)"},
    {1000, 1, 1, " = 1.000-9.999 tons (Destroyer)"},
    {10000, 2, 10, " = 10.000-99.999 tons (Cruiser)"},
    {100000, 3, 100, " = 100K tons+ (Battleships)"},
};

constexpr double kHullPower = 0.08;   // of hull size + 1: the exponent of the defences
constexpr double kFinalPower = 0.65;  // of the rounded BEAM and MISSILE values
constexpr long double kScreensPower = 0.5L;

// A power in extended precision. A negative base with an exponent that is not whole is
// an illegal function call (error 5) and gives 0.
long double power(console::ErrorState& errors, long double base, long double exponent) {
  if (base < 0 && exponent != std::floor(exponent)) {
    console::raise_runtime_error(errors, console::kErrorIllegalFunctionCall);
    return 0;
  }
  return std::pow(base, exponent);
}

double square_root(console::ErrorState& errors, double x) {
  if (x < 0) {
    console::raise_runtime_error(errors, console::kErrorIllegalFunctionCall);
    return 0;
  }
  return std::sqrt(x);
}

// The current ship's value in one number array; 0 when the index names no record.
float current_value(const program::Program& p, const std::vector<float>& values) {
  const std::size_t record = program::current_record(p);
  return record < values.size() ? values[record] : 0;
}

void read_hull_and_tons(program::Program& p) {
  p.hull_size_code = profile::profile_char(p, pos::kHullSize);
  p.hull_size_value = profile::decode_char(p, p.hull_size_code);
  p.current_tons = current_value(p, p.ship_tons);
}

void derive_computer_model(program::Program& p) {
  p.computer_code = profile::profile_char(p, pos::kComputer);
  p.computer_model = computer_code_entry(p.computer_code).model;
  if (p.computer_count == 0) p.computer_count = 1;
  if (p.computer_model == 0) p.computer_model = 1;
}

void decode_defences(program::Program& p) {
  p.armor_rating = profile::decode_profile_position(p, pos::kArmor);
  p.mes_rating = profile::decode_profile_position(p, pos::kMes);
  p.nud_rating = profile::decode_profile_position(p, pos::kNud);
  p.sac_rating = profile::decode_profile_position(p, pos::kSac);
  p.rep_rating = profile::decode_profile_position(p, pos::kRep);
}

void count_defence_batteries(program::Program& p) {
  p.sac_batt = profile::decode_sac_batteries(p);
  p.battery_char = profile::battery_char_at(p, pos::kRep);
  p.rep_batt = profile::decode_char(p, p.battery_char);
}

// rating ^ exponent * batteries, added to the sum so far; stored single.
float add_weapon(console::ErrorState& errors, float sum, float base, long double exponent,
                 float batteries) {
  return static_cast<float>(static_cast<long double>(sum) +
                            power(errors, base, exponent) * static_cast<long double>(batteries));
}

void sum_beam(program::Program& p, console::ErrorState& errors) {
  p.laser_rating = profile::decode_profile_position(p, pos::kLaser);
  p.laser_batt = profile::decode_battery_column(p, pos::kLaser);
  p.stats_beam = add_weapon(errors, 0, p.laser_rating, p.stats_exponent, p.laser_batt);

  p.energy_rating = profile::decode_profile_position(p, pos::kEnergy);
  p.energy_batt = profile::decode_battery_column(p, pos::kEnergy);
  p.stats_beam = add_weapon(errors, p.stats_beam, p.energy_rating, p.stats_exponent,
                            p.energy_batt);

  p.particle_rating = profile::decode_profile_position(p, pos::kParticle);
  if (p.particle_rating > 9) p.particle_rating = p.particle_rating * p.large_rating_scale;
  p.particle_batt = profile::decode_battery_column(p, pos::kParticle);
  const double particle_exponent = 1.5 * static_cast<double>(p.stats_exponent);
  p.stats_beam = add_weapon(errors, p.stats_beam, p.particle_rating + 1.0f, particle_exponent,
                            p.particle_batt);

  p.meson_rating = profile::decode_profile_position(p, pos::kMeson);
  if (p.meson_rating > 9) p.meson_rating = p.meson_rating * p.large_rating_scale;
  p.meson_batt = profile::decode_battery_column(p, pos::kMeson);
  const float meson_exponent = 2.0f * p.stats_exponent;
  p.stats_beam = add_weapon(errors, p.stats_beam, p.meson_rating + 1.0f, meson_exponent,
                            p.meson_batt);
}

void sum_missile(program::Program& p, console::ErrorState& errors) {
  p.missile_value = profile::decode_profile_position(p, pos::kMissile);
  p.missile_batt = profile::decode_battery_column(p, pos::kMissile);
  p.stats_missile = add_weapon(errors, 0, p.missile_value, p.stats_exponent, p.missile_batt);
}

// The defence sum raised to the power of the hull exponent, (hull size + 1) ^ 0.08.
void sum_screens(program::Program& p, console::ErrorState& errors) {
  float sum = p.sac_rating * p.sac_batt;
  sum = sum + 1.0f;
  sum = sum + p.rep_rating * p.rep_batt;
  sum = sum + p.mes_rating;
  sum = sum + p.nud_rating;
  sum = sum + current_value(p, p.ship_agility);
  sum = sum + p.armor_rating;
  const long double hull_exponent = power(errors, p.hull_size_value + 1.0f, kHullPower);
  p.stats_screens =
      static_cast<float>(power(errors, power(errors, sum, p.stats_exponent), hull_exponent));
}

void scale_by_computer(program::Program& p, console::ErrorState& errors) {
  p.stats_divisor = 10;
  const double root = square_root(errors, static_cast<double>(p.computer_model));
  for (float* value : {&p.stats_beam, &p.stats_missile, &p.stats_screens}) {
    const float quotient = *value / p.stats_divisor;
    *value = static_cast<float>(static_cast<double>(quotient) * root);
  }
}

void choose_class(program::Program& p) {
  const StatsClassRow& row = stats_class_row(p.current_tons);
  p.stats_class = row.stats_class;
  p.stats_class_divisor = row.divisor;
}

// Each value is rounded in a step of its own, so an overflow of one is reported
// before the next is rounded.
void round_by_class(program::Program& p, console::Console& c) {
  int place = kRoundBeam;
  for (float* value : {&p.stats_beam, &p.stats_missile, &p.stats_screens}) {
    const float quotient = *value / p.stats_class_divisor;
    *value = static_cast<float>(console::round_to_int16(c.errors, quotient));
    console::statement_event_check(c, place++);
  }
}

void final_powers(program::Program& p, console::ErrorState& errors) {
  p.stats_beam = static_cast<float>(power(errors, p.stats_beam, kFinalPower));
  p.stats_missile = static_cast<float>(power(errors, p.stats_missile, kFinalPower));
  p.stats_screens = static_cast<float>(power(errors, p.stats_screens, kScreensPower));
}

void bound_screens(program::Program& p) {
  if (p.stats_screens < 1) p.stats_screens = 1;
  if (p.stats_screens > 9) p.stats_screens = 9;
}

}  // namespace

const StatsClassRow& stats_class_row(float tons) {
  const StatsClassRow* chosen = &STATS_CLASS_TABLE[0];
  for (const auto& row : STATS_CLASS_TABLE) {
    if (tons >= row.min_tons) chosen = &row;
  }
  return *chosen;
}

void compute_stats(program::Program& p, console::Console& c) {
  console::ErrorState& errors = c.errors;
  p.stats_exponent = 1;
  p.large_rating_scale = 1;
  console::statement_event_check(c, kConstants);
  read_hull_and_tons(p);
  console::statement_event_check(c, kHullAndTons);
  derive_computer_model(p);
  console::statement_event_check(c, kComputerModel);
  decode_defences(p);
  console::statement_event_check(c, kDefences);
  count_defence_batteries(p);
  console::statement_event_check(c, kDefenceBatteries);
  sum_beam(p, errors);
  console::statement_event_check(c, kBeam);
  sum_missile(p, errors);
  console::statement_event_check(c, kMissile);
  sum_screens(p, errors);
  console::statement_event_check(c, kScreens);
  scale_by_computer(p, errors);
  console::statement_event_check(c, kComputerScale);
  choose_class(p);
  console::statement_event_check(c, kClass);
  round_by_class(p, c);
  final_powers(p, errors);
  console::statement_event_check(c, kFinalPowers);
  bound_screens(p);
  console::statement_event_check(c, kScreensBounds);
}

}  // namespace stats
