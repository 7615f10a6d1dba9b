// Rolling-origin validation: origins through the series, each fitted on its
// own past alone, scored against tendencia's own line and interval and beside
// the naive projection; the calibrated t that holds at every horizon.
#include "fit/rolling_validation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>

#include "io/data_series.h"
#include "model/student_quantile.h"
#include "model/student_table.h"
#include "support/synthetic_series.h"

namespace tendencia {
namespace {

using namespace testing;
using G = TermGroup;

const TermSet kConstantPower = {{G::Constant, G::Power}, false};

std::vector<double> sales() {
  std::ifstream in(TENDENCIA_EXAMPLES "/Dventas.TXT", std::ios::binary);
  std::vector<double> y;
  for (const SeriesValue& v : read_series(in, "Dventas.TXT").values) y.push_back(v.number);
  return y;
}

std::vector<double> seasonal_trend(int n, unsigned seed) {
  Coefficients truth;
  truth.b[0] = 50;
  truth.b[1] = 2;
  truth.b[2] = 0.8;
  truth.b[9] = 6;
  truth.b[10] = 6.283185307179586 / 12;
  return synthetic_series(truth, n, 1.5, seed);
}

TEST(RollingValidation, TheExampleIsScoredFromItsMiddleOnWithTendenciasOwnInterval) {
  const std::vector<double> y = sales();
  ValidationSettings settings;
  settings.horizon = 5;
  Validation v = validate_terms(y, kConstantPower, {}, settings);
  // From the middle of the 20 values to the last origin that leaves 5 to compare.
  ASSERT_EQ(v.origin_count(), 6);
  EXPECT_EQ(v.first_origin(), 10);
  EXPECT_EQ(v.last_origin(), 15);
  EXPECT_EQ(v.failed_origins, 0);
  ASSERT_EQ(v.by_horizon.size(), 5u);
  EXPECT_EQ(v.total.values, 30);
  ASSERT_EQ(v.projected.size(), 6u);
  EXPECT_DOUBLE_EQ(v.t_at_last_origin, 2.160);  // tendencia's table, 13 degrees, 95 %
  // Coverage is the share of values within each origin's interval: of scaled
  // errors within the t of that origin's points.
  int inside = 0;
  for (int h = 1; h <= 5; ++h) {
    const std::vector<double>& errors = v.scaled_errors[static_cast<std::size_t>(h - 1)];
    ASSERT_EQ(errors.size(), 6u);
    for (std::size_t i = 0; i < errors.size(); ++i) {
      const OriginProjection& p = v.projected[i];
      const double observed = y[static_cast<std::size_t>(p.origin + h - 1)];
      EXPECT_DOUBLE_EQ(errors[i], std::abs(observed - p.trend[static_cast<std::size_t>(h - 1)]) /
                                      p.half_width[static_cast<std::size_t>(h - 1)]);
      inside += errors[i] <= tendencia_t(95, p.origin) ? 1 : 0;
    }
  }
  EXPECT_DOUBLE_EQ(v.total.coverage, inside / 30.0);
  // An earliest origin named by the settings reaches further back, down to
  // the fewest points the fit needs.
  settings.earliest_origin = 1;
  EXPECT_EQ(validate_terms(y, kConstantPower, {}, settings).first_origin(), 5);
  EXPECT_TRUE(v.total.mase && *v.total.mase > 0.0 && *v.total.mase < 1.0);
}

TEST(RollingValidation, NothingAfterAnOriginShapesWhatIsProjectedFromIt) {
  const std::vector<double> y = seasonal_trend(120, 5);
  std::vector<double> changed = y;
  const int from = 90;  // Y(91..120) change wildly
  for (std::size_t i = from; i < changed.size(); ++i) changed[i] = 3.0 * changed[i] - 400.0;
  const TermSet seasonal = {{G::Constant, G::Power, G::Cosine}, false};
  for (const DataChoice& data : {DataChoice{false, 0}, DataChoice{false, 40}}) {
    ValidationSettings settings;
    settings.horizon = 12;
    settings.earliest_origin = 60;
    const Validation before = validate_terms(y, seasonal, data, settings);
    const Validation after = validate_terms(changed, seasonal, data, settings);
    ASSERT_EQ(before.origins, after.origins);
    int compared = 0;
    for (std::size_t i = 0; i < before.projected.size() && i < after.projected.size(); ++i) {
      if (before.projected[i].origin > from) break;
      ASSERT_EQ(before.projected[i].origin, after.projected[i].origin);
      EXPECT_EQ(before.projected[i].trend, after.projected[i].trend);
      EXPECT_EQ(before.projected[i].half_width, after.projected[i].half_width);
      ++compared;
    }
    EXPECT_GE(compared, 10);
    // The origins reach back through the series, not only its last stretch.
    EXPECT_EQ(before.origin_count(), 20);
    EXPECT_EQ(before.first_origin(), 60);
  }
}

TEST(RollingValidation, TheNaiveProjectionIsScoredOnTheSameValues) {
  // A straight line: the naive projection misses by h at horizon h, so its
  // MASE is the mean of 1..H; the line itself misses by nothing.
  std::vector<double> y;
  for (int x = 1; x <= 40; ++x) y.push_back(10.0 + x);
  ValidationSettings settings;
  settings.horizon = 4;
  Validation v = validate_terms(y, kConstantPower, {}, settings);
  ASSERT_TRUE(v.total.naive_mase && v.total.mase);
  EXPECT_NEAR(*v.total.naive_mase, 2.5, 1e-12);
  for (const HorizonScore& s : v.by_horizon) EXPECT_NEAR(*s.naive_mase, s.horizon, 1e-12);
  EXPECT_LT(*v.total.mase, 1e-6);
  EXPECT_TRUE(beats_naive(v));
  EXPECT_EQ(naive_warning(v), "");
  EXPECT_NE(validation_report(v).find("Ingenuo"), std::string::npos);

  // The recent level alone is nearly the naive projection (the step keeps a
  // trace of itself before the last value); a set that does not beat the
  // naive projection says so with both numbers.
  Validation level = validate_terms(y, {{G::Constant, G::Logistic}, true}, {}, settings);
  ASSERT_TRUE(level.total.mase);
  EXPECT_NEAR(*level.total.mase / *level.total.naive_mase, 1.0, 0.1);
  if (!beats_naive(level)) {
    EXPECT_EQ(naive_warning(level).rfind("Aviso: constante escalón no mejora la proyección "
                                         "ingenua (el último valor) en los mismos orígenes: MASE ",
                                         0),
              0u)
        << naive_warning(level);
  }
}

TEST(RollingValidation, TheMeansLevelProjectsTheMeanWithTheIntervalOfOneMoreValue) {
  // The step after the first value leaves every other value on its top: from
  // an origin k the projection is the mean of Y(2..k) at every horizon, and
  // the half-width's scale is their standard deviation times √(1 + 1/(k − 1)).
  std::vector<double> y;
  for (int x = 1; x <= 60; ++x) y.push_back(10.0 + 3.0 * std::sin(1.7 * x) + x % 7);
  ValidationSettings settings;
  settings.horizon = 5;
  const Validation v = validate_terms(y, {{G::Constant, G::Logistic}, true, true}, {}, settings);
  ASSERT_EQ(v.projected.size(), static_cast<std::size_t>(v.origin_count()));
  for (const OriginProjection& p : v.projected) {
    const int values = p.origin - 1;
    double sum = 0, squares = 0;
    for (int x = 2; x <= p.origin; ++x) sum += y[static_cast<std::size_t>(x - 1)];
    const double mean = sum / values;
    for (int x = 2; x <= p.origin; ++x)
      squares += (y[static_cast<std::size_t>(x - 1)] - mean) * (y[static_cast<std::size_t>(x - 1)] - mean);
    const double scale = std::sqrt(squares / (values - 1)) * std::sqrt(1.0 + 1.0 / values);
    for (std::size_t l = 0; l < p.trend.size(); ++l) {
      EXPECT_NEAR(p.trend[l], mean, 1e-9) << "k = " << p.origin;
      EXPECT_NEAR(p.half_width[l], scale, 1e-9) << "k = " << p.origin;
    }
  }
  EXPECT_EQ(term_set_name({{G::Constant, G::Logistic}, true, true}), "constante media");
}

TEST(RollingValidation, TheCalibratedTIsTheFarHorizonsAndEachHorizonShowsWhatItGives) {
  const std::vector<double> y = seasonal_trend(150, 9);
  ValidationSettings settings;
  settings.horizon = 12;
  settings.origins = 40;
  Validation v = validate_terms(y, {{G::Constant, G::Power, G::Cosine}, false}, {}, settings);
  ASSERT_TRUE(v.calibrated_t);
  const HorizonScore& farthest = v.by_horizon.back();
  ASSERT_TRUE(farthest.calibrated_t);
  EXPECT_EQ(*v.calibrated_t, *farthest.calibrated_t);
  EXPECT_GE(farthest.calibrated_coverage, 0.95);
  // Each horizon's coverage is the share of its errors within that one t.
  for (const HorizonScore& s : v.by_horizon) {
    const std::vector<double>& errors = v.scaled_errors[static_cast<std::size_t>(s.horizon - 1)];
    const double inside = static_cast<double>(
        std::count_if(errors.begin(), errors.end(), [&](double e) { return e <= *v.calibrated_t; }));
    EXPECT_DOUBLE_EQ(s.calibrated_coverage, inside / static_cast<double>(errors.size()));
  }
  EXPECT_NE(validation_report(v).find("la que pide el horizonte 12"), std::string::npos)
      << validation_report(v);
}

TEST(RollingValidation, TheCalibratedTIsTheSmallestThatCoversTheLevel) {
  std::vector<double> errors;
  for (int i = 1; i <= 40; ++i) errors.push_back(i / 10.0);  // 0.1 .. 4.0
  // With one value still to come: 95 % of 41 is 38.95, so 39 of them.
  EXPECT_DOUBLE_EQ(*calibrated_t(errors, 95), 3.9);
  EXPECT_DOUBLE_EQ(*calibrated_t(errors, 97.5), 4.0);  // 39.975: all 40
  errors.pop_back();                                    // 39 values: 95 % of 40 is exactly 38
  EXPECT_DOUBLE_EQ(*calibrated_t(errors, 95), 3.8);
  EXPECT_DOUBLE_EQ(*calibrated_t(errors, 0.1), 0.1);
  EXPECT_FALSE(calibrated_t({}, 95));
  EXPECT_FALSE(calibrated_t({1.0, HUGE_VAL}, 95));
}

TEST(RollingValidation, WithTooFewErrorsForTheRankTheTComesFromTheirSpread) {
  // 10 errors at 95 % would need the 11th smallest. The largest of 10 holds
  // at best 10/11 of a new one: the t is their root mean square (here 1)
  // times Student's quantile with 10 degrees of freedom.
  const std::vector<double> even(10, 1.0);
  EXPECT_NEAR(*calibrated_t(even, 95), 2.2281, 1e-4);
  // Never below the largest error seen.
  std::vector<double> one_far(9, 0.1);
  one_far.push_back(5.0);
  EXPECT_DOUBLE_EQ(*calibrated_t(one_far, 95), 5.0);
  // 40 errors at 99.9 % would need the 41st: the same rule, not the largest.
  std::vector<double> errors;
  for (int i = 1; i <= 40; ++i) errors.push_back(i / 10.0);
  EXPECT_GT(*calibrated_t(errors, 99.9), 4.0);
  // With 19 the rank is the 19th, the largest: the order statistic holds.
  EXPECT_DOUBLE_EQ(*calibrated_t(std::vector<double>(19, 1.0), 95), 1.0);
  EXPECT_FALSE(calibrated_t({1.0, HUGE_VAL}, 99.9));
}

TEST(RollingValidation, TheTIsTendenciasTableUpTo32PointsAndTheExactQuantileBeyond) {
  EXPECT_DOUBLE_EQ(tendencia_t(95, 3), 12.706);
  EXPECT_EQ(tendencia_t(99, 32), table_entry(3, 30).value());
  EXPECT_NEAR(tendencia_t(95, 33), 2.0395, 1e-4);
  EXPECT_EQ(tendencia_t(80, 20), student_quantile(80, 18).value());
}

TEST(RollingValidation, ASeriesTooShortSaysHowManyValuesItNeeds) {
  const std::vector<double> y = sales();
  ValidationSettings settings;
  settings.horizon = 16;
  try {
    validate_terms(y, kConstantPower, {}, settings);
    FAIL();
  } catch (const FitRefused& refused) {
    EXPECT_EQ(std::string(refused.what()),
              "la serie tiene 20 valores y validar estos términos a 16 periodos necesita al "
              "menos 21 (5 para el ajuste y 16 para comparar)");
  }
  settings.horizon = 15;  // one origin is enough
  Validation v = validate_terms(y, kConstantPower, {}, settings);
  EXPECT_EQ(v.first_origin(), 5);
  EXPECT_EQ(v.last_origin(), 5);
  EXPECT_NE(validation_report(v).find("menos de 20 valores"), std::string::npos);
  // A window needs its values before the first origin; a logarithm, values above 0.
  EXPECT_THROW(validate_terms(y, kConstantPower, {false, 33}, ValidationSettings{}), FitRefused);
  std::vector<double> with_zero = y;
  with_zero[3] = 0.0;
  EXPECT_THROW(validate_terms(with_zero, kConstantPower, {true, 0}, ValidationSettings{}),
               FitRefused);
}

TEST(RollingValidation, ALogarithmIsScoredInTheSeriesOwnUnits) {
  // Growth by a constant rate is a line in the logarithm.
  std::vector<double> y;
  for (int x = 1; x <= 60; ++x) y.push_back(100.0 * std::exp(0.05 * x));
  ValidationSettings settings;
  settings.horizon = 6;
  Validation v = validate_terms(y, kConstantPower, {true, 0}, settings);
  ASSERT_TRUE(v.total.mase);
  EXPECT_LT(*v.total.mase, 0.01);
  const OriginProjection& last = v.projected.back();
  EXPECT_NEAR(std::exp(last.trend.front()), y[static_cast<std::size_t>(last.origin)],
              1e-6 * y[static_cast<std::size_t>(last.origin)]);
}

TEST(RollingValidation, OriginsWhoseFitFailsAreCountedAndAllFailingIsARefusal) {
  // A straight line: a logarithm fitted to any part of it runs off to its limit.
  Coefficients truth;
  truth.b[0] = 5;
  truth.b[1] = 2;
  truth.b[2] = 1;
  std::vector<double> y = synthetic_series(truth, 60, 0.5, 11);
  const TermSet logarithm = {{G::Constant, G::Logarithm}, false};
  try {
    Validation v = validate_terms(y, logarithm, {}, ValidationSettings{});
    EXPECT_GT(v.failed_origins, 0);
    EXPECT_NE(v.first_failure.find("k = "), std::string::npos);
  } catch (const FitRefused& refused) {
    EXPECT_EQ(std::string(refused.what()).find("la validación falla en los 20 orígenes (k = "), 0u)
        << refused.what();
  }
  // Stopping after two failures leaves the other origins untried, and the
  // refusal says so instead of counting them as failed.
  ValidationSettings hasty;
  hasty.most_failures = 2;
  try {
    validate_terms(y, logarithm, {}, hasty);
    FAIL() << "a validation without a single origin was accepted";
  } catch (const FitRefused& refused) {
    EXPECT_EQ(std::string(refused.what())
                  .find("la validación falla en los 2 primeros orígenes y no se prueban los otros "
                        "18 (k = 30: "),
              0u)
        << refused.what();
  }
}

}  // namespace
}  // namespace tendencia
