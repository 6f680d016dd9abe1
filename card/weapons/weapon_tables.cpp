#include "card/weapons/weapon_tables.h"

#include <cstdint>

#include "console/number_conversion.h"

namespace card::weapons {

namespace {

// One line of a base table: the rating equals the bound, or lies below it, or the
// line holds for every rating.
enum class Test { Equal, Below, Always };

struct BaseStep {
  Test test;
  float bound;
  float base;
};

constexpr BaseStep PARTICLE_BASE_TABLE[] = {
    {Test::Equal, 1, 9},  {Test::Equal, 2, 8},  {Test::Below, 5, 7},  {Test::Below, 7, 6},
    {Test::Below, 9, 5},  {Test::Equal, 9, 4},  {Test::Below, 15, 3}, {Test::Below, 20, 2},
    {Test::Below, 24, 1}, {Test::Always, 0, 0},
};

constexpr BaseStep MESON_BASE_TABLE[] = {
    {Test::Below, 3, 9},  {Test::Equal, 3, 8}, {Test::Below, 7, 7},
    {Test::Below, 10, 6}, {Test::Below, 12, 5}, {Test::Always, 0, 4},
};

constexpr const char* MESON_MES_TABLE[] = {
    "161515141413131212090908080707060605050404030302020101",
    "161616151414131313121009090808070706060505040403030202",
    "171616151514141313101009090808070706060505040403030202",
    "171716161515141413111010090908080707060605050404030302",
    "181717161615151414111110100909080807070606050504040303",
    "181817171616151514121111101009090808070706060505040403",
    "191818171716161515121211111010090908080707060605050404",
    "191918181717161615131212111110100909080807070606050504",
    "201919181817171616131312121111101009090808070706060505",
};

constexpr const char* MESON_CON_TABLE[] = {
    "121212111111101010080808070707060606050505040404030303",
    "111110101009090908070706060605050504040403030302020201",
    "100909090808080707060505050404040303030202020101010000",
    "070706060605050504030302020201010100000000000000000000",
    "060505050404040303020101010000000000000000000000000000",
    "080808070707060606050505040404030302010101000000000000",
    "151514141413131312111110101009090908080807070706060605",
    "040404030303020202000000000000000000000000000000000000",
    "141313131212121111100909090808080707070606060505050404",
};

constexpr std::int64_t kMesonColumns = 9;

template <std::size_t N>
float base_from(const BaseStep (&table)[N], float rating) {
  for (const BaseStep& step : table) {
    if (step.test == Test::Always) return step.base;
    if (step.test == Test::Equal && rating == step.bound) return step.base;
    if (step.test == Test::Below && rating < step.bound) return step.base;
  }
  return 0;
}

}  // namespace

float particle_base_for(float rating) { return base_from(PARTICLE_BASE_TABLE, rating); }

float meson_base_for(float rating) { return base_from(MESON_BASE_TABLE, rating); }

float missile_base_for(console::ErrorState& errors, float rating) {
  const float half = rating / 2.0f;
  return 7.0f - static_cast<float>(console::round_to_int16(errors, half));
}

std::string meson_digits(MesonRow row, float column) {
  const std::int64_t j = console::round_to_int64(column);
  if (j < 1 || j > kMesonColumns) return std::string();
  const auto& table = row == MesonRow::Mes ? MESON_MES_TABLE : MESON_CON_TABLE;
  return table[j - 1];
}

std::string meson_digit_pair(const std::string& digits, float rating) {
  const float first = 2.0f * rating - 1.0f;
  const std::int64_t position = console::round_to_int64(first);
  if (position < 1 || position > static_cast<std::int64_t>(digits.size())) return std::string();
  return digits.substr(static_cast<std::size_t>(position - 1), 2);
}

}  // namespace card::weapons
