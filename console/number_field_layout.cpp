#include "console/number_field_layout.h"

#include <cmath>

#include "console/number_decimal.h"

namespace console {

namespace {

// The digits with a "," before each group of three counted from the right.
std::string group_in_threes(const std::string& digits) {
  std::string grouped;
  const auto size = digits.size();
  for (std::size_t i = 0; i < size; ++i) {
    if (i > 0 && (size - i) % 3 == 0) grouped.push_back(',');
    grouped.push_back(digits[i]);
  }
  return grouped;
}

// The digit capacity of r integer positions: with commas every fourth one is a ",".
int digit_capacity(const NumberField& field, int positions) {
  return field.comma ? positions - positions / 4 : positions;
}

std::string sign_text(const NumberField& field, bool negative) {
  if (field.leading_sign) return negative ? "-" : "+";
  return negative ? "-" : "";
}

std::string lay_out_non_finite(const NumberField& field, float x) {
  return "%" + sign_text(field, std::signbit(x)) + (std::isnan(x) ? "NAN" : "INF");
}

}  // namespace

std::string lay_out_number_field(const NumberField& field, float x) {
  if (!std::isfinite(x)) return lay_out_non_finite(field, x);
  const int places = field.decimal_positions;
  const DecimalDigits exact = exact_decimal(x);
  const DecimalDigits m =
      round_decimal(exact, exact.point + places, DecimalRounding::HalfAwayFromZero);
  const bool negative = x < 0;
  // Without a leading sign the "-" takes one of the integer positions.
  const int positions = field.integer_positions - (negative && !field.leading_sign ? 1 : 0);
  const std::string digits = integer_digits(m);
  const int k = static_cast<int>(digits.size());
  const std::string integer_text = field.comma ? group_in_threes(digits) : digits;
  const bool overflow = k > digit_capacity(field, positions);
  const int width = overflow ? static_cast<int>(integer_text.size()) : positions;
  int fill = width - static_cast<int>(integer_text.size());
  const bool zero_before_point = k == 0 && fill > 0;
  if (zero_before_point) --fill;

  std::string text = overflow ? "%" : "";
  if (field.leading_sign) text += sign_text(field, negative);
  text.append(fill > 0 ? fill : 0, ' ');
  if (!field.leading_sign) text += sign_text(field, negative);
  if (zero_before_point) text += "0";
  text += integer_text;
  if (field.point) text += ".";
  return text + fraction_digits(m, places);
}

}  // namespace console
