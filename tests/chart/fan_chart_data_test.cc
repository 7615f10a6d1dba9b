// What the chart shows, computed from real reports (the example run in a "."
// and a "," locale) and from reports edited by hand.
#include "chart/fan_chart_data.h"

#include <gtest/gtest.h>

#include <cmath>

#include "run/run_sequence.h"
#include "support/forecast_report_text.h"
#include "support/scripted_dialogue.h"
#include "support/temp_directory.h"

namespace tendencia {
namespace {

using namespace testing;

// The example's report as the run writes it with `separators`.
std::string example_report(const Separators& separators, const std::string& level = "95") {
  TempDirectory directory;
  write_file(directory.file("Dventas.TXT"), read_file(std::string(TENDENCIA_EXAMPLES) + "/Dventas.TXT"));
  ScriptedDialogue dialogue(run_answers("ventas", "5", level, {"120", "15", "0.9"}, {"2001"}));
  run_sequence(dialogue, separators, directory.folder());
  return read_file(directory.file("Eventas.TXT"));
}

const ChartBand& band_at(const FanChart& chart, double level) {
  for (const ChartBand& band : chart.bands)
    if (band.level == level) return band;
  ADD_FAILURE() << "no band at " << level;
  return chart.bands.at(0);
}

TEST(FanChartData, TheReportsBandIsTheReportsNumbersAndTheOthersScaleByTheirT) {
  const ForecastReport report = parse_forecast_report(example_report(Separators{}));
  const FanChart chart = fan_chart_of(report, {});
  ASSERT_EQ(chart.bands.size(), 3u);
  EXPECT_EQ(chart.bands[0].level, 95);  // widest first, the order they are painted in
  EXPECT_EQ(chart.bands[1].level, 80);
  EXPECT_EQ(chart.bands[2].level, 50);
  EXPECT_EQ(chart.subtitle, "Tendencia y bandas de predicción al 50, 80 y 95 %");
  const ChartBand& stated = chart.bands[0];
  EXPECT_TRUE(stated.stated);
  ASSERT_EQ(stated.lower.size(), 5u);
  for (std::size_t i = 0; i < 5; ++i) {
    EXPECT_EQ(stated.lower[i], report.projected[i].lower);
    EXPECT_EQ(stated.upper[i], report.projected[i].upper);
    EXPECT_EQ(stated.periods[i], 2021 + i);
  }
  // t for 18 degrees of freedom: 2.101 in the report's table, 1.330391 at 80 %
  // and 0.688364 at 50 % (the quantiles 0.90 and 0.75).
  for (auto [level, t] : {std::pair{80.0, 1.330391}, std::pair{50.0, 0.688364}}) {
    const ChartBand& band = band_at(chart, level);
    EXPECT_FALSE(band.stated);
    for (std::size_t i = 0; i < 5; ++i) {
      const ProjectedRow& row = report.projected[i];
      EXPECT_NEAR((row.trend - band.lower[i]) / (row.trend - row.lower), t / 2.101, 1e-6);
      EXPECT_NEAR((band.upper[i] - row.trend) / (row.upper - row.trend), t / 2.101, 1e-6);
    }
  }
  // The table gets the other bands, widest first.
  std::vector<TableBand> columns = table_bands(chart);
  ASSERT_EQ(columns.size(), 2u);
  EXPECT_EQ(columns[0].level_text, "80");
  EXPECT_EQ(columns[1].level_text, "50");
  EXPECT_EQ(columns[1].upper, band_at(chart, 50).upper);
}

TEST(FanChartData, LevelsAskedForAreDrawnWithTheReportsAlways) {
  const ForecastReport report = parse_forecast_report(example_report(Separators{}, "90"));
  const FanChart usual = fan_chart_of(report, {});
  EXPECT_EQ(usual.subtitle, "Tendencia y bandas de predicción al 50, 80 y 90 %");
  const FanChart asked = fan_chart_of(report, {"", "ventas", {99.5, 60, 90}, {}});
  ASSERT_EQ(asked.bands.size(), 3u);
  EXPECT_EQ(asked.bands[0].level, 99.5);
  EXPECT_EQ(asked.bands[0].label, "Banda al 99.5 %");
  EXPECT_TRUE(asked.bands[1].stated);
  EXPECT_EQ(asked.subtitle, "Tendencia y bandas de predicción al 60, 90 y 99.5 %");
  // Darker for the narrower.
  EXPECT_LT(asked.bands[2].colour.g, asked.bands[1].colour.g);
  EXPECT_LT(asked.bands[1].colour.g, asked.bands[0].colour.g);
  // Levels no Student quantile has are named, not drawn; more bands than
  // colours share the lightest.
  const FanChart many = fan_chart_of(report, {"", "ventas", {0, 100, 5, 15, 25, 35, 45, 55, 65}, {}});
  EXPECT_EQ(many.levels_not_drawn, (std::vector<double>{0, 100}));
  ASSERT_EQ(many.bands.size(), 8u);
  EXPECT_EQ(many.bands[0].colour.g, many.bands[1].colour.g);
  const FanChart alone = fan_chart_of(report, {"", "ventas", {90}, {}});
  ASSERT_EQ(alone.bands.size(), 1u);
  EXPECT_EQ(alone.subtitle, "Tendencia y banda de predicción al 90 %");
  EXPECT_TRUE(table_bands(alone).empty());
}

TEST(FanChartData, ACommaReportDrawsTheSameChart) {
  const FanChart dot = fan_chart_of(parse_forecast_report(example_report(Separators{})), {});
  const FanChart comma =
      fan_chart_of(parse_forecast_report(example_report(Separators{",", "."})), {});
  EXPECT_EQ(comma.decimal, ",");
  ASSERT_EQ(comma.observed.size(), 20u);
  ASSERT_EQ(comma.bands.size(), dot.bands.size());
  for (std::size_t i = 0; i < dot.observed.size(); ++i)
    EXPECT_EQ(comma.observed[i].value, dot.observed[i].value);
  ASSERT_EQ(comma.fitted.size(), 1u);
  ASSERT_EQ(comma.fitted[0].size(), dot.fitted[0].size());
  for (std::size_t i = 0; i < dot.fitted[0].size(); ++i)
    EXPECT_EQ(comma.fitted[0][i].value, dot.fitted[0][i].value);
  for (std::size_t b = 0; b < dot.bands.size(); ++b) {
    EXPECT_EQ(comma.bands[b].lower, dot.bands[b].lower);
    EXPECT_EQ(comma.bands[b].upper, dot.bands[b].upper);
  }
  EXPECT_EQ(comma.value_low, dot.value_low);
  EXPECT_EQ(comma.value_high, dot.value_high);
  EXPECT_EQ(dot.note, "Recta de regresión: Y = 1.0158 · F(X) \xE2\x88\x92 5.3756   (N = 20, t de Student = 2.101)");
  EXPECT_EQ(comma.note, "Recta de regresión: Y = 1,0158 · F(X) \xE2\x88\x92 5,3756   (N = 20, t de Student = 2,101)");
}

TEST(FanChartData, TheFittedTrendFollowsTheRegressionLineOverTheObservedPeriods) {
  const ForecastReport report = parse_forecast_report(example_report(Separators{}));
  const FanChart chart = fan_chart_of(report, {});
  ASSERT_EQ(chart.fitted.size(), 1u);
  const std::vector<ChartPoint>& fitted = chart.fitted[0];
  ASSERT_EQ(fitted.size(), 21u);  // X = 1..20, then the first projected period
  for (int x = 1; x <= 20; ++x) {
    // 1.01583842491202 F(X) - 5.37556984367387 with F = 120 + 15 X^0.9
    const double expected = 1.01583842491202 * (120 + 15 * std::pow(x, 0.9)) - 5.37556984367387;
    EXPECT_NEAR(fitted[x - 1].value, expected, 1e-9) << x;
    EXPECT_EQ(fitted[x - 1].period, 2000 + x);
  }
  EXPECT_EQ(fitted.back().period, 2021);
  EXPECT_EQ(fitted.back().value, report.projected[0].trend);
  // The projected trend continues it within the report's 15 digits.
  EXPECT_NEAR(1.01583842491202 * (120 + 15 * std::pow(21, 0.9)) - 5.37556984367387,
              report.projected[0].trend, 1e-9);
}

TEST(FanChartData, WhereFCannotBeEvaluatedTheCurveHasAGap) {
  // log(X - 2) fails at X = 1 and 2 (every term is computed, whatever its factor).
  std::string text = known_report(3, 3, false);
  const std::string log_term = "0*log(X+ 0)";
  text.replace(text.find(log_term), log_term.size(), "0*log(X+-2)");
  const FanChart chart = fan_chart_of(parse_forecast_report(text), {});
  ASSERT_EQ(chart.fitted.size(), 1u);
  ASSERT_EQ(chart.fitted[0].size(), 3u);
  EXPECT_EQ(chart.fitted[0][0].period, 2003);
  EXPECT_EQ(chart.fitted[0][0].value, 2.5 * 3 - 0.5);
  EXPECT_EQ(chart.fitted[0][2].period, 2005);

  // A formula the reader cannot read back draws no curve, never a wrong one.
  std::string unreadable = known_report();
  unreadable.replace(unreadable.find("*X^( 1)"), 7, "*X^(uno)");
  EXPECT_TRUE(fan_chart_of(parse_forecast_report(unreadable), {}).fitted.empty());
}

TEST(FanChartData, WithoutAtOrPointsToScaleOnlyTheReportsBandIsDrawn) {
  // N = 2 leaves the t table's entry empty, and no degrees of freedom.
  std::string text = known_report();
  text.replace(text.find(" 4.303 "), 7, "");
  const FanChart chart = fan_chart_of(parse_forecast_report(text), {});
  ASSERT_EQ(chart.bands.size(), 1u);
  EXPECT_TRUE(chart.bands[0].stated);
  EXPECT_EQ(chart.levels_not_drawn, (std::vector<double>{50, 80}));
  EXPECT_EQ(chart.note, "Recta de regresión: Y = 2.5 · F(X) \xE2\x88\x92 0.5   (N = 4)");
}

TEST(FanChartData, TitlesComeFromTheDataFilesTitleLine) {
  const ForecastReport report = parse_forecast_report(known_report());
  FanChart chart = fan_chart_of(report, {"Mes           Pasajeros\tmensuales", "pasaj", {}, {}});
  EXPECT_EQ(chart.title, "Pasajeros mensuales");
  EXPECT_EQ(chart.period_caption, "Mes");
  chart = fan_chart_of(report, {"Año o periodo         NUMERO", "ventas", {}, {}});
  EXPECT_EQ(chart.title, "ventas");
  EXPECT_EQ(chart.period_caption, "Año o periodo");
  chart = fan_chart_of(report, {"", "ventas", {}, {}});
  EXPECT_EQ(chart.title, "ventas");
  EXPECT_EQ(chart.period_caption, "Año o periodo");
  EXPECT_EQ(fan_chart_of(parse_forecast_report(known_report(0, 0)), {}).subtitle,
            "Tendencia ajustada a los valores observados (sin puntos extrapolados)");
}

TEST(FanChartData, ARunOnLogarithmsIsShownInTheSeriesOwnUnits) {
  const ForecastReport report = parse_forecast_report(example_report(Separators{}));
  const FanChart plain = fan_chart_of(report, {"Año           Ventas", "ventas", {}, {}});
  const FanChart back = fan_chart_of(report, {"Año           log(Ventas)", "ventas", {}, {}});
  EXPECT_FALSE(plain.logarithms);
  EXPECT_TRUE(back.logarithms);
  EXPECT_EQ(back.title, "Ventas");
  EXPECT_NE(back.note.find("sobre el logaritmo de la serie"), std::string::npos) << back.note;
  ASSERT_EQ(back.observed.size(), plain.observed.size());
  EXPECT_DOUBLE_EQ(back.observed[3].value, std::exp(plain.observed[3].value));
  ASSERT_EQ(back.projected.size(), plain.projected.size());
  EXPECT_DOUBLE_EQ(back.projected[2].value, std::exp(plain.projected[2].value));
  ASSERT_EQ(back.bands.size(), plain.bands.size());
  EXPECT_DOUBLE_EQ(band_at(back, 80).upper[4], std::exp(band_at(plain, 80).upper[4]));
  EXPECT_GE(back.value_high, std::exp(band_at(plain, 95).upper[4]));

  // Beyond the exponential's reach a value is left out, never drawn infinite.
  std::string huge = known_report();
  huge.replace(huge.find(" 2007          17.5          11.5             22.5 "),
               50, " 2007          17.5          11.5             822.5 ");
  const FanChart past = fan_chart_of(parse_forecast_report(huge), {"A  log(B)", "b", {}, {}});
  for (const ChartBand& band : past.bands)
    for (double v : band.upper) EXPECT_TRUE(std::isfinite(v));
  EXPECT_EQ(past.levels_not_drawn.front(), 95);
}

TEST(FanChartData, AxesCoverEverythingDrawnWithRoundTicks) {
  const FanChart chart = fan_chart_of(parse_forecast_report(example_report(Separators{})), {});
  EXPECT_EQ(chart.period_low, 2000.5);
  EXPECT_EQ(chart.period_high, 2025.5);
  EXPECT_LE(chart.value_low, 132.89);
  EXPECT_GE(chart.value_high, chart.bands[0].upper.back());
  std::vector<AxisTick> periods = axis_ticks(chart.period_low, chart.period_high, 13, true, ".");
  ASSERT_FALSE(periods.empty());
  EXPECT_EQ(periods[0].text, "2002");
  EXPECT_EQ(periods[1].at - periods[0].at, 2);
  auto [low, high] = rounded_value_range(chart.value_low, chart.value_high, 8);
  EXPECT_EQ(low, 100);
  EXPECT_EQ(high, 450);
  std::vector<AxisTick> values = axis_ticks(low, high, 8, false, ",");
  EXPECT_EQ(values.front().text, "100");
  EXPECT_EQ(values.back().text, "450");
  EXPECT_EQ(axis_ticks(0, 0.5, 5, false, ",")[1].text, "0,1");
  // Ranges as wide as the numbers go still give a few ticks, never infinities.
  std::vector<AxisTick> widest = axis_ticks(-1.7e308, 1.7e308, 8, false, ".");
  EXPECT_GE(widest.size(), 2u);
  for (const AxisTick& tick : widest) EXPECT_TRUE(std::isfinite(tick.at));
  EXPECT_TRUE(axis_ticks(1, 1, 8, false, ".").empty());
  EXPECT_EQ(fraction_between(1e308, -1.7e308, 1.7e308), (1e308 / 2 + 1.7e308 / 2) / 1.7e308);
}

}  // namespace
}  // namespace tendencia
