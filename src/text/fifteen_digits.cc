#include "text/fifteen_digits.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "text/powers_of_ten.h"

// Why the fast way is exact
//
// A finite double is m * 2^e with m an integer; shifted so m has its top bit set,
// 2^b <= magnitude < 2^(b+1) with b = e + 63. The estimate k = floor(b * log10 2)
// gives 10^k <= magnitude < 2 * 10^(k+1), so y = magnitude * 10^(14-k) lies in
// [10^14, 2 * 10^15): its integer part has the 15 wanted digits, or 16 when the
// estimate was one short, and what lies beyond decides the rounding.
//
// With P the truncated 128-bit power of ten (P <= 10^q / 2^s < P + 1) the
// product m * P has 192 bits; its top 128 bits, S = floor(m * P / 2^64), are y
// in fixed point with 77 to 80 fraction bits, and fall short of it by
//   (m * P mod 2^64 + m * (10^q / 2^s - P)) / 2^64 < (2^64 + 2^64) / 2^64 = 2
// units of the last bit. The top 64 fraction bits F, read as a fraction of 2^64,
// then fall short of the true fraction by less than 1 + 2 / 2^13 units: the
// true dropped part lies in [F, F + 2) / 2^64. When y has 16 digits the dropped
// part is (d + fraction) / 10 with d the 16th digit; computed as
// d * floor(2^64 / 10) + floor(F / 10) it falls short by less than
// 0.6 * 9 + 1 + 0.2 < 8 units. Every step rounds down, so the true dropped part
// is never below the computed one and less than 8 units above it.
//
// So when the computed dropped part is more than 8 units from half-way, the
// true one is on the same side and rounding up or down is certain. Only inside
// that window (exact ties such as 805463892823624.5, which printf rounds to the
// even digit, and values a hair from a tie) is the answer left to the exact
// conversion of the standard library; other values land there with a chance of
// about 2^-59.
//
// Rounding at the 15th digit is also what decides printf's layout: "%.15G" uses
// the exponent form exactly when the exponent of the rounded value is below -4
// or at least 15, so 999999999999999.9 (which rounds to 1E+15) and values
// rounding to 1E-05 are laid out from the rounded digits, as printf does.

