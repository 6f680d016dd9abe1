#include "ships/design_drives.h"

#include "console/cp437.h"
#include "console/number_conversion.h"
#include "console/number_parse.h"
#include "console/number_text.h"
#include "console/screen.h"
#include "ships/design_codes.h"
#include "ships/design_file.h"
#include "ships/ship_places.h"

namespace ships {

using program::Program;

namespace {

// Place numbers of the steps, for the error box.
enum DriveStep {
  kConfigPair = place::kDesignDrives,
  kArmorPair,
  kArmorCode,
  kJdrivePair,
  kJdriveCode,
  kMdrivePair,
  kMdriveCode,
  kPplantPair,
  kPplantUpperCase,
  kPplantLetter,
  kPplantByTl,
  kShipCodes,
  kPplantNumber,
  kPplantRounded,
  kPplantCode,
  kEpBudget,
  kComputerPair,
  kComputerUpperCase,
  kComputerCountPair,
  kComputerCountAtLeastOne,
  kComputerBonusPair,
  kEmptyRowBeforeComputer,
  kComputerCaption,
  kComputerTable,
  kComputerModel,
  kComputerChar,
  kComputerEp,
  kComputerRow,
  kDriveStepsEnd,
};
static_assert(kDriveStepsEnd <= place::kDesignWeapons);

struct PplantLetter {
  char letter;
  float value;
};

// 4 + 3 x the letter's place in the alphabet without I and O.
constexpr PplantLetter PPLANT_LETTER_VALUES[] = {
    {'A', 4},  {'B', 7},  {'C', 10}, {'D', 13}, {'E', 16}, {'F', 19}, {'G', 22}, {'H', 25},
    {'J', 28}, {'K', 31}, {'L', 34}, {'M', 37}, {'N', 40}, {'P', 43}, {'Q', 46}, {'R', 49},
    {'S', 52}, {'T', 55}, {'U', 58}, {'V', 61}, {'W', 64}, {'X', 67}, {'Y', 70}, {'Z', 73},
};

struct TlDivisor {
  float tl_below;
  float divisor;
};

// Tried in this order; the last file TL limit that the TL is below gives the divisor.
constexpr TlDivisor PPLANT_TL_DIVISORS[] = {{15, 2}, {13, 3}, {9, 4}};

constexpr FileComputerModel FILE_COMPUTER_MODELS[] = {
    {"1", 0, "1"},  {"1F", 0, "A"}, {"1R", 0, "R"}, {"2", 0, "2"},   {"2F", 0, "B"},
    {"2B", 0, "S"}, {"3", 1, "3"},  {"3F", 1, "C"}, {"4", 2, "4"},   {"4F", 2, "D"},
    {"5", 3, "5"},  {"5F", 3, "E"}, {"6", 5, "6"},  {"6F", 5, "F"},  {"7", 7, "7"},
    {"7F", 7, "G"}, {"8", 9, "8"},  {"8F", 9, "H"}, {"9", 12, "9"},  {"9F", 12, "J"},
};

// What the codes X, Y and Z stand for in the designed ship.
constexpr float kDesignCodeX = 31, kDesignCodeY = 32, kDesignCodeZ = 33;

constexpr double kEpPerTonAndRating = 0.01;

void read_drive(Program& p, console::Console& c, float& rating, std::string& code, int pair_place) {
  read_number_pair(p, c, rating, pair_place);
  code = encode_digit(p, c, rating, pair_place + 1);
}

void read_pplant_letter(Program& p, console::Console& c) {
  read_text_pair(p, c, p.pplant_code, kPplantPair);
  p.pplant_code = console::upper_cased(p.pplant_code);
  console::statement_event_check(c, kPplantUpperCase);
  if (const float* value = pplant_letter_value(p.pplant_code)) p.design_pplant_letter_value = *value;
  console::statement_event_check(c, kPplantLetter);
}

void set_design_code_values(Program& p, console::Console& c) {
  p.ship_code_x[0] = kDesignCodeX;
  p.ship_code_y[0] = kDesignCodeY;
  p.ship_code_z[0] = kDesignCodeZ;
  console::statement_event_check(c, kShipCodes);
}

// The budget: tons x 0.01 x rating, in double precision.
void set_ep_budget(Program& p, console::Console& c) {
  const double per_rating = static_cast<double>(p.current_tons) * kEpPerTonAndRating;
  p.design_ep_left = static_cast<float>(per_rating * static_cast<double>(p.design_pplant_rating));
  p.design_ep_total = p.design_ep_left;
  console::statement_event_check(c, kEpBudget);
}

void derive_pplant_code(Program& p, console::Console& c) {
  read_pplant_letter(p, c);
  p.design_pplant_rating = pplant_rating_by_tl(p.design_pplant_letter_value, p.ship_tl[0]);
  console::statement_event_check(c, kPplantByTl);
  set_design_code_values(p, c);
  // A P-Plant given as a positive number is the rating, whatever the letter and TL.
  const long double number = console::parse_number_text(c.errors, p.pplant_code);
  if (number > 0) p.design_pplant_rating = static_cast<float>(number);
  console::statement_event_check(c, kPplantNumber);
  p.design_pplant_rating = console::round_to_int16(c.errors, p.design_pplant_rating);
  console::statement_event_check(c, kPplantRounded);
  p.design_pplant_code = encode_digit(p, c, p.design_pplant_rating, kPplantCode);
  set_ep_budget(p, c);
}

void read_computer_values(Program& p, console::Console& c) {
  read_text_pair(p, c, p.computer_text, kComputerPair);
  p.computer_text = console::upper_cased(p.computer_text);
  console::statement_event_check(c, kComputerUpperCase);
  read_number_pair(p, c, p.computer_count, kComputerCountPair);
  if (p.computer_count == 0) p.computer_count = 1;
  console::statement_event_check(c, kComputerCountAtLeastOne);
  read_number_pair(p, c, p.computer_bonus, kComputerBonusPair);
}

// The model: the number of the code's first character x the count + the bonus, in
// double precision.
void derive_computer_model(Program& p, console::Console& c) {
  const auto first = static_cast<double>(console::parse_number_text(c.errors, p.computer_text.substr(0, 1)));
  p.computer_model = static_cast<float>(first * static_cast<double>(p.computer_count) +
                                        static_cast<double>(p.computer_bonus));
  console::statement_event_check(c, kComputerModel);
}

}  // namespace

void derive_drive_codes(Program& p, console::Console& c) {
  read_text_pair(p, c, p.design_config_code, kConfigPair);
  read_drive(p, c, p.armor_rating, p.armor_code, kArmorPair);
  read_drive(p, c, p.design_jdrive_rating, p.design_jdrive_code, kJdrivePair);
  read_drive(p, c, p.design_mdrive_rating, p.design_mdrive_code, kMdrivePair);
  derive_pplant_code(p, c);
}

void derive_computer_code(Program& p, console::Console& c) {
  read_computer_values(p, c);
  console::print_to_screen(c, "", true);
  console::statement_event_check(c, kEmptyRowBeforeComputer);
  console::print_screen_item(c, " Computer");
  console::statement_event_check(c, kComputerCaption);
  if (const FileComputerModel* row = file_computer_model(p.computer_text)) {
    p.comp_ep = row->ep_each;
    p.comp_char = row->profile_char;
  }
  console::statement_event_check(c, kComputerTable);
  derive_computer_model(p, c);
  p.computer_text = p.comp_char;
  console::statement_event_check(c, kComputerChar);
  p.design_ep_left = p.design_ep_left - p.comp_ep * p.computer_count;
  console::statement_event_check(c, kComputerEp);
  console::print_screen_item(c, console::number_to_text(p.computer_model) + " ");
  console::print_to_screen(c, "", true);
  console::statement_event_check(c, kComputerRow);
}

float pplant_rating_by_tl(float letter_value, float tl) {
  float rating = letter_value;
  for (const TlDivisor& row : PPLANT_TL_DIVISORS) {
    if (tl < row.tl_below) rating = letter_value / row.divisor;
  }
  return rating;
}

const float* pplant_letter_value(const std::string& code) {
  if (code.size() != 1) return nullptr;
  for (const PplantLetter& row : PPLANT_LETTER_VALUES) {
    if (code[0] == row.letter) return &row.value;
  }
  return nullptr;
}

const FileComputerModel* file_computer_model(const std::string& code) {
  for (const FileComputerModel& row : FILE_COMPUTER_MODELS) {
    if (code == row.code) return &row;
  }
  return nullptr;
}

}  // namespace ships
