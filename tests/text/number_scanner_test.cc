#include "text/number_scanner.h"

#include <gtest/gtest.h>

namespace tendencia {
namespace {

const Separators kPoint{".", ""};
const Separators kSpanish{",", "."};

TEST(NumberScanner, SaysWhatItSawAndWhereItStopped) {
  ScannedNumber n = scan_number("-1.234,5e+3 kg", kSpanish);
  EXPECT_EQ(n.sign, '-');
  EXPECT_EQ(n.integer_digits, 4u);
  EXPECT_TRUE(n.thousands_grouped);
  EXPECT_TRUE(n.decimal_separator);
  EXPECT_EQ(n.fraction_digits, 1u);
  EXPECT_TRUE(n.exponent);
  EXPECT_EQ(n.end, 11u);
  EXPECT_EQ(n.plain, "-1234.5e+3");

  EXPECT_TRUE(scan_number("+42", kPoint).whole());
  EXPECT_EQ(scan_number(".5", kPoint).plain, ".5");
  EXPECT_EQ(scan_number("5.", kPoint).end, 2u);
}

TEST(NumberScanner, TakesGroupsAndExponentsOnlyWhenComplete) {
  EXPECT_EQ(scan_number("1e", kPoint).end, 1u);         // no exponent digits
  EXPECT_EQ(scan_number("1e+", kPoint).end, 1u);
  EXPECT_EQ(scan_number("1.23", kSpanish).end, 1u);     // a group needs three digits
  EXPECT_EQ(scan_number("1.2345", kSpanish).end, 1u);
  EXPECT_EQ(scan_number("1234.567", kSpanish).end, 4u);  // groups only after 1-3 digits
  EXPECT_FALSE(scan_number("1.234", kPoint).thousands_grouped);
}

TEST(NumberScanner, FindsNothingWithoutADigit) {
  for (const char* text : {"", "-", "+.", ".", "e5", " 5", "abc"}) {
    ScannedNumber n = scan_number(text, kPoint);
    EXPECT_FALSE(n.found()) << text;
    EXPECT_EQ(n.end, 0u) << text;
  }
}

TEST(NumberScanner, OneNumberAllowsBlanksAroundAndNothingElse) {
  EXPECT_TRUE(is_one_number(" \t2,5 ", Separators{",", ""}));
  EXPECT_FALSE(is_one_number("2,5", kPoint));
  EXPECT_FALSE(is_one_number("1 2", kPoint));
  EXPECT_FALSE(is_one_number("", kPoint));
}

}  // namespace
}  // namespace tendencia