namespace tendencia {
namespace {

__extension__ typedef unsigned __int128 UInt128;

constexpr std::uint64_t kTen14 = 100000000000000;
constexpr std::uint64_t kTen15 = 1000000000000000;

static_assert(sizeof kPowersOfTen / sizeof kPowersOfTen[0] ==
              kLastPowerOfTen - kFirstPowerOfTen + 1);

// A magnitude rounded to 15 significant digits: digits * 10^(exponent - 14),
// with 10^14 <= digits < 10^15.
struct RoundedValue {
  std::uint64_t digits;
  int exponent;
};

// Rounds a positive finite double, given by its bits, half to even on its exact
// value; false when the dropped part is too close to half-way to be sure of the
// direction.
bool round_to_fifteen_digits(std::uint64_t bits, RoundedValue& rounded) {
  // The significand with its top bit set, and the power of two it goes with.
  std::uint64_t significand = bits << 11 | std::uint64_t{1} << 63;
  int binary_exponent = static_cast<int>(bits >> 52) - 1075 - 11;
  if (bits >> 52 == 0) {  // subnormal: no implicit bit
    int shift = __builtin_clzll(bits);
    significand = bits << shift;
    binary_exponent = -1074 - shift;
  }

  int binade = binary_exponent + 63;
  int low_exponent = (binade * 78913) >> 18;  // floor(binade * log10(2))
  int power = 14 - low_exponent;
  int power_shift = ((power * 1741647) >> 19) - 127;  // as in powers_of_ten.h
  const PowerOfTen& p = kPowersOfTen[power - kFirstPowerOfTen];
  UInt128 scaled = static_cast<UInt128>(significand) * p.high +
                   ((static_cast<UInt128>(significand) * p.low) >> 64);
  int spare_bits = -(binary_exponent + power_shift + 128);  // 13 to 16
  auto scaled_high = static_cast<std::uint64_t>(scaled >> 64);
  auto scaled_low = static_cast<std::uint64_t>(scaled);
  std::uint64_t whole = scaled_high >> spare_bits;
  std::uint64_t dropped = scaled_high << (64 - spare_bits) | scaled_low >> spare_bits;

  int exponent = low_exponent;
  if (whole >= kTen15) {
    std::uint64_t sixteenth_digit = whole % 10;
    whole /= 10;
    dropped = sixteenth_digit * (~std::uint64_t{0} / 10) + dropped / 10;
    ++exponent;
  }
  constexpr std::uint64_t kHalf = std::uint64_t{1} << 63;
  constexpr std::uint64_t kMargin = 8;  // the computed dropped part falls short by less
  if (dropped - (kHalf - kMargin) <= 2 * kMargin) return false;
  whole += dropped > kHalf;
  if (whole == kTen15) {
    whole = kTen14;
    ++exponent;
  }
  rounded = {whole, exponent};
  return true;
}

static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__,
              "the digits are laid out eight at a time in little-endian words");

constexpr std::uint64_t kAsciiZeros = 0x3030303030303030;

// The eight decimal digits of value < 10^8 as ASCII, the first in the lowest
// byte: four-digit halves, then two-digit quarters, then single digits, split
// in parallel by multiplying by reciprocals that are exact in these ranges
// (x * 10486 >> 20 is x / 100 for x < 10^4, x * 103 >> 10 is x / 10 for x < 100;
// checked for all 10^8 values when written).
// Each split puts x / d in the lower lane and x % d in the upper one as
// (x << lane) - (x / d) * (d << lane) + x / d, which never borrows across lanes.
inline std::uint64_t eight_digits(std::uint32_t value) {
  std::uint64_t halves = (std::uint64_t{value} << 32) - (value / 10000) * ((10000ull << 32) - 1);
  std::uint64_t hundreds = (halves * 10486 >> 20) & 0x0000007F0000007F;
  std::uint64_t quarters = (halves << 16) - hundreds * ((100 << 16) - 1);
  std::uint64_t tens = (quarters * 103 >> 10) & 0x000F000F000F000F;
  return (quarters << 8) - tens * ((10 << 8) - 1) + kAsciiZeros;
}

// The word with a "." put in at byte `position` (0..7), the bytes from there on
// moved up by one; the top byte falls off.
std::uint64_t with_point_at(std::uint64_t word, int position) {
  std::uint64_t before = (std::uint64_t{1} << 8 * position) - 1;
  return (word & before) | std::uint64_t{'.'} << 8 * position | (word & ~before) << 8;
}

void store_word(char* out, std::uint64_t word) { std::memcpy(out, &word, sizeof word); }

// Lays the rounded value out as "%.15G" does: fixed notation when the exponent
// is -4..14, else d.dddE+XX; trailing zeros and a bare decimal point dropped.
// Works in whole words, writing up to 21 bytes; only the returned count counts.
std::size_t lay_out(const RoundedValue& rounded, char* out) {
  // Digits 1-8 and 9-15 (the latter followed by a 0).
  std::uint64_t first = eight_digits(static_cast<std::uint32_t>(rounded.digits / 10000000));
  std::uint64_t last = eight_digits(static_cast<std::uint32_t>(rounded.digits % 10000000 * 10));
  // Each trailing zero digit is a zero byte once the ASCII zeros are taken away.
  std::uint64_t last_values = last - kAsciiZeros;
  std::size_t significant =
      last_values != 0 ? 16 - static_cast<unsigned>(__builtin_clzll(last_values)) / 8
                       : 8 - static_cast<unsigned>(__builtin_clzll(first - kAsciiZeros)) / 8;

  int exponent = rounded.exponent;
  if (exponent >= 0 && exponent < 15) {
    if (exponent < 7) {
      store_word(out, with_point_at(first, exponent + 1));
      store_word(out + 8, first >> 56 | last << 8);
    } else {
      store_word(out, first);
      store_word(out + 8, with_point_at(last, exponent - 7));
    }
    auto whole_digits = static_cast<std::size_t>(exponent) + 1;
    return significant > whole_digits ? significant + 1 : whole_digits;
  }
  if (exponent < 0 && exponent >= -4) {
    auto before_digits = static_cast<std::size_t>(1 - exponent);  // "0.", then zeros
    store_word(out, 0x303030303030'2e30);  // "0.000000"
    store_word(out + before_digits, first);
    store_word(out + before_digits + 8, last);
    return before_digits + significant;
  }
  store_word(out, with_point_at(first, 1));
  store_word(out + 8, first >> 56 | last << 8);
  std::size_t length = significant > 1 ? significant + 1 : 1;
  out[length++] = 'E';
  out[length++] = exponent < 0 ? '-' : '+';
  unsigned magnitude = static_cast<unsigned>(exponent < 0 ? -exponent : exponent);
  if (magnitude >= 100) {
    out[length++] = static_cast<char>('0' + magnitude / 100);
    magnitude %= 100;
  }
  out[length++] = static_cast<char>('0' + magnitude / 10);
  out[length++] = static_cast<char>('0' + magnitude % 10);
  return length;
}

}  // namespace

std::size_t fifteen_digits_exact(double magnitude, char* out) {
  if (magnitude == 0.0) {
    out[0] = '0';
    return 1;
  }
  // The standard defines to_chars with a precision as printf's %.*g in the "C"
  // locale, computed on the exact binary value.
  auto result = std::to_chars(out, out + kMaxNumberChars, magnitude,
                              std::chars_format::general, 15);
  auto length = static_cast<std::size_t>(result.ptr - out);
  for (std::size_t i = 0; i < length; ++i)
    if (out[i] == 'e') out[i] = 'E';
  return length;
}

std::size_t fifteen_digits(double magnitude, char* out) {
  magnitude = std::fabs(magnitude);  // so that -0.0 too is "0"
  std::uint64_t bits;
  std::memcpy(&bits, &magnitude, sizeof bits);
  if (bits == 0) {
    out[0] = '0';
    return 1;
  }
  // Infinity and NaN, outside the contract, get the exact conversion's text
  // rather than a read beyond the table of powers.
  constexpr std::uint64_t kInfinityBits = std::uint64_t{0x7ff} << 52;
  RoundedValue rounded;
  if (bits >= kInfinityBits || !round_to_fifteen_digits(bits, rounded))
    return fifteen_digits_exact(magnitude, out);
  return lay_out(rounded, out);
}

double fifteen_digit_value(double value) {
  char digits[kMaxNumberChars + 1];
  digits[fifteen_digits(value, digits)] = '\0';
  // strtod is correctly rounded, and a text of at most 15 significant digits
  // survives the way back to text unchanged: the report's text and this number
  // denote the same value.
  const double magnitude = std::strtod(digits, nullptr);
  return value < 0.0 ? -magnitude : magnitude;
}

}  // namespace tendencia
