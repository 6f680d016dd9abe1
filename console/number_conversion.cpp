#include "console/number_conversion.h"

#include <cmath>
#include <limits>

namespace console {

namespace {

// x rounded to the nearest integer, ties to even, whatever the processor's rounding
// mode. Every extended value from 2^63 up is an integer, and below it f + 0.5 is exact.
long double nearest_integer(long double x) {
  const long double f = std::floor(x);
  if (f == x || std::isnan(x)) return x;
  const long double middle = f + 0.5L;
  if (x < middle) return f;
  if (x > middle) return f + 1;
  return std::fmod(f, 2.0L) == 0 ? f : f + 1;
}

}  // namespace

std::int64_t round_to_int64(long double x) {
  constexpr long double kLimit = 0x1p63L;
  const long double r = nearest_integer(x);
  if (!(r >= -kLimit && r < kLimit)) return std::numeric_limits<std::int64_t>::min();
  return static_cast<std::int64_t>(r);
}

std::int16_t round_to_int16(ErrorState& errors, double x) {
  if (!(x >= -32768.5 && x < 32767.5)) {
    raise_runtime_error(errors, kErrorOverflow);
    return 0;
  }
  return static_cast<std::int16_t>(nearest_integer(x));
}

float integer_part(float x) { return std::floor(x); }
double integer_part(double x) { return std::floor(x); }
long double integer_part(long double x) { return std::floor(x); }

}  // namespace console
