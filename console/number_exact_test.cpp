// The number text and the number fields checked over many floats of every magnitude,
// both signs, ties and subnormals, against an independent exact computation: the
// float's value m * 2^e as a big integer over a power of ten, rounded with integer
// arithmetic on its decimal digits.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "console/number_field.h"
#include "console/number_text.h"

namespace console {
namespace {

// ---- the exact value ----

// A non-negative big integer in base 10^9, least significant limb first.
using BigInt = std::vector<std::uint32_t>;
constexpr std::uint32_t kLimb = 1000000000;

void multiply(BigInt& n, std::uint32_t factor) {
  std::uint64_t carry = 0;
  for (auto& limb : n) {
    const std::uint64_t product = std::uint64_t{limb} * factor + carry;
    limb = static_cast<std::uint32_t>(product % kLimb);
    carry = product / kLimb;
  }
  if (carry != 0) n.push_back(static_cast<std::uint32_t>(carry));
}

std::string decimal_text(const BigInt& n) {
  std::string text = std::to_string(n.back());
  for (auto limb = n.rbegin() + 1; limb != n.rend(); ++limb) {
    const std::string digits = std::to_string(*limb);
    text += std::string(9 - digits.size(), '0') + digits;
  }
  return text;
}

// |x| = integer / 10^scale exactly; `integer` has no leading zeros ("0" for zero).
struct ExactValue {
  std::string integer;
  int scale = 0;
};

// A float is m * 2^e; for e < 0 that is m * 5^-e / 10^-e.
ExactValue exact_value(float x) {
  const auto bits = std::bit_cast<std::uint32_t>(x);
  const int biased = static_cast<int>((bits >> 23) & 0xFF);
  const std::uint32_t fraction = bits & 0x7FFFFF;
  const std::uint32_t m = biased == 0 ? fraction : fraction | 0x800000;
  const int e = biased == 0 ? -149 : biased - 150;
  BigInt n{m};
  ExactValue value;
  for (int left = e; left > 0; left -= 29) multiply(n, 1u << std::min(left, 29));
  for (int left = -e; left > 0; left -= 13) {
    std::uint32_t power = 1;
    for (int i = 0; i < std::min(left, 13); ++i) power *= 5;
    multiply(n, power);
  }
  value.integer = decimal_text(n);
  value.scale = e < 0 ? -e : 0;
  return value;
}

// ---- the number text ----

// Seven significant digits, ties to even, as an integer `kept` (1,000,000 to
// 9,999,999) and the decimal exponent of its first digit.
void round_to_seven_digits(const ExactValue& v, std::uint64_t& kept, int& exponent) {
  const std::string& d = v.integer;
  exponent = static_cast<int>(d.size()) - 1 - v.scale;
  std::string first_seven = d.substr(0, 7);
  first_seven.append(7 - first_seven.size(), '0');
  kept = std::stoull(first_seven);
  const std::string rest = d.size() > 7 ? d.substr(7) : "";
  const bool beyond_half = rest.find_first_not_of('0', 1) != std::string::npos;
  const char first_dropped = rest.empty() ? '0' : rest[0];
  if (first_dropped > '5' || (first_dropped == '5' && (beyond_half || kept % 2 == 1))) ++kept;
  if (kept == 10000000) {
    kept = 1000000;
    ++exponent;
  }
}

std::string expected_number_text(float x) {
  if (x == 0) return " 0";
  std::uint64_t kept = 0;
  int exponent = 0;
  round_to_seven_digits(exact_value(x), kept, exponent);
  int n = 7;
  for (; kept % 10 == 0; kept /= 10) --n;
  const std::string digits = std::to_string(kept);
  const int places = n - 1 - exponent;
  std::string text = x < 0 ? "-" : " ";
  if (exponent <= 6 && places <= 7) {
    if (places <= 0) return text + digits + std::string(-places, '0');
    std::string padded = std::string(std::max(0, places + 1 - n), '0') + digits;
    std::string whole = padded.substr(0, padded.size() - places);
    if (whole == "0") whole.clear();
    return text + whole + "." + padded.substr(padded.size() - places);
  }
  text += digits.substr(0, 1);
  if (n > 1) text += "." + digits.substr(1);
  char tail[16];
  std::snprintf(tail, sizeof tail, "E%c%02d", exponent >= 0 ? '+' : '-', std::abs(exponent));
  return text + tail;
}

// ---- number fields ----

struct FieldCase {
  const char* format;
  bool leading_sign;
  int integer_positions;
  bool comma;
  bool point;
  int decimal_positions;
};

constexpr FieldCase FIELDS[] = {
    {"##", false, 2, false, false, 0},       {"###.", false, 3, false, true, 0},
    {"#.##", false, 1, false, true, 2},      {"######,", false, 7, true, false, 0},
    {"+##", true, 2, false, false, 0},
};

// Adds one to a decimal digit string.
void add_one(std::string& digits) {
  int i = static_cast<int>(digits.size()) - 1;
  for (; i >= 0 && digits[i] == '9'; --i) digits[i] = '0';
  if (i < 0) {
    digits.insert(digits.begin(), '1');
  } else {
    ++digits[i];
  }
}

// |x| * 10^places rounded half away from zero: a 5 in the first dropped place rounds up.
std::string scaled_half_away(const ExactValue& v, int places) {
  const int drop = v.scale - places;
  if (drop <= 0) return v.integer + std::string(-drop, '0');
  const int size = static_cast<int>(v.integer.size());
  std::string kept = drop < size ? v.integer.substr(0, size - drop) : "0";
  const char first_dropped = drop <= size ? v.integer[size - drop] : '0';
  if (first_dropped >= '5') add_one(kept);
  return kept;
}

std::string with_commas(const std::string& digits) {
  std::string grouped;
  for (std::size_t from_right = 0; from_right < digits.size(); ++from_right) {
    if (from_right > 0 && from_right % 3 == 0) grouped.insert(grouped.begin(), ',');
    grouped.insert(grouped.begin(), digits[digits.size() - 1 - from_right]);
  }
  return grouped;
}

std::string expected_field(const FieldCase& f, float x) {
  std::string scaled = scaled_half_away(exact_value(x), f.decimal_positions);
  const auto d = static_cast<std::size_t>(f.decimal_positions);
  if (scaled.size() < d + 1) scaled.insert(0, d + 1 - scaled.size(), '0');
  std::string whole = scaled.substr(0, scaled.size() - d);
  whole.erase(0, whole.find_first_not_of('0'));
  const std::string decimals = scaled.substr(scaled.size() - d);

  const bool negative = x < 0;
  const int r = f.integer_positions - (negative && !f.leading_sign ? 1 : 0);
  const int capacity = f.comma ? r - r / 4 : r;
  const std::string integer_text = f.comma ? with_commas(whole) : whole;
  const bool overflow = static_cast<int>(whole.size()) > capacity;
  int fill = (overflow ? static_cast<int>(integer_text.size()) : r) -
             static_cast<int>(integer_text.size());
  const bool zero = whole.empty() && fill > 0;
  if (zero) --fill;
  std::string text = overflow ? "%" : "";
  if (f.leading_sign) text += negative ? "-" : "+";
  text += std::string(std::max(fill, 0), ' ');
  if (!f.leading_sign && negative) text += "-";
  if (zero) text += "0";
  text += integer_text;
  if (f.point) text += ".";
  return text + decimals;
}

// ---- the values ----

void add_with_neighbours(std::vector<float>& values, float x) {
  for (float v : {x, -x}) {
    values.push_back(v);
    values.push_back(std::nextafter(v, INFINITY));
    values.push_back(std::nextafter(v, -INFINITY));
  }
}

// Exact ties at the eighth significant digit: M / 10^s where M has 8 digits and ends
// in 5, representable as q / 2^s with q = M / 5^s below 2^24.
void add_text_ties(std::vector<float>& values, std::mt19937& rng) {
  std::uint64_t five_power = 1;
  for (int s = 0; s <= 11; ++s, five_power *= 5) {
    const std::uint64_t low = (10000000 + five_power - 1) / five_power;
    const std::uint64_t high = std::min<std::uint64_t>(100000000 / five_power, 1u << 24);
    for (int i = 0; i < 1500; ++i) {
      std::uint64_t q = low + rng() % (high - low);
      q = s == 0 ? q - q % 10 + 5 : q | 1;
      const std::uint64_t m = q * five_power;
      if (m < 10000000 || m >= 100000000 || q >= (1u << 24)) continue;
      add_with_neighbours(values, std::ldexp(static_cast<float>(q), -s));
    }
  }
}

// Ties of the fields: halves for the integer fields, odd eighths for two places.
void add_field_ties(std::vector<float>& values, std::mt19937& rng) {
  for (int i = 0; i < 8000; ++i) {
    const auto n = static_cast<float>(i < 2000 ? i : rng() % 4000000);
    add_with_neighbours(values, n + 0.5f);
    add_with_neighbours(values, static_cast<float>(rng() % 100000) + (2 * (rng() % 4) + 1) / 8.0f);
  }
}

std::vector<float> sample_values() {
  std::mt19937 rng(271828);
  std::vector<float> values;
  for (int i = 0; i < 150000; ++i) {
    const float x = std::bit_cast<float>(static_cast<std::uint32_t>(rng()));
    if (std::isfinite(x)) values.push_back(x);
  }
  for (int i = 0; i < 5000; ++i) {
    values.push_back(std::bit_cast<float>(static_cast<std::uint32_t>(rng() & 0x807FFFFF)));
  }
  for (int p = -45; p <= 38; ++p) {
    add_with_neighbours(values, std::strtof(("1e" + std::to_string(p)).c_str(), nullptr));
  }
  add_text_ties(values, rng);
  add_field_ties(values, rng);
  return values;
}

std::string describe(float x) {
  char text[64];
  std::snprintf(text, sizeof text, "%a (bits %08x)", static_cast<double>(x),
                std::bit_cast<std::uint32_t>(x));
  return text;
}

TEST(NumberExact, TextAndFieldsAgreeWithTheExactValueOfEveryFloat) {
  int mismatches = 0;
  for (float x : sample_values()) {
    if (mismatches >= 20) break;  // enough to see what is wrong
    const std::string text = number_to_text(x);
    if (text != expected_number_text(x)) {
      ++mismatches;
      ADD_FAILURE() << describe(x) << ": text " << text << ", expected "
                    << expected_number_text(x);
    }
    for (const FieldCase& f : FIELDS) {
      ErrorState errors;
      std::string output;
      format_number_field(errors, f.format, 0, x, output);
      if (output != expected_field(f, x)) {
        ++mismatches;
        ADD_FAILURE() << describe(x) << " in \"" << f.format << "\": " << output
                      << ", expected " << expected_field(f, x);
      }
    }
  }
}

}  // namespace
}  // namespace console
