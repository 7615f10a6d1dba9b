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

constexpr double kTwoPi = 6.283185307179586;

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

TEST(AutomaticTerms, ThePeriodogramFindsASeasonAndNoPeakInATrendWithNoise) {
  std::vector<double> peaks = periodogram_peaks(seasonal_series(120));
  ASSERT_EQ(peaks.size(), 1u);
  EXPECT_NEAR(peaks[0], 12.0, 0.2);

  Coefficients trend;
  trend.b[0] = 10;
  trend.b[1] = 3;
  trend.b[2] = 1.3;
  EXPECT_TRUE(periodogram_peaks(synthetic_series(trend, 120, 2.0, 6)).empty());

  // Two seasons of different strength: both, the stronger first.
  Coefficients two = trend;
  two.b[9] = 20, two.b[10] = kTwoPi / 12;
  two.b[12] = 8, two.b[13] = kTwoPi / 5;
  peaks = periodogram_peaks(synthetic_series(two, 240, 2.0, 7));
  ASSERT_EQ(peaks.size(), 2u);
  EXPECT_NEAR(peaks[0], 12.0, 0.2);
  EXPECT_NEAR(peaks[1], 5.0, 0.1);
  EXPECT_TRUE(periodogram_peaks({1, 2, 3}).empty());
}

TEST(AutomaticTerms, EachTrendComesAloneAndWithEverySeasonThePeriodogramFound) {
  auto count = [](const std::vector<std::vector<TermGroup>>& sets, TermGroup group) {
    int n = 0;
    for (const auto& set : sets) n += std::find(set.begin(), set.end(), group) != set.end();
    return n;
  };
  EXPECT_EQ(count(candidate_sets(0), G::Cosine), 0);
  for (int peaks = 0; peaks <= 2; ++peaks) {
    const std::vector<std::vector<TermGroup>> sets = candidate_sets(peaks);
    // Five trends, and with each season the season alone and five trends with it.
    EXPECT_EQ(sets.size(), 5u + 6u * static_cast<std::size_t>(peaks));
    for (TermGroup trend : {G::Power, G::Exponential, G::Logarithm, G::Hyperbola, G::Logistic})
      EXPECT_EQ(count(sets, trend), peaks + 1) << term_name(trend);
    EXPECT_EQ(count(sets, G::SecondCosine), peaks == 2 ? 6 : 0);
    for (const auto& set : sets) EXPECT_EQ(set.front(), G::Constant);
  }
}

TEST(AutomaticTerms, ASeasonalSeriesGetsACosineAndTheRankingListsEverySet) {
  AutomaticSettings settings;
  settings.validation.horizon = 12;
  settings.validation.period = 12;
  settings.validation.origins = sized(20, 8);
  AutomaticChoice choice = choose_terms(seasonal_series(sized(120, 60)), settings);
  ASSERT_GE(choice.ranked.size(), 2u);
  const std::vector<TermGroup>& chosen = choice.ranked.front().groups;
  EXPECT_NE(std::find(chosen.begin(), chosen.end(), G::Cosine), chosen.end())
      << term_set_name(chosen);
  EXPECT_EQ(choice.ranked.size() + choice.skipped.size(), candidate_sets(1).size());
  // Every ranked set was validated; of two neighbours that validate at every
  // origin, the first has the smaller MASE. At least one such pair is checked.
  int compared = 0;
  for (std::size_t i = 0; i < choice.ranked.size(); ++i)
    ASSERT_TRUE(choice.ranked[i].validation.has_value()) << term_set_name(choice.ranked[i].groups);
  for (std::size_t i = 1; i < choice.ranked.size(); ++i) {
    const Validation& before = *choice.ranked[i - 1].validation;
    const Validation& after = *choice.ranked[i].validation;
    if (before.failed_origins != 0 || after.failed_origins != 0) continue;
    ASSERT_TRUE(before.total.mase && after.total.mase) << term_set_name(choice.ranked[i].groups);
    EXPECT_LE(*before.total.mase, *after.total.mase) << term_set_name(choice.ranked[i].groups);
    ++compared;
  }
  EXPECT_GE(compared, 1) << "no two neighbours in the ranking validate at every origin";
  std::string report = automatic_ranking_report(choice);
  EXPECT_NE(report.find("El periodograma muestra un pico (periodo 12."), std::string::npos)
      << report;
  EXPECT_NE(report.find("Elegido: " + term_set_name(chosen)), std::string::npos) << report;
  // The choice is measured again beyond the origins it won on, the ranking's
  // most recent ones among them.
  const Validation& ranked_on = *choice.ranked.front().validation;
  EXPECT_EQ(choice.validation.last_origin, ranked_on.last_origin);
  EXPECT_EQ(choice.validation.last_origin - choice.validation.first_origin + 1,
            kChosenSetOriginFactor * settings.validation.origins);
  EXPECT_GT(choice.validation.scaled_errors.size(), ranked_on.scaled_errors.size());
  EXPECT_NE(report.find("se miden de nuevo en " +
                        std::to_string(kChosenSetOriginFactor * settings.validation.origins) +
                        " orígenes"),
            std::string::npos)
      << report;
  for (const CandidateOutcome& c : choice.skipped)
    EXPECT_NE(report.find("  " + term_set_name(c.groups) + ": " + c.skipped), std::string::npos);
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
