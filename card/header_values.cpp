#include "card/header_values.h"

#include "card/card_writes.h"
#include "console/number_parse.h"
#include "profile/profile_access.h"
#include "stats/computer_codes.h"

namespace card {

namespace {

namespace pos = profile::position;

struct HullFactorRow {
  char code;
  float factor;
};

// Battery factor by hull size code; every code not listed has the factor 1.
constexpr HullFactorRow HULL_FACTOR_TABLE[] = {
    {'A', 1},     {'B', 1},    {'C', 1},     {'D', 1},    {'E', 1},    {'F', 1},
    {'G', 1},     {'H', 1},    {'J', 1},     {'K', 1},    {'L', 0.95f}, {'M', 0.9f},
    {'N', 0.85f}, {'P', 0.8f}, {'Q', 0.75f}, {'R', 0.7f}, {'S', 0.65f}, {'T', 0.6f},
    {'U', 0.55f}, {'V', 0.5f}, {'W', 0.5f},  {'X', 0.5f}, {'Y', 0.5f},
};

// The configurations 1 to 9, in order.
constexpr const char* CONFIGURATION_NAMES[] = {
    "Needle/Wedge, streamlined",     "Cone, streamlined",   "Cylinder, partial",
    "Close structure, partial",      "Sphere, partial",     "Flattened Sphere, streamlined",
    "Dispersed structure",           "Planetoid",           "Buffered Planetoid",
};

struct SizeModifierStep {
  float tons;
  bool or_equal;  // the step holds at exactly `tons` as well
  float modifier;
};

// The first step whose tons the ship passes gives the modifier; below them all, -2.
constexpr SizeModifierStep SIZE_MODIFIER_STEPS[] = {
    {74999, false, 2},
    {10000, false, 1},
    {1999, false, 0},
    {100, true, -1},
};
constexpr float kSmallestSizeModifier = -2;

}  // namespace

void derive_hull(program::Program& p) {
  p.hull_size_code = profile::profile_char(p, pos::kHullSize);
  p.hull_size_value = profile::decode_char(p, p.hull_size_code);
  p.hull_factor = 1;
  for (const auto& row : HULL_FACTOR_TABLE) {
    if (p.hull_size_code == std::string(1, row.code)) p.hull_factor = row.factor;
  }
}

void derive_configuration(program::Program& p) {
  p.configuration_text = profile::profile_char(p, pos::kConfiguration);
  const float value = profile::decode_char(p, p.configuration_text);
  for (int n = 1; n <= 9; ++n) {
    if (value == static_cast<float>(n)) p.configuration_text = CONFIGURATION_NAMES[n - 1];
  }
}

void derive_size_modifier(program::Program& p) {
  const float tons = p.ship_tons.at(program::current_record(p));
  p.size_modifier = kSmallestSizeModifier;
  for (const auto& step : SIZE_MODIFIER_STEPS) {
    if (tons > step.tons || (step.or_equal && tons == step.tons)) {
      p.size_modifier = step.modifier;
      return;
    }
  }
}

void derive_armor(program::Program& p) {
  p.armor_code = profile::profile_char(p, pos::kArmor);
  p.armor_rating = profile::decode_char(p, p.armor_code);
}

void derive_computer(program::Program& p, console::Console& c) {
  p.computer_code = profile::profile_char(p, pos::kComputer);
  const stats::ComputerCode entry = stats::computer_code_entry(p.computer_code);
  p.computer_text = entry.text;
  p.computer_model = entry.model;
  p.computer_fib = entry.fib;
  if (entry.digit) return;
  // Several computers of a lettered model work together, and the bonus adds to them.
  const double first = static_cast<double>(
      console::parse_number_text(c.errors, p.computer_text.substr(0, 1)));
  p.computer_model = static_cast<float>(first * static_cast<double>(p.computer_count) +
                                        static_cast<double>(p.computer_bonus));
  if (p.computer_model == 0) p.computer_model = 1;
}

std::string computer_cell(program::Program& p, console::Console& c) {
  const std::string count = p.computer_count < 1
                                ? std::string(" Comp : ")
                                : field_text(c, "##x COM ", {p.computer_count});
  return p.frame_side + count + p.computer_text + " " + p.frame_side;
}

}  // namespace card
