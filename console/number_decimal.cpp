#include "console/number_decimal.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace console {

namespace {

// More significant digits than any float's exact expansion holds (at most 112), so the
// conversion below writes the exact value and never rounds.
constexpr int kExactPrecision = 150;

void drop_trailing_zeros(DecimalDigits& value) {
  const auto last = value.digits.find_last_not_of('0');
  value.digits.erase(last == std::string::npos ? 0 : last + 1);
  if (value.digits.empty()) value.point = 0;
}

bool rounds_up(const std::string& digits, int kept, DecimalRounding rounding) {
  const char first_dropped = digits[kept];
  if (rounding == DecimalRounding::HalfAwayFromZero) return first_dropped >= '5';
  if (first_dropped != '5') return first_dropped > '5';
  const bool more_follows = static_cast<std::size_t>(kept) + 1 < digits.size();
  const bool last_kept_odd = kept > 0 && (digits[kept - 1] - '0') % 2 == 1;
  return more_follows || last_kept_odd;
}

// Adds one unit in the last place of `value`; all nines carry into a new first digit.
void increment(DecimalDigits& value) {
  std::string& d = value.digits;
  int i = static_cast<int>(d.size()) - 1;
  while (i >= 0 && d[i] == '9') d[i--] = '0';
  if (i >= 0) {
    ++d[i];
  } else {
    d.insert(d.begin(), '1');
    ++value.point;
  }
}

}  // namespace

DecimalDigits exact_decimal(float x) {
  DecimalDigits value;
  if (x == 0) return value;
  // glibc writes the exact binary value in the "d.ddd...e+XX" form.
  char text[kExactPrecision + 16];
  std::snprintf(text, sizeof text, "%.*e", kExactPrecision,
                static_cast<double>(std::fabs(x)));
  value.digits.push_back(text[0]);
  value.digits.append(text + 2, kExactPrecision);
  value.point = std::atoi(text + 3 + kExactPrecision) + 1;
  drop_trailing_zeros(value);
  return value;
}

DecimalDigits round_decimal(const DecimalDigits& value, int kept, DecimalRounding rounding) {
  if (kept >= static_cast<int>(value.digits.size())) return value;
  if (kept < 0) return DecimalDigits{};
  DecimalDigits result{value.digits.substr(0, kept), value.point};
  if (rounds_up(value.digits, kept, rounding)) increment(result);
  drop_trailing_zeros(result);
  return result;
}

std::string integer_digits(const DecimalDigits& value) {
  if (value.point <= 0) return "";
  const auto size = static_cast<int>(value.digits.size());
  if (value.point <= size) return value.digits.substr(0, value.point);
  return value.digits + std::string(value.point - size, '0');
}

std::string fraction_digits(const DecimalDigits& value, int places) {
  std::string fraction;
  for (int place = value.point; place < value.point + places; ++place) {
    const bool inside = place >= 0 && place < static_cast<int>(value.digits.size());
    fraction.push_back(inside ? value.digits[place] : '0');
  }
  return fraction;
}

}  // namespace console
