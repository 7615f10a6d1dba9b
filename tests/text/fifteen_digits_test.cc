#include "text/fifteen_digits.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

namespace tendencia {
namespace {

// How many values each family gets, in batches of 2,500 times this (about 12
// million values in all at 20). Builds with sanitizers or without optimisation
// check a twentieth of them so that their run stays short.
#ifndef TENDENCIA_FIFTEEN_DIGITS_THOROUGHNESS
#if defined(__SANITIZE_ADDRESS__) || !defined(NDEBUG)
#define TENDENCIA_FIFTEEN_DIGITS_THOROUGHNESS 1
#else
#define TENDENCIA_FIFTEEN_DIGITS_THOROUGHNESS 20
#endif
#endif
constexpr int kBatch = 2500 * TENDENCIA_FIFTEEN_DIGITS_THOROUGHNESS;

std::string fast_text(double magnitude) {
  char out[kMaxNumberChars];
  return std::string(out, fifteen_digits(magnitude, out));
}

std::string printf_text(double magnitude) {
  char out[64];
  std::snprintf(out, sizeof out, "%.15G", magnitude);
  return out;
}

// Compares the formatter with printf value after value; reports the first few
// that differ, with their exact bits.
class AgreementCheck {
 public:
  ~AgreementCheck() {
    ::testing::Test::RecordProperty("values_checked", std::to_string(checked_));
  }

  void operator()(double magnitude) {
    ++checked_;
    char fast[kMaxNumberChars + 1];
    fast[fifteen_digits(magnitude, fast)] = '\0';
    char printed[64];
    std::snprintf(printed, sizeof printed, "%.15G", magnitude);
    if (std::strcmp(fast, printed) != 0 && ++mismatches_ <= 10) {
      char exact[64];
      std::snprintf(exact, sizeof exact, "%.17G (%a)", magnitude, magnitude);
      ADD_FAILURE() << exact << ": \"" << fast << "\" instead of \"" << printed << "\"";
    }
  }

  // The value and the `ulps` doubles on each side of it (never below zero).
  void with_neighbours(double magnitude, int ulps) {
    (*this)(magnitude);
    double below = magnitude, above = magnitude;
    for (int i = 0; i < ulps; ++i) {
      if (below > 0) (*this)(below = std::nextafter(below, 0.0));
      if (above < DBL_MAX) (*this)(above = std::nextafter(above, INFINITY));
    }
  }

  void decimal(const std::string& text, int ulps) {
    double magnitude = std::strtod(text.c_str(), nullptr);
    if (std::isfinite(magnitude)) with_neighbours(magnitude, ulps);
  }

