// The digit rule of every number the program writes: a value rounded to 15
// significant digits and laid out exactly as C's printf "%.15G" lays it out.
#pragma once

#include <cstddef>

namespace tendencia {

// Longest text the digit rule can make, with room to spare:
// "1.23456789012345E-308" is 21 bytes.
constexpr std::size_t kMaxNumberChars = 24;

// Writes exactly the bytes snprintf(buffer, size, "%.15G", magnitude) writes in
// the "C" locale ("1.5E-07", "1E+15", "123456789012345", "0.0001", "0") and
// returns how many. `magnitude` must be finite; its sign is ignored (callers
// pass fabs, and -0.0 is "0"). `out` needs kMaxNumberChars bytes: all of them
// may be written, only the returned count is the text, with no NUL after it.
// Several times faster than snprintf; fifteen_digits.cc says why it is exact.
std::size_t fifteen_digits(double magnitude, char* out);

// The same bytes by the standard library's exact conversion: the reference the
// fast way falls back on in the rare cases it cannot decide alone.
std::size_t fifteen_digits_exact(double magnitude, char* out);

// The double that the 15-digit text of `value` denotes, sign kept: what a
// number becomes once written by the digit rule and read back, in any locale.
// Infinite only for a value within a 15-digit rounding of the double range's end.
double fifteen_digit_value(double value);

}  // namespace tendencia
