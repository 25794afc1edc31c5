#pragma once
// The program's rounding rules. Each caller names the rule it needs; none of them is
// std::round, which sends halves away from zero.

#include <cstdint>

namespace model {

// Rounds X in place to Digits decimals; negative Digits round to tens, hundreds and so
// on. With Digits not 0 a positive value goes half up and a negative value is cut toward
// zero at the last kept decimal (the halfway test is made on the scaled value held in
// single precision). With Digits 0 every value goes to the nearest whole number, halves
// upward. A whole number rounded to decimals, and a scaled value outside the single
// range, leave X unchanged. Every 16-bit Digits is safe.
void RoundToDigits(float& X, int16_t Digits);

// Whole numbers for 16-bit and 32-bit fields: nearest, a half to the even neighbour.
// Values beyond the type's range saturate and a non-number gives 0, so a bad input can
// never stop the program.
int16_t RoundToInt16(double value);
int32_t RoundToInt32(double value);

// The single nearest to `value`, held at the largest single of its sign beyond the single
// range, so a length reckoned in doubles (a multiple of a very large zoom scale) stays a
// finite position.
float SaturateToSingle(double value);

// The smallest and largest of four values; of equal values the earlier one stays.
template <typename T>
void Min4(T A, T B, T C, T D, T& Result) {
  Result = A;
  if (Result > B) Result = B;
  if (Result > C) Result = C;
  if (Result > D) Result = D;
}

template <typename T>
void Max4(T A, T B, T C, T D, T& Result) {
  Result = A;
  if (Result < B) Result = B;
  if (Result < C) Result = C;
  if (Result < D) Result = D;
}

}  // namespace model