 private:
  std::uint64_t checked_ = 0;
  int mismatches_ = 0;
};

// "d.ddd..." with `digits` random significant digits.
std::string random_digits(std::mt19937_64& random, int digits) {
  std::string text(1, static_cast<char>('1' + random() % 9));
  text += '.';
  for (int i = 1; i < digits; ++i) text += static_cast<char>('0' + random() % 10);
  return text;
}

// Does the exact binary value of `magnitude` have 16 significant digits, the
// last a 5? Then printf rounds it half to even.
bool is_exact_tie(double magnitude) {
  char exact[64];
  std::snprintf(exact, sizeof exact, "%.30E", magnitude);  // d.<30 digits>E..
  return exact[16] == '5' && std::strspn(exact + 17, "0") == 15;
}

TEST(FifteenDigits, LaysOutNumbersAsPercentG) {
  struct Case {
    double magnitude;
    const char* text;
  };
  const Case cases[] = {
      {0.0, "0"},
      {-0.0, "0"},
      {1.0, "1"},
      {2001.0, "2001"},
      {0.25, "0.25"},
      {1.0 / 3, "0.333333333333333"},
      {123456789012345.0, "123456789012345"},
      {1e15, "1E+15"},
      {999999999999999.9, "1E+15"},
      {1.5e-7, "1.5E-07"},
      {1e-5, "1E-05"},
      {9.9999999999999996e-6, "1E-05"},
      {0.0001, "0.0001"},
      {0.0000999999999999999995, "0.0001"},
      {0.000123456789012345678, "0.000123456789012346"},
      {1e100, "1E+100"},
      {805463892823624.5, "805463892823624"},  // ties go to the even digit
      {805463892823625.5, "805463892823626"},
      {DBL_MAX, "1.79769313486232E+308"},
      {DBL_MIN, "2.2250738585072E-308"},
      {4.9406564584124654e-324, "4.94065645841247E-324"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(fast_text(c.magnitude), c.text) << printf_text(c.magnitude);
    char exact[kMaxNumberChars];
    EXPECT_EQ(std::string(exact, fifteen_digits_exact(c.magnitude, exact)), c.text);
  }
}

TEST(FifteenDigits, AgreesWithPrintfOnRandomBitPatterns) {
  AgreementCheck check;
  std::mt19937_64 random(20261208);
  for (int i = 0; i < 80 * kBatch; ++i) {
    std::uint64_t bits = random() >> 1;  // no sign
    double magnitude;
    std::memcpy(&magnitude, &bits, sizeof magnitude);
    if (std::isfinite(magnitude)) check(magnitude);
  }
}

// Each n gives the doubles c / 2^n (c odd) whose exact decimal has 16 significant
// digits ending in 5: n = 1 is 805463892823624.5, n = 22 about 2E-07. Integers of
// 16 digits ending in 5, and ten times them, complete the families.
TEST(FifteenDigits, RoundsExactTiesHalfToEvenAndTheirNeighboursLikePrintf) {
  AgreementCheck check;
  std::mt19937_64 random(5);
  int ties = 0;
  for (int n = -1; n <= 22; ++n) {
    for (int i = 0; i < kBatch; ++i) {
      double magnitude;
      if (n == 0) {
        magnitude = static_cast<double>(1000000000000005 + 10 * (random() % 799000000000000));
      } else if (n == -1) {
        magnitude = 10.0 * static_cast<double>(1000000000000005 + 10 * (random() % 79000000000000));
      } else {
        // c / 2^n has n decimals, so 16 significant digits within
        // [10^(15-n), 10^(16-n)); there c stays below 2^53 for n <= 22.
        double lowest = std::pow(10.0, 15 - n);
        double inside = lowest * (1 + 9 * static_cast<double>(random() % 1000000) / 1e6);
        auto c = static_cast<std::uint64_t>(std::ldexp(inside, n)) | 1;
        magnitude = std::ldexp(static_cast<double>(c), -n);
      }
      if (!is_exact_tie(magnitude)) continue;
      ++ties;
      check.with_neighbours(magnitude, 1);
    }
  }
  EXPECT_GT(ties, 20 * kBatch);  // most candidates are ties
}

TEST(FifteenDigits, AgreesWithPrintfOnDecimalsOfFifteenToSeventeenDigits) {
  AgreementCheck check;
  std::mt19937_64 random(17);
  for (int i = 0; i < 20 * kBatch; ++i) {
    int exponent = static_cast<int>(random() % 650) - 340;
    const std::string e = "E" + std::to_string(exponent);
    check.decimal(random_digits(random, 15 + i % 3) + e, 0);
    // Sixteen digits ending in 5: the nearest double is a hair from half-way.
    check.decimal(random_digits(random, 15) + "5" + e, 0);
  }
  for (int i = 0; i < 20 * kBatch; ++i)
    check(std::ldexp(static_cast<double>(random() >> 11), 0));  // integers below 2^53
  for (int whole = 0; whole <= 100000; ++whole) check(whole);
}

TEST(FifteenDigits, AgreesWithPrintfAroundPowersOfTenAndTheExtremes) {
  AgreementCheck check;
  for (int exponent = -324; exponent <= 308; ++exponent) {
    const std::string e = "E" + std::to_string(exponent);
    check.decimal("1" + e, 40);
    // The largest values that round up to the next power of ten, and the
    // smallest that round down to 9.99999999999999.
    check.decimal("9.999999999999995" + e, 40);
    check.decimal("9.99999999999998" + e, 4);
    check.decimal("5" + e, 4);
  }
  for (int p = -1074; p <= 1023; ++p) check.with_neighbours(std::ldexp(1.0, p), 4);
  check.with_neighbours(DBL_MAX, 1000);
  check.with_neighbours(DBL_MIN, 1000);
  std::mt19937_64 random(1074);
  for (std::uint64_t bits = 1; bits <= 100000; ++bits) {
    double smallest;
    std::memcpy(&smallest, &bits, sizeof smallest);
    check(smallest);
  }
  for (int i = 0; i < 4 * kBatch; ++i) {
    std::uint64_t bits = random() >> 12;  // any subnormal
    double subnormal;
    std::memcpy(&subnormal, &bits, sizeof subnormal);
    check(subnormal);
  }
}

// %.15G writes 0.0001 in fixed notation but 1E-05 and 1E+15 in exponent form,
// judged after rounding: values either side of each switch, including those
// that round across it.
TEST(FifteenDigits, SwitchesToTheExponentFormWherePrintfDoes) {
  AgreementCheck check;
  for (const char* text : {"1E-5", "9.999999999999995E-6", "9.99999999999999E-6", "1E-4",
                           "9.999999999999995E-5", "0.0000999999999999999995", "1E15",
                           "999999999999999.5", "999999999999999", "1E14", "99999999999999.95"})
    check.decimal(text, 20000);
  std::mt19937_64 random(15);
  for (int i = 0; i < kBatch; ++i) {
    for (const char* switch_point : {"E-6", "E-5", "E-4", "E14", "E15"}) {
      std::string nines = "9.99999999999999";
      for (int extra = 0; extra < 3; ++extra) nines += static_cast<char>('0' + random() % 10);
      check.decimal(nines + switch_point, 0);
      check.decimal(random_digits(random, 17) + switch_point, 0);
    }
  }
}

}  // namespace
}  // namespace tendencia
