#include "profile/profile_access.h"

#include <cstddef>
#include <vector>

#include "profile/code_digit.h"

namespace profile {

namespace {

// The current ship's text of one array, or nullptr when the index names no record.
const std::string* current_text(const program::Program& p, const std::vector<std::string>& texts) {
  const std::size_t record = program::current_record(p);
  return record < texts.size() ? &texts[record] : nullptr;
}

std::string char_at(const std::string* text, int position) {
  if (text == nullptr || position < 1 || static_cast<std::size_t>(position) > text->size()) {
    return std::string();
  }
  return text->substr(static_cast<std::size_t>(position) - 1, 1);
}

// Up to this many SaC batteries count as one.
constexpr float kFewestSacBatteries = 2;

}  // namespace

std::string profile_char(const program::Program& p, int position) {
  return char_at(current_text(p, p.ship_profile), position);
}

std::string battery_char_at(const program::Program& p, int column) {
  return char_at(current_text(p, p.ship_batteries), column);
}

std::string profile_class_code(const program::Program& p) {
  const std::string* profile = current_text(p, p.ship_profile);
  return profile == nullptr ? std::string() : profile->substr(0, 2);
}

float decode_char(program::Program& p, const std::string& character) {
  p.code_char = character;
  decode_code_char(p);
  return p.code_value;
}

float decode_profile_position(program::Program& p, int position) {
  return decode_char(p, profile_char(p, position));
}

float decode_battery_column(program::Program& p, int column) {
  return decode_char(p, battery_char_at(p, column));
}

float decode_sac_batteries(program::Program& p) {
  p.battery_char = battery_char_at(p, position::kSac);
  const float batteries = decode_char(p, p.battery_char);
  return batteries <= kFewestSacBatteries ? 1.0f : batteries;
}

}  // namespace profile
