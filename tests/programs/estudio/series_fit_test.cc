#include "programs/estudio/series_fit.h"

#include <gtest/gtest.h>

#include "core/failure.h"
#include "fit/fit_report.h"
#include "fit/trend_fit.h"

namespace tendencia {
namespace {

const Separators kPoint{".", ""};

DataSeries series_of(const std::vector<double>& values) {
  DataSeries series;
  for (double v : values) series.values.push_back(SeriesValue::of_number(v));
  return series;
}

const std::vector<double> kVentas = {132.89, 143.8,  162.13, 167.1,  184.28, 193.62, 201.13,
                                     217.56, 222.82, 238.35, 244.66, 255.48, 269.98, 285.21,
                                     287.11, 298.56, 313.62, 327.6,  333.23, 341.1};
const std::vector<TermGroup> kConstantPower = {TermGroup::Constant, TermGroup::Power};

TEST(FitSeries, GivesTheFitProgramsAnswersReportAndValidation) {
  SeriesFit fit = fit_series(series_of(kVentas), kConstantPower, false, "Dventas.TXT", {5, 95},
                             kPoint);
  FittedTrend direct = fit_trend(kVentas, kConstantPower, {});
  std::string answers;
  for (const std::string& b : fit.coefficients) answers += b + "\n";
  EXPECT_EQ(answers, coefficient_answers(direct.coefficients));
  EXPECT_EQ(fit.report.rfind(fit_report(direct, "Dventas.TXT", 20, kConstantPower), 0), 0u);
  EXPECT_NE(fit.report.find("MASE"), std::string::npos);
  EXPECT_TRUE(fit.calibrated_t.has_value());
}

TEST(ValidationSettingsFor, TakeTheHorizonFromMUpToAThirdOfTheSeries) {
  EXPECT_EQ(validation_settings_for(5, 99, 20).horizon, 5);
  EXPECT_EQ(validation_settings_for(24, 95, 20).horizon, 6);
  EXPECT_EQ(validation_settings_for(5, 95, 2).horizon, 1);
  EXPECT_EQ(validation_settings_for(0, 95, 100).horizon, 6);
  EXPECT_EQ(validation_settings_for(5, 99, 20).level_percent, 99);
}

TEST(FitSeries, ASeriesTooShortToValidateStillGetsItsFit) {
  SeriesFit fit = fit_series(series_of({3, 5, 8, 9, 12}), kConstantPower, false, "Dx.TXT",
                             {6, 95}, kPoint);
  EXPECT_NE(fit.report.find("Sin validación: "), std::string::npos);
  EXPECT_FALSE(fit.calibrated_t.has_value());
  EXPECT_NE(fit.coefficients[1], "0");
}

TEST(FitSeries, RefusesNoTermsAndATextValueAsTheFitProgramDoes) {
  EXPECT_THROW(fit_series(series_of(kVentas), {}, false, "Dv.TXT", {5, 95}, kPoint), FitRefused);
  DataSeries with_text = series_of(kVentas);
  with_text.values[3] = SeriesValue::of_text("\"n/d\"");
  EXPECT_THROW(fit_series(with_text, kConstantPower, false, "Dv.TXT", {5, 95}, kPoint), Failure);
}

TEST(FitSeries, AutomaticChoosesTheTermsItFits) {
  SeriesFit fit = fit_series(series_of(kVentas), {}, true, "Dventas.TXT", {5, 95}, kPoint);
  ASSERT_FALSE(fit.groups.empty());
  EXPECT_EQ(fit.groups.front(), TermGroup::Constant);
  EXPECT_NE(fit.report.find("Elección automática"), std::string::npos);
}

}  // namespace
}  // namespace tendencia
