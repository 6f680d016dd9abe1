#include "console/number_field_layout.h"

#include <algorithm>
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

// The integer digits fitted into the integer positions.
struct FittedInteger {
  bool overflow = false;           // more digits than the positions hold: "%", and the field grows
  int fill = 0;                    // filling blanks
  bool zero_before_point = false;  // a value below 1 with a position free
  std::string text;                // the digits, grouped in threes with the comma flag
};

FittedInteger fit_integer(const NumberField& field, const std::string& digits, bool negative) {
  FittedInteger fitted;
  // Without a leading sign the "-" takes one of the integer positions.
  const int positions = field.integer_positions - (negative && !field.leading_sign ? 1 : 0);
  const int k = static_cast<int>(digits.size());
  fitted.text = field.comma ? group_in_threes(digits) : digits;
  fitted.overflow = k > digit_capacity(field, positions);
  const int width = fitted.overflow ? static_cast<int>(fitted.text.size()) : positions;
  fitted.fill = std::max(width - static_cast<int>(fitted.text.size()), 0);
  fitted.zero_before_point = k == 0 && fitted.fill > 0;
  if (fitted.zero_before_point) --fitted.fill;
  return fitted;
}

}  // namespace

std::string lay_out_number_field(const NumberField& field, float x) {
  if (!std::isfinite(x)) return lay_out_non_finite(field, x);
  const int places = field.decimal_positions;
  const DecimalDigits exact = exact_decimal(x);
  const DecimalDigits m =
      round_decimal(exact, exact.point + places, DecimalRounding::HalfAwayFromZero);
  const bool negative = x < 0;
  const FittedInteger integer = fit_integer(field, integer_digits(m), negative);

  std::string text = integer.overflow ? "%" : "";
  if (field.leading_sign) text += sign_text(field, negative);
  text.append(integer.fill, ' ');
  if (!field.leading_sign) text += sign_text(field, negative);
  if (integer.zero_before_point) text += "0";
  text += integer.text;
  if (field.point) text += ".";
  return text + fraction_digits(m, places);
}

}  // namespace console
