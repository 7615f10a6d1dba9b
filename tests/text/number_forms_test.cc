#include "text/number_forms.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <random>

namespace tendencia {
namespace {

const Separators kC;
const Separators kSpanish{",", "."};

TEST(SignBlankForm, BlankBeforeNonNegativeMinusBeforeNegative) {
  EXPECT_EQ(sign_blank_form(5), " 5");
  EXPECT_EQ(sign_blank_form(-3), "-3");
  EXPECT_EQ(sign_blank_form(0), " 0");
  EXPECT_EQ(sign_blank_form(-0.0), " 0");
  EXPECT_EQ(sign_blank_form(2.5), " 2.5");
  EXPECT_EQ(sign_blank_form(0.25), " 0.25");
  EXPECT_EQ(sign_blank_form(32767), " 32767");
  EXPECT_EQ(sign_blank_form(-32768), "-32768");
}

TEST(SignBlankForm, UsesTheExponentFormOfPercentG) {
  EXPECT_EQ(sign_blank_form(1e15), " 1E+15");
  EXPECT_EQ(sign_blank_form(123456789012345.0), " 123456789012345");
  EXPECT_EQ(sign_blank_form(1.5e-7), " 1.5E-07");
  EXPECT_EQ(sign_blank_form(1e-5), " 1E-05");
  EXPECT_EQ(sign_blank_form(0.0001), " 0.0001");
  EXPECT_EQ(sign_blank_form(-1e300), "-1E+300");
  EXPECT_EQ(sign_blank_form(1.0 / 3), " 0.333333333333333");
  EXPECT_EQ(sign_blank_form(4.9406564584124654e-324), " 4.94065645841247E-324");
  EXPECT_EQ(sign_blank_form(DBL_MAX), " 1.79769313486232E+308");
}

TEST(PrintForm, AddsATrailingBlankAndTheLocaleDecimalSeparator) {
  EXPECT_EQ(print_form(2001, kC), " 2001 ");
  EXPECT_EQ(print_form(-0.666666666666667, kC), "-0.666666666666667 ");
  EXPECT_EQ(print_form(-0.0, kC), " 0 ");
  EXPECT_EQ(print_form(12.706, kSpanish), " 12,706 ");
  EXPECT_EQ(print_form(1.5e-7, kSpanish), " 1,5E-07 ");
  // The sign-blank form keeps "." whatever the locale.
  EXPECT_EQ(sign_blank_form(12.706), " 12.706");
  // A locale whose decimal separator is one UTF-8 character of two bytes.
  const Separators arabic{"\xd9\xab", ""};
  EXPECT_EQ(print_form(-12.5, arabic), "-12\xd9\xab" "5 ");
  EXPECT_EQ(print_form(2001, arabic), " 2001 ");
  EXPECT_EQ(slope_text_form(0.25, arabic), "0\xd9\xab" "25");
}

TEST(SlopeTextForm, HasNoBlanks) {
  EXPECT_EQ(slope_text_form(2.5, kC), "2.5");
  EXPECT_EQ(slope_text_form(-2.5, kSpanish), "-2,5");
  EXPECT_EQ(slope_text_form(1.0 / 3, kC), "0.333333333333333");
  EXPECT_EQ(slope_text_form(0.0, kC), "0");
  EXPECT_EQ(slope_text_form(1.25e-7, kC), "1.25E-07");
}

// The fast formatter must give exactly what the straightforward snprintf gives.
TEST(WriteNumber, GivesTheDigitsOfSnprintfOnManyValues) {
  std::mt19937_64 random(12345);
  std::uniform_int_distribution<std::uint64_t> bits;
  std::uniform_real_distribution<double> plain(-1e6, 1e6);
  for (int i = 0; i < 200000; ++i) {
    double value;
    if (i % 2 == 0) {
      std::uint64_t b = bits(random);
      std::memcpy(&value, &b, sizeof value);
      if (!std::isfinite(value)) continue;
    } else {
      value = std::ldexp(plain(random), -(i % 40));
    }
    char fast[kMaxNumberChars + 1];
    fast[write_number(fast, '\0', value, ".", '\0')] = '\0';
    char slow[64];
    std::snprintf(slow, sizeof slow, "%.15G", std::fabs(value));
    if (value == 0) std::snprintf(slow, sizeof slow, "0");
    ASSERT_STREQ(fast, slow) << "value " << value;
  }
}

// Whole numbers take a shorter way; it must give the bytes of the digit rule,
// for every period label and across the 15-digit edge where rounding begins.
TEST(WriteWholeNumber, GivesTheBytesOfWriteNumber) {
  auto same = [](long long value) {
    char whole[kMaxNumberChars + 2], general[kMaxNumberChars + 2];
    std::string a(whole, write_whole_number(whole, value < 0 ? '-' : ' ', value, ",", ' '));
    std::string b(general, write_number(general, value < 0 ? '-' : ' ',
                                        static_cast<double>(value), ",", ' '));
    return a == b ? ::testing::AssertionSuccess()
                  : ::testing::AssertionFailure() << value << ": " << a << " vs " << b;
  };
  for (long long v = -70000; v <= 70000; ++v) ASSERT_TRUE(same(v));
  for (long long edge : {999'999'999'999'999LL, 1'000'000'000'000'000LL,
                         1'234'567'890'123'456LL, 9'007'199'254'740'993LL})
    for (long long v : {edge - 1, edge, edge + 1, -edge}) ASSERT_TRUE(same(v));
  char out[kMaxNumberChars + 2];
  EXPECT_EQ(std::string(out, write_whole_number(out, '\0', 2001, ".", '\0')), "2001");
}

}  // namespace
}  // namespace tendencia
