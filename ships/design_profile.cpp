#include "ships/design_profile.h"

#include <span>

#include "console/number_conversion.h"
#include "ships/ship_places.h"
#include "ships/design_result.h"

namespace ships {

using program::Program;

namespace {

// Place numbers of the steps, for the error box.
enum ProfileStep {
  kAgility = place::kDesignProfile,
  kProfile,
  kBatteryLine,
  kAgilityAtLeastZero,
  kRecordAgilityAndEp,
  kProfileStepsEnd,
};
static_assert(kProfileStepsEnd <= place::kDesignResult);

// One piece of a designed line: a text the design left, or a fixed text.
struct LinePiece {
  std::string Program::*text;
  const char* fixed;
};

constexpr LinePiece DESIGNED_PROFILE[] = {
    {&Program::design_class_code, ""},
    {nullptr, "-"},
    {&Program::hull_size_code, ""},
    {&Program::design_config_code, ""},
    {&Program::design_jdrive_code, ""},
    {&Program::design_mdrive_code, ""},
    {&Program::design_pplant_code, ""},
    {&Program::computer_text, ""},
    {&Program::design_crew_digits_code, ""},
    {nullptr, "-"},
    {&Program::armor_code, ""},
    {&Program::design_sac_code, ""},
    {&Program::digit_text, ""},
    {&Program::design_nud_code, ""},
    {&Program::design_blg_code, ""},
    {&Program::design_rep_code, ""},
    {nullptr, "-"},
    {&Program::design_laser_code, ""},
    {&Program::design_energy_code, ""},
    {&Program::design_particle_code, ""},
    {&Program::design_meson_code, ""},
    {&Program::design_missile_code, ""},
};

// Each battery digit stands in the column of its system's profile position.
constexpr LinePiece DESIGNED_BATTERY_LINE[] = {
    {nullptr, "            "},
    {&Program::design_sac_batt_code, ""},
    {nullptr, "   "},
    {&Program::design_rep_batt_code, ""},
    {nullptr, " "},
    {&Program::design_laser_batt_code, ""},
    {&Program::design_energy_batt_code, ""},
    {&Program::design_particle_batt_code, ""},
    {&Program::design_meson_batt_code, ""},
    {&Program::design_missile_batt_code, ""},
};

constexpr double kTonnagePercent = 0.01;

std::string joined(const Program& p, std::span<const LinePiece> pieces) {
  std::string line;
  for (const LinePiece& piece : pieces) line += piece.text ? p.*piece.text : std::string(piece.fixed);
  return line;
}

}  // namespace

void build_design_strings(Program& p, console::Console& c) {
  p.design_agility = design_agility_for(p.design_ep_left, p.current_tons);
  console::statement_event_check(c, kAgility);
  p.ship_profile[0] = designed_profile(p);
  console::statement_event_check(c, kProfile);
  p.ship_batteries[0] = designed_battery_line(p);
  console::statement_event_check(c, kBatteryLine);
  print_design_rows(p, c);
  if (p.design_agility < 0) p.design_agility = 0;
  console::statement_event_check(c, kAgilityAtLeastZero);
  p.ship_agility[0] = p.design_agility;
  p.ship_ep[0] = p.design_ep_total;
  console::statement_event_check(c, kRecordAgilityAndEp);
}

float design_agility_for(float ep_left, float tons) {
  if (tons == 0) return 0;
  const double per_percent = static_cast<double>(tons) * kTonnagePercent;
  return static_cast<float>(console::integer_part(static_cast<double>(ep_left) / per_percent));
}

std::string designed_profile(const Program& p) { return joined(p, DESIGNED_PROFILE); }

std::string designed_battery_line(const Program& p) { return joined(p, DESIGNED_BATTERY_LINE); }

}  // namespace ships
