#include "model/trend_terms.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>

namespace tendencia {
namespace {

TEST(TrendTerms, TheGroupsShareOutTheTwentyFiveCoefficientsInOrder) {
  int next = 0;
  for (const TermGroupEntry& term : term_table()) {
    EXPECT_EQ(term.first, next) << term.name;
    EXPECT_EQ(coefficient_of(term.group, kOuter), term.first);
    EXPECT_EQ(term_group_named(term.name), term.group);
    next += term.count;
  }
  EXPECT_EQ(next, 25);
  EXPECT_FALSE(term_group_named("Constante"));
  EXPECT_EQ(coefficient_list(TermGroup::Logistic), "b17, b18, b19, b20");
}

TEST(TrendTerms, WritesTheFormulaForTheDialogueAndForTheReport) {
  auto names = [](int k) { return "b" + std::to_string(k); };
  std::array<std::string, 4> dialogue = formula_text(names, FormulaStyle{"", "  ", false});
  EXPECT_EQ(dialogue[0], "F(X) = b0 + b1*X^b2 + b3*X^b4 + b5*exp(b6*X) + b7*log(X+b8)");
  EXPECT_EQ(dialogue[1], "  + b9*cos(b10*X+b11) + b12*cos(b13*X+b14)");
  EXPECT_EQ(dialogue[3], "  + b21*exp(b22*X)/(1+b23*exp(b24*X))");
  EXPECT_EQ(term_text(TermGroup::Power, names, true), "b1*X^(b2)");
}

// The man page's table of terms is written by hand; it must say what the
// program does.
TEST(TrendTerms, TheFitManPageListsEveryTermAsTheProgramWritesIt) {
  std::ifstream in(TENDENCIA_SOURCE_DIR "/man/tendencia-ajuste.1");
  const std::string page(std::istreambuf_iterator<char>(in), {});
  ASSERT_FALSE(page.empty());
  for (const TermGroupEntry& term : term_table())
    EXPECT_NE(page.find(".B " + std::string(term.name) + "\n" + term_formula(term.group)),
              std::string::npos)
        << term.name;
}

}  // namespace
}  // namespace tendencia
