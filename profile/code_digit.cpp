#include "profile/code_digit.h"

#include <cstddef>
#include <string>
#include <vector>

#include "console/number_conversion.h"
#include "console/number_parse.h"

namespace profile {

namespace {

struct CodeLetter {
  char letter;
  float value;
};

// The lettered code digits with a fixed value; the digits "1" to "9" are read as
// numbers.
constexpr CodeLetter CODE_DIGIT_VALUES[] = {
    {'A', 10}, {'B', 11}, {'C', 12}, {'D', 13}, {'E', 14}, {'F', 15}, {'G', 16},
    {'H', 17}, {'J', 18}, {'K', 19}, {'L', 20}, {'M', 21}, {'N', 22}, {'P', 23},
    {'Q', 24}, {'R', 25}, {'S', 26}, {'T', 27}, {'U', 28}, {'V', 29}, {'W', 30},
};

struct ShipCodeLetter {
  char letter;
  std::vector<float> program::Program::*values;
};

// The letters whose value each ship record holds for itself.
constexpr ShipCodeLetter SHIP_CODE_LETTERS[] = {
    {'X', &program::Program::ship_code_x},
    {'Y', &program::Program::ship_code_y},
    {'Z', &program::Program::ship_code_z},
};

// The character of every whole value from 0 to 33, for the designed ship.
constexpr char CODE_DIGIT_CHARS[] = "0123456789ABCDEFGHJKLMNPQRSTUVWXYZ";
constexpr int kHighestCodeValue = static_cast<int>(sizeof CODE_DIGIT_CHARS) - 2;

// The value a ship record holds for X, Y or Z; 0 when the current ship has no record.
float ship_code_value(const program::Program& p, const std::vector<float>& values) {
  const std::size_t record = program::current_record(p);
  return record < values.size() ? values[record] : 0.0f;
}

}  // namespace

void decode_code_char(program::Program& p) {
  p.code_value = 0.0f;
  if (p.code_char == "0") return;
  console::ErrorState ignored;  // a single character has no number that could fail
  p.code_value = static_cast<float>(console::parse_number_text(ignored, p.code_char));
  if (p.code_value > 0.0f) return;
  p.code_value = 0.0f;
  if (p.code_char.size() != 1) return;
  for (const auto& row : CODE_DIGIT_VALUES) {
    if (p.code_char[0] == row.letter) {
      p.code_value = row.value;
      return;
    }
  }
  for (const auto& row : SHIP_CODE_LETTERS) {
    if (p.code_char[0] == row.letter) {
      p.code_value = ship_code_value(p, p.*row.values);
      return;
    }
  }
}

void encode_code_char(program::Program& p, console::ErrorState& errors) {
  const int value = console::round_to_int16(errors, p.code_value);
  p.code_value = static_cast<float>(value);
  int index = value;
  if (index < 0) index = 0;
  if (index > kHighestCodeValue) index = kHighestCodeValue;
  p.code_char = std::string(1, CODE_DIGIT_CHARS[index]);
}

}  // namespace profile
