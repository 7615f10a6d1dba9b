#include "text/conversions.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tendencia {
namespace {

const Separators kC;                      // "." and no thousands separator
const Separators kSpanish{",", "."};      // the user's locale on a Spanish desktop
const Separators kEnglish{".", ","};

template <typename Body>
FailureKind failure_of(Body&& body) {
  try {
    body();
  } catch (const Failure& f) {
    return f.kind();
  }
  ADD_FAILURE() << "no failure";
  return FailureKind::EmptyFile;
}

TEST(WholeNumber, RoundsHalfToEvenWithinSixteenBits) {
  EXPECT_EQ(whole_number("12", kC), 12);
  EXPECT_EQ(whole_number("  12 ", kC), 12);
  EXPECT_EQ(whole_number("\t7\t", kC), 7);
  EXPECT_EQ(whole_number("12.5", kC), 12);
  EXPECT_EQ(whole_number("13.5", kC), 14);
  EXPECT_EQ(whole_number("2.5e0", kC), 2);
  EXPECT_EQ(whole_number("-2.5", kC), -2);
  EXPECT_EQ(whole_number("+5", kC), 5);
  EXPECT_EQ(whole_number("1e1", kC), 10);
  EXPECT_EQ(whole_number("5.", kC), 5);
  EXPECT_EQ(whole_number(".5", kC), 0);
  EXPECT_EQ(whole_number("1e-400", kC), 0);
  EXPECT_EQ(whole_number("32767", kC), 32767);
  EXPECT_EQ(whole_number("-32768.5", kC), -32768);
}

TEST(WholeNumber, RejectsWhatIsNotANumber) {
  for (const char* text : {"", " ", "abc", "12abc", "1 2", "--1", "-", ".", "1e", "0x1A",
                           "1,000", "1e+", "\v1", "1\n"}) {
    EXPECT_EQ(failure_of([&] { whole_number(text, kC); }), FailureKind::NotANumber) << text;
  }
}

TEST(WholeNumber, OverflowsOutsideSixteenBits) {
  for (const char* text : {"32768", "-32769", "32767.5", "1e400", "1e5"}) {
    EXPECT_EQ(failure_of([&] { whole_number(text, kC); }), FailureKind::Overflow) << text;
  }
}

TEST(WholeNumber, FollowsTheLocaleSeparators) {
  EXPECT_EQ(whole_number("1.000", kSpanish), 1000);
  EXPECT_EQ(whole_number("12,5", kSpanish), 12);
  EXPECT_EQ(whole_number("13,5", kSpanish), 14);
  EXPECT_EQ(whole_number("1,000", kEnglish), 1000);
  EXPECT_EQ(whole_number("12,345.5", kEnglish), 12346);
  // Thousands separators only between groups of three digits of the integer part.
  for (const char* text : {"1,00", "1000,000", ",100", "1.5,000"})
    EXPECT_THROW(whole_number(text, kEnglish), Failure) << text;
  EXPECT_THROW(whole_number("12.5", kSpanish), Failure);
}

TEST(AsTypedNumber, KeepsTheFractionAndFailsLikeTheWholeNumber) {
  EXPECT_DOUBLE_EQ(as_typed_number("2.02", kC), 2.02);
  EXPECT_DOUBLE_EQ(as_typed_number("  2.5 ", kC), 2.5);
  EXPECT_DOUBLE_EQ(as_typed_number("2,02", kSpanish), 2.02);
  EXPECT_DOUBLE_EQ(as_typed_number("-1.5E-07", kC), -1.5e-07);
  EXPECT_EQ(as_typed_number("4.9e-324", kC), 4.9e-324);
  EXPECT_EQ(failure_of([] { as_typed_number("2,02", kC); }), FailureKind::NotANumber);
  EXPECT_EQ(failure_of([] { as_typed_number("", kC); }), FailureKind::NotANumber);
  EXPECT_EQ(failure_of([] { as_typed_number("1e400", kC); }), FailureKind::Overflow);
  EXPECT_EQ(failure_of([] { as_typed_number("-1e99999999999999999999", kC); }),
            FailureKind::Overflow);
  EXPECT_EQ(as_typed_number("1e-99999999999999999999", kC), 0.0);
}

TEST(LeadingNumber, ReadsTheLongestLeadingNumberAndNeverFailsOnText) {
  EXPECT_EQ(leading_number("3.5e2"), 350);
  EXPECT_EQ(leading_number("2.5e1"), 25);
  EXPECT_EQ(leading_number("1 000"), 1000);
  EXPECT_EQ(leading_number("7abc"), 7);
  EXPECT_EQ(leading_number("abc"), 0);
  EXPECT_EQ(leading_number("1,5"), 1);
  EXPECT_EQ(leading_number(" "), 0);
  EXPECT_EQ(leading_number("- 5"), -5);
  EXPECT_EQ(leading_number("1e"), 1);
  EXPECT_EQ(leading_number("1e+x"), 1);
  EXPECT_EQ(leading_number("-.5"), -0.5);
  EXPECT_EQ(leading_number("."), 0);
  EXPECT_EQ(leading_number("+"), 0);
  EXPECT_EQ(leading_number("1e-400"), 0);
  EXPECT_EQ(leading_number(" 6.314"), 6.314);
  EXPECT_EQ(leading_number(std::string("5\0" "9", 3)), 5);
  EXPECT_EQ(failure_of([] { leading_number("1e400"); }), FailureKind::Overflow);
}

TEST(PlainNumber, TellsNumericDataFieldsFromText) {
  for (const char* text : {"1", "+2", "4e0", "7E+00", "-1.5e1", "+3.25E-1", "5.", ".5", "-0"})
    EXPECT_TRUE(is_plain_number(text)) << text;
  for (const char* text : {"", "a", "1,5", "1e", "--1", " 1", "1 ", ".", "0x10", "1.2.3"})
    EXPECT_FALSE(is_plain_number(text)) << text;
  EXPECT_EQ(plain_number_value("+3.25E-1"), 0.325);
  EXPECT_THROW(plain_number_value("1e309"), Failure);
}

}  // namespace
}  // namespace tendencia
