// Rolling-origin validation: its origins, its scores against tendencia's own
// line and interval, and the calibrated t.
#include "fit/rolling_validation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>

#include "io/data_series.h"
#include "model/regression_fit.h"
#include "model/student_quantile.h"
#include "model/student_table.h"
#include "support/synthetic_series.h"

namespace tendencia {
namespace {

using namespace testing;
using G = TermGroup;

std::vector<double> sales() {
  std::ifstream in(TENDENCIA_EXAMPLES_DIR "/Dventas.TXT", std::ios::binary);
  std::vector<double> y;
  for (const SeriesValue& v : read_series(in, "Dventas.TXT").values) y.push_back(v.number);
  return y;
}

TEST(RollingValidation, TheExampleIsScoredAtItsLastOriginsWithTendenciasOwnInterval) {
  const std::vector<double> y = sales();
  const std::vector<TermGroup> groups = {G::Constant, G::Power};
  FittedTrend full = fit_trend(y, groups, {});
  ValidationSettings settings;
  settings.horizon = 5;
  Validation v = validate_terms(y, groups, full, settings);
  // Every origin the series allows, up to 20: the fit needs 5 points.
  EXPECT_EQ(v.first_origin, 5);
  EXPECT_EQ(v.last_origin, 15);
  EXPECT_EQ(v.failed_origins, 0);
  ASSERT_EQ(v.by_horizon.size(), 5u);
  EXPECT_EQ(v.total.values, 55);
  EXPECT_EQ(v.scaled_errors.size(), 55u);
  for (const HorizonScore& s : v.by_horizon) EXPECT_EQ(s.values, 11);

  // The last origin's one-step value, redone by hand with tendencia's code.
  const std::vector<double> part(y.begin(), y.begin() + 15);
  FittedTrend fit = refit_trend(part, groups, full.coefficients);
  std::vector<SeriesValue> values;
  for (double value : part) values.push_back(SeriesValue::of_number(value));
  Fit line = fit_line(fit.coefficients, values, 15, Separators{});
  ProjectedPoint p = project(line, fit.coefficients, 15, 2.160, 1);
  EXPECT_DOUBLE_EQ(v.t_at_last_origin, 2.160);  // tendencia's table, 13 degrees, 95 %
  const double scaled = std::abs(y[15] - p.trend) / p.h;
  EXPECT_NE(std::find(v.scaled_errors.begin(), v.scaled_errors.end(), scaled),
            v.scaled_errors.end());

  // Coverage is the share of values within each origin's interval: of scaled
  // errors within the t of that origin's points.
  int inside = 0;
  for (std::size_t i = 0; i < v.scaled_errors.size(); ++i)
    inside += v.scaled_errors[i] <= tendencia_t(95, 15 - static_cast<int>(i / 5)) ? 1 : 0;
  EXPECT_DOUBLE_EQ(v.total.coverage, inside / 55.0);
  EXPECT_TRUE(v.total.mase && *v.total.mase > 0.0 && *v.total.mase < 1.0);
}

TEST(RollingValidation, TheCalibratedTIsTheSmallestThatCoversTheLevel) {
  std::vector<double> errors;
  for (int i = 1; i <= 40; ++i) errors.push_back(i / 10.0);  // 0.1 .. 4.0
  // With one value still to come: 95 % of 41 is 38.95, so 39 of them.
  EXPECT_DOUBLE_EQ(*calibrated_t(errors, 95), 3.9);
  EXPECT_DOUBLE_EQ(*calibrated_t(errors, 97.5), 4.0);  // 39.975: all 40
  EXPECT_DOUBLE_EQ(*calibrated_t(errors, 99.9), 4.0);  // more than there are: the largest
  errors.pop_back();                                    // 39 values: 95 % of 40 is exactly 38
  EXPECT_DOUBLE_EQ(*calibrated_t(errors, 95), 3.8);
  EXPECT_DOUBLE_EQ(*calibrated_t(errors, 0.1), 0.1);
  EXPECT_FALSE(calibrated_t({}, 95));
  EXPECT_FALSE(calibrated_t({1.0, HUGE_VAL}, 95));
}

TEST(RollingValidation, TheTIsTendenciasTableUpTo32PointsAndTheExactQuantileBeyond) {
  EXPECT_DOUBLE_EQ(tendencia_t(95, 3), 12.706);
  EXPECT_EQ(tendencia_t(99, 32), table_entry(3, 30).value());
  EXPECT_NEAR(tendencia_t(95, 33), 2.0395, 1e-4);
  EXPECT_EQ(tendencia_t(80, 20), student_quantile(80, 18).value());
}

TEST(RollingValidation, ASeriesTooShortSaysHowManyValuesItNeeds) {
  const std::vector<double> y = sales();
  FittedTrend full = fit_trend(y, {G::Constant, G::Power}, {});
  ValidationSettings settings;
  settings.horizon = 16;
  try {
    validate_terms(y, {G::Constant, G::Power}, full, settings);
    FAIL();
  } catch (const FitRefused& refused) {
    EXPECT_EQ(std::string(refused.what()),
              "la serie tiene 20 valores y validar estos términos a 16 periodos necesita al "
              "menos 21 (5 para el ajuste y 16 para comparar)");
  }
  settings.horizon = 15;  // one origin is enough
  Validation v = validate_terms(y, {G::Constant, G::Power}, full, settings);
  EXPECT_EQ(v.first_origin, 5);
  EXPECT_EQ(v.last_origin, 5);
  EXPECT_NE(validation_report(v).find("menos de 20 valores"), std::string::npos);
}

TEST(RollingValidation, OriginsWhoseFitFailsAreCountedAndAllFailingIsARefusal) {
  // A straight line: a logarithm fitted to any part of it runs off to its limit.
  Coefficients truth;
  truth.b[0] = 5;
  truth.b[1] = 2;
  truth.b[2] = 1;
  std::vector<double> y = synthetic_series(truth, 60, 0.5, 11);
  FittedTrend full = fit_trend(y, {G::Constant, G::Power}, {});
  Coefficients log_start = full.coefficients;
  log_start.b[1] = log_start.b[2] = 0;
  log_start.b[7] = 300;
  log_start.b[8] = 100;
  full.coefficients = log_start;
  try {
    validate_terms(y, {G::Constant, G::Logarithm}, full, ValidationSettings{});
    FAIL() << "a validation without a single origin was accepted";
  } catch (const FitRefused& refused) {
    EXPECT_EQ(std::string(refused.what()).find("la validación falla en los 20 orígenes (k = "), 0u)
        << refused.what();
  }
  // Stopping after two failures counts the origins not tried as failed.
  ValidationSettings hasty;
  hasty.most_failures = 2;
  EXPECT_THROW(validate_terms(y, {G::Constant, G::Logarithm}, full, hasty), FitRefused);
}

}  // namespace
}  // namespace tendencia
