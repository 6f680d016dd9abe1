#include "console/number_text.h"

#include <cmath>
#include <cstdlib>

#include "console/number_decimal.h"

namespace console {

namespace {

constexpr int kSignificantDigits = 7;
constexpr int kLargestFixedExponent = 6;  // below 10,000,000
constexpr int kMostFixedPlaces = 7;

// Plain decimal notation; below 1 the text starts at the point.
std::string fixed_form(const DecimalDigits& value) {
  const auto size = static_cast<int>(value.digits.size());
  const int places = size > value.point ? size - value.point : 0;
  std::string text = integer_digits(value);
  if (places > 0) text += "." + fraction_digits(value, places);
  return text;
}

// The first digit, the others after a point, and "E" with a signed two-digit exponent.
std::string exponent_form(const DecimalDigits& value) {
  std::string text = value.digits.substr(0, 1);
  if (value.digits.size() > 1) text += "." + value.digits.substr(1);
  const int exponent = value.point - 1;
  const std::string magnitude = std::to_string(std::abs(exponent));
  text += exponent >= 0 ? "E+" : "E-";
  if (magnitude.size() < 2) text += "0";
  return text + magnitude;
}

}  // namespace

std::string number_to_text(float x) {
  const std::string sign = std::signbit(x) && x != 0 ? "-" : " ";
  if (std::isnan(x)) return sign + "NAN";
  if (std::isinf(x)) return sign + "INF";
  if (x == 0) return " 0";
  const DecimalDigits value =
      round_decimal(exact_decimal(x), kSignificantDigits, DecimalRounding::TiesToEven);
  const int exponent = value.point - 1;
  const int places = static_cast<int>(value.digits.size()) - value.point;
  const bool fixed = exponent <= kLargestFixedExponent && places <= kMostFixedPlaces;
  return sign + (fixed ? fixed_form(value) : exponent_form(value));
}

std::string number_to_text_int16(std::int16_t n) {
  const int value = n;
  return (value < 0 ? "-" : " ") + std::to_string(std::abs(value));
}

}  // namespace console
