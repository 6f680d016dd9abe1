#include "ships/design_defences.h"

#include "console/files.h"
#include "console/number_conversion.h"
#include "console/number_parse.h"
#include "ships/design_codes.h"
#include "ships/design_file.h"
#include "ships/ship_places.h"

namespace ships {

using program::Program;

namespace {

// Place numbers of the steps, for the error box.
enum DefenceStep {
  kMesPair = place::kDesignDefences,
  kNudPair,
  kBelowScreenTl,
  kMesTest,
  kMesNone,
  kMesShare,
  kMesFactor,
  kMesCode,
  kMesEp,
  kNudNone,
  kNudTable,
  kNudCode,
  kNudEp,
  kBlgCode,
  kRepReset,
  kRepPair,
  kRepFactor,
  kRepBatteries,
  kRepCode,
  kRepBatteryCode,
  kFuelPair,
  kCargoPair,
  kCrewPair,
  kCrewCount,
  kCrewDigits,
  kPassengersPair,
  kTroopsPair,
  kLowBerthsPair,
  kDiscardPair,
  kCloseDesignFile,
  kDefenceStepsEnd,
};
static_assert(kDefenceStepsEnd <= place::kDesignProfile);

// Below this effective TL a ship has neither MES nor NuD.
constexpr float kScreensTl = 12;

struct MesShare {
  float tl_effective;
  float share;
};

// The MES share of the last row whose TL the effective TL reaches.
constexpr MesShare MES_TL_TABLE[] = {{12, 0.2f}, {13, 0.4f}, {14, 1.2f}, {15, 1.8f}};

struct NudRow {
  float tl_effective;
  float factor;
  float ep;
};

// Only these effective TLs give a NuD.
constexpr NudRow NUD_TL_TABLE[] = {{12, 1, 10}, {13, 3, 30}, {14, 6, 60}, {15, 9, 90}};

constexpr RatingStep REP_FACTOR_STEPS[] = {{10, 4}, {11, 6}, {12, 7}, {13, 8}, {14, 9}};
constexpr float kRepBaseFactor = 2;
constexpr float kRepPerBattery = 10;

struct CrewDigitsStep {
  float crew_above;
  const char* code;
};

constexpr CrewDigitsStep CREW_DIGITS_STEPS[] = {{0, "1"}, {9, "2"}, {99, "3"}, {999, "4"}};

constexpr double kEpPerTonAndShare = 0.01;

// A negative MES value means no MES; any other (0 and a text without a number among
// them) costs the EP of the TL's share.
void derive_mes_code(Program& p, console::Console& c) {
  const bool no_mes = console::parse_number_text(c.errors, p.digit_text) < 0;
  console::statement_event_check(c, kMesTest);
  if (no_mes) {
    p.digit_text = "0";
    console::statement_event_check(c, kMesNone);
    return;
  }
  p.design_ep_rate = mes_ep_share(p.tl_effective);
  console::statement_event_check(c, kMesShare);
  p.design_mes_factor = static_cast<float>(console::parse_number_text(c.errors, p.digit_text));
  console::statement_event_check(c, kMesFactor);
  p.digit_text = encode_digit(p, c, p.design_mes_factor, kMesCode);
  const float per_share = p.current_tons * p.design_ep_rate;
  p.design_mes_ep = static_cast<float>(static_cast<double>(per_share) * kEpPerTonAndShare);
  p.design_ep_left = p.design_ep_left - p.design_mes_ep;
  console::statement_event_check(c, kMesEp);
}

// The NuD answer must be exactly "Y".
void derive_nud_code(Program& p, console::Console& c) {
  if (p.design_nud_code != "Y") {
    p.design_nud_code = "0";
    console::statement_event_check(c, kNudNone);
    return;
  }
  for (const NudRow& row : NUD_TL_TABLE) {
    if (p.tl_effective == row.tl_effective) {
      p.design_nud_factor = row.factor;
      p.design_nud_ep = row.ep;
    }
  }
  console::statement_event_check(c, kNudTable);
  p.design_nud_code = encode_digit(p, c, p.design_nud_factor, kNudCode);
  p.design_ep_left = p.design_ep_left - p.design_nud_ep;
  console::statement_event_check(c, kNudEp);
}

void read_crew(Program& p, console::Console& c) {
  read_number_pair(p, c, p.ship_crew[0], kCrewPair);
  p.design_crew_count = p.ship_crew[0];
  console::statement_event_check(c, kCrewCount);
  p.design_crew_digits_code = crew_digits_code_for(p.design_crew_count);
  console::statement_event_check(c, kCrewDigits);
}

}  // namespace

void derive_screen_codes(Program& p, console::Console& c) {
  read_text_pair(p, c, p.digit_text, kMesPair);
  read_text_pair(p, c, p.design_nud_code, kNudPair);
  if (p.tl_effective < kScreensTl) {
    p.digit_text = "0";
    p.design_nud_code = "0";
    p.design_blg_code = "0";
    console::statement_event_check(c, kBelowScreenTl);
    return;
  }
  derive_mes_code(p, c);
  derive_nud_code(p, c);
  p.design_blg_code = "0";
  console::statement_event_check(c, kBlgCode);
}

// REP take no EP and need no TL.
void derive_rep_codes(Program& p, console::Console& c) {
  p.design_rep_code = "0";
  p.design_rep_batt_code = " ";
  console::statement_event_check(c, kRepReset);
  read_number_pair(p, c, p.design_rep_count, kRepPair);
  if (p.design_rep_count == 0) return;
  p.design_rep_factor = rating_above(kRepBaseFactor, p.tl_effective, REP_FACTOR_STEPS);
  console::statement_event_check(c, kRepFactor);
  p.design_rep_batt = console::round_to_int16(c.errors, p.design_rep_count / kRepPerBattery);
  console::statement_event_check(c, kRepBatteries);
  p.design_rep_code = encode_digit(p, c, p.design_rep_factor, kRepCode);
  p.design_rep_batt_code = encode_battery_digit(p, c, p.design_rep_batt, kRepBatteryCode);
}

void read_design_tail(Program& p, console::Console& c) {
  read_number_pair(p, c, p.ship_fuel[0], kFuelPair);
  read_number_pair(p, c, p.ship_cargo[0], kCargoPair);
  read_crew(p, c);
  read_number_pair(p, c, p.ship_passengers[0], kPassengersPair);
  read_number_pair(p, c, p.ship_troops[0], kTroopsPair);
  read_number_pair(p, c, p.ship_l_berths[0], kLowBerthsPair);
  read_number_pair(p, c, p.file_discard[0], kDiscardPair);
  console::close_file(c, kDesignFileNumber);
  console::statement_event_check(c, kCloseDesignFile);
}

float mes_ep_share(float tl_effective) {
  float share = MES_TL_TABLE[0].share;
  for (const MesShare& row : MES_TL_TABLE) {
    if (tl_effective >= row.tl_effective) share = row.share;
  }
  return share;
}

std::string crew_digits_code_for(float crew) {
  const char* code = "0";
  for (const CrewDigitsStep& step : CREW_DIGITS_STEPS) {
    if (crew > step.crew_above) code = step.code;
  }
  return code;
}

}  // namespace ships
