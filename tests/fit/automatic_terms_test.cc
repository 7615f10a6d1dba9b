// The terms chosen by the data: the periodogram's gate for cosines, and the
// ranking of the candidate family.
#include "fit/automatic_terms.h"

#include <gtest/gtest.h>

#include "support/synthetic_series.h"
#include "support/test_size.h"

namespace tendencia {
namespace {

using namespace testing;
using G = TermGroup;

std::vector<double> seasonal_series(int n) {
  Coefficients truth;
  truth.b[0] = 100;
  truth.b[1] = 0.5;
  truth.b[2] = 1.0;
  truth.b[9] = 10;
  truth.b[10] = kTwoPi / 12;
  truth.b[11] = 0.3;
  return synthetic_series(truth, n, 2.0, 5);
}

TEST(AutomaticTerms, EachTrendComesAloneAndWithEverySeasonAndTheRecentLevelWithEach) {
  auto count = [](const std::vector<TermSet>& sets, TermGroup group, bool step) {
    int n = 0;
    for (const TermSet& set : sets)
      n += set.level_step == step &&
           std::find(set.groups.begin(), set.groups.end(), group) != set.groups.end();
    return n;
  };
  EXPECT_EQ(count(candidate_sets(0), G::Cosine, false), 0);
  for (int peaks = 0; peaks <= 2; ++peaks) {
    const std::vector<TermSet> sets = candidate_sets(peaks);
    EXPECT_EQ(sets.size(), 3u + 4u * static_cast<std::size_t>(peaks) + 2u * (peaks + 1u));
    for (TermGroup trend : {G::Power, G::Exponential, G::Logistic})
      EXPECT_EQ(count(sets, trend, false), peaks + 1) << term_name(trend);
    for (TermGroup left : {G::Logarithm, G::Hyperbola}) EXPECT_EQ(count(sets, left, false), 0);
    EXPECT_EQ(count(sets, G::SecondCosine, false), peaks == 2 ? 4 : 0);
    // The recent level alone and with a drift, without and with each season.
    EXPECT_EQ(count(sets, G::Logistic, true), 2 * (peaks + 1));
    EXPECT_EQ(count(sets, G::Power, true), peaks + 1);
    for (const TermSet& set : sets) {
      EXPECT_EQ(set.groups.front(), G::Constant);
      EXPECT_TRUE(std::is_sorted(set.groups.begin(), set.groups.end()));
    }
  }
}

TEST(AutomaticTerms, TheDataChoicesAreTheSeriesItsLogarithmAndWindowsThatLeaveRoomBefore) {
  std::vector<double> positive(150, 2.0), signed_values(150, 2.0);
  signed_values[4] = -1.0;
  const std::vector<DataChoice> choices = candidate_data(positive, 12);
  const std::vector<DataChoice> expected = {{false, 0}, {true, 0}, {false, 33}, {true, 33}};
  EXPECT_EQ(choices, expected);
  for (const DataChoice& c : candidate_data(signed_values, 12)) EXPECT_FALSE(c.logarithm);
  // A window of 33 needs 33 values before it and H after.
  EXPECT_EQ(candidate_data(std::vector<double>(77, 1.0), 12).size(), 2u);
  EXPECT_EQ(candidate_data(std::vector<double>(78, 1.0), 12).size(), 4u);
  // The level alone on a logarithm is the same projection as on the series.
  EXPECT_FALSE(worth_weighing({{G::Constant, G::Logistic}, true}, {true, 0}));
  EXPECT_TRUE(worth_weighing({{G::Constant, G::Logistic}, true}, {false, 33}));
  EXPECT_TRUE(worth_weighing({{G::Constant, G::Power, G::Logistic}, true}, {true, 0}));
}

TEST(AutomaticTerms, ASeasonalSeriesGetsACosineAndTheRankingListsTheFinalists) {
  AutomaticSettings settings;
  settings.validation.horizon = 12;
  settings.validation.period = 12;
  settings.validation.origins = sized(20, 8);
  const int n = sized(120, 60);
  const std::vector<double> y = seasonal_series(n);
  AutomaticChoice choice = choose_terms(y, settings);
  ASSERT_GE(choice.ranked.size(), 2u);
  const CandidateOutcome& chosen = choice.ranked.front();
  EXPECT_NE(std::find(chosen.terms.groups.begin(), chosen.terms.groups.end(), G::Cosine),
            chosen.terms.groups.end())
      << term_set_name(chosen.terms);
  // Every ranked candidate was validated; of two neighbours that validate at
  // every origin, the first has the smaller MASE once priced by its points. At
  // least one such pair is checked.
  int compared = 0;
  for (std::size_t i = 0; i < choice.ranked.size(); ++i)
    ASSERT_TRUE(choice.ranked[i].validation.has_value()) << term_set_name(choice.ranked[i].terms);
  for (std::size_t i = 1; i < choice.ranked.size(); ++i) {
    const Validation& before = *choice.ranked[i - 1].validation;
    const Validation& after = *choice.ranked[i].validation;
    if (before.missing_origins() != 0 || after.missing_origins() != 0) continue;
    ASSERT_TRUE(before.total.mase && after.total.mase) << term_set_name(choice.ranked[i].terms);
    auto priced = [](const CandidateOutcome& c) {
      return *c.validation->total.mase *
             (1.0 + kPricePerCoefficient * fewest_points_to_fit(c.terms));
    };
    EXPECT_LE(priced(choice.ranked[i - 1]), priced(choice.ranked[i]))
        << term_set_name(choice.ranked[i].terms);
    ++compared;
  }
  EXPECT_GE(compared, 1) << "no two neighbours in the ranking validate at every origin";
  std::string report = automatic_ranking_report(choice);
  EXPECT_NE(report.find("El periodograma muestra un pico (periodo 12."), std::string::npos)
      << report;
  EXPECT_NE(report.find("Elegido: " + term_set_name(chosen.terms)), std::string::npos) << report;
  // Every finalist is measured on the same origins, from the middle on, and
  // the choice's fit is to the whole of its data.
  for (const CandidateOutcome& c : choice.ranked) {
    EXPECT_EQ(c.validation->first_origin(), (n + 1) / 2);
    EXPECT_EQ(c.validation->last_origin(), n - 12);
  }
  EXPECT_EQ(choice.fit.points, static_cast<int>(values_for_run(chosen.data, y, y.size()).size()));
  for (const CandidateOutcome& c : choice.skipped)
    EXPECT_NE(report.find(term_set_name(c.terms) + ": " + c.skipped), std::string::npos);
}

TEST(AutomaticTerms, NoCandidateThatValidatesIsAFitRefusal) {
  AutomaticSettings settings;
  settings.validation.horizon = 6;
  try {
    choose_terms({1, 3, 2, 5, 4, 6, 7, 9}, settings);
    FAIL();
  } catch (const FitRefused& refused) {
    EXPECT_NE(std::string(refused.what()).find("necesita al menos"), std::string::npos)
        << refused.what();
  }
}

}  // namespace
}  // namespace tendencia
