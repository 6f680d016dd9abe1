// The values of the card header that come straight from the profile and the tons:
// the hull and its battery factor, the configuration, the size modifier and the armor.
#include "card/card_header.h"

#include "profile/profile_access.h"

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
  p.hull_size_code = profile::profile_char(p, pos::HULL_SIZE);
  p.hull_size_value = profile::decode_char(p, p.hull_size_code);
  p.hull_factor = 1;
  for (const auto& row : HULL_FACTOR_TABLE) {
    if (p.hull_size_code == std::string(1, row.code)) p.hull_factor = row.factor;
  }
}

void derive_configuration(program::Program& p) {
  p.configuration_text = profile::profile_char(p, pos::CONFIGURATION);
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
  p.armor_code = profile::profile_char(p, pos::ARMOR);
  p.armor_rating = profile::decode_char(p, p.armor_code);
}

}  // namespace card
