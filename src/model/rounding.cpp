#include "model/rounding.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace model {

namespace {

// Nearest whole number with halves to even, whatever the current rounding mode.
double HalfToEven(double v) {
  // A whole number is its own nearest (the common case: the view's scale after every
  // drawing call); telling it costs less than the floor.
  if (std::fabs(v) < 4503599627370496.0 && static_cast<double>(static_cast<int64_t>(v)) == v) return v;
  const double down = std::floor(v);
  const double diff = v - down;
  if (diff < 0.5) return down;
  if (diff > 0.5) return down + 1.0;
  return std::fmod(down, 2.0) == 0.0 ? down : down + 1.0;
}

template <typename Int>
Int RoundToInt(double value) {
  if (std::isnan(value)) return 0;
  const double r = HalfToEven(value);
  if (r <= static_cast<double>(std::numeric_limits<Int>::min())) return std::numeric_limits<Int>::min();
  if (r >= static_cast<double>(std::numeric_limits<Int>::max())) return std::numeric_limits<Int>::max();
  return static_cast<Int>(r);
}

bool FitsSingle(double v) { return std::isfinite(v) && std::fabs(v) <= std::numeric_limits<float>::max(); }

}  // namespace

int16_t RoundToInt16(double value) { return RoundToInt<int16_t>(value); }
int32_t RoundToInt32(double value) { return RoundToInt<int32_t>(value); }

float SaturateToSingle(double value) {
  if (std::isnan(value)) return std::numeric_limits<float>::quiet_NaN();
  constexpr double Largest = std::numeric_limits<float>::max();
  return static_cast<float>(std::clamp(value, -Largest, Largest));
}

void RoundToDigits(float& X, int16_t Digits) {
  if (!std::isfinite(X)) return;
  if (Digits == 0) {
    const float entry = X;
    const float R = static_cast<float>(HalfToEven(entry));
    X = R;
    if (static_cast<float>(static_cast<double>(entry) - R) == 0.5f) X = R + 1.0f;
    return;
  }
  // A whole number has no decimals to round. Past 2^24 the scaled value no longer fits a
  // single exactly, and holding it as one would move such a number (10737419 to 2
  // decimals gave 10737420).
  if (Digits > 0 && X == std::trunc(X)) return;
  const double scale = std::pow(10.0, Digits);
  const double P = scale * static_cast<double>(X);
  if (!FitsSingle(P)) return;
  float T = static_cast<float>(std::trunc(P));
  const float S = static_cast<float>(P);
  const float F = S - T;
  if (F >= 0.5f) T = T + 1.0f;
  // Far negative Digits make 10^Digits 0 in double; their scaled value is then 0 and so
  // is the result, which the division would turn into a non-number.
  if (T == 0.0f) {
    X = T;
    return;
  }
  const double result = static_cast<double>(T) / scale;
  if (!FitsSingle(result)) return;
  X = static_cast<float>(result);
}

}  // namespace model
