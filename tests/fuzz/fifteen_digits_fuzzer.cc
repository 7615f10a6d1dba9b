// fifteen_digits against printf's "%.15G" on many doubles per input. Each 8
// bytes give a double from their bits and a decimal of 16 digits ending in 5
// (a tie or a hair from one, where rounding is hardest), each with the doubles
// one ulp either side. Any difference stops the run with both texts.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "text/fifteen_digits.h"

namespace {

using tendencia::fifteen_digits;
using tendencia::kMaxNumberChars;

// How many values this run has compared, told when it ends.
std::uint64_t& values_compared() {
  static std::uint64_t count = 0;
  static const bool told = std::atexit([] {
    std::fprintf(stderr, "fifteen_digits_fuzzer: %llu values compared with printf\n",
                 static_cast<unsigned long long>(values_compared()));
  }) == 0;
  (void)told;
  return count;
}

void compare(double magnitude) {
  char fast[kMaxNumberChars + 1];
  std::size_t length = fifteen_digits(magnitude, fast);
  if (length > kMaxNumberChars) std::abort();
  fast[length] = '\0';
  char printed[64];
  std::snprintf(printed, sizeof printed, "%.15G", magnitude);
  if (std::strcmp(fast, printed) != 0) {
    std::fprintf(stderr, "%a: fifteen_digits \"%s\", printf \"%s\"\n", magnitude, fast, printed);
    std::abort();
  }
  ++values_compared();
}

void compare_with_neighbours(double magnitude) {
  if (!std::isfinite(magnitude)) return;
  compare(magnitude);
  if (magnitude > 0) compare(std::nextafter(magnitude, 0.0));
  double above = std::nextafter(magnitude, INFINITY);
  if (std::isfinite(above)) compare(above);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  for (std::size_t at = 0; at + 8 <= size; at += 8) {
    std::uint64_t bits;
    std::memcpy(&bits, data + at, sizeof bits);
    double from_bits;
    std::uint64_t magnitude_bits = bits & ~(std::uint64_t{1} << 63);
    std::memcpy(&from_bits, &magnitude_bits, sizeof from_bits);
    compare_with_neighbours(from_bits);

    // 15 digits from the high bits, then a 5, with an exponent over the whole
    // range from the low ones.
    std::uint64_t digits = 100000000000000 + (bits >> 11) % 900000000000000;
    int exponent = static_cast<int>(bits & 0x7ff) % 650 - 340;
    std::string decimal = std::to_string(digits) + "5E" + std::to_string(exponent);
    compare_with_neighbours(std::strtod(decimal.c_str(), nullptr));
  }
  return 0;
}
