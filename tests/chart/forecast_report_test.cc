#include "chart/forecast_report.h"

#include <gtest/gtest.h>

#include <cmath>

#include "support/forecast_report_text.h"
#include "text/number_forms.h"

namespace tendencia {
namespace {

using testing::known_report;

TEST(ForecastReport, ReadsTheReportBack) {
  ForecastReport report = parse_forecast_report(known_report());
  EXPECT_EQ(report.points_announced, 3);
  EXPECT_EQ(report.level_line, "El grado de confianza de los intervalos es:  95 %");
  EXPECT_EQ(report.regression_line, "Recta de regresion: Y = 2.5 F(X) + -0.5 ");
  ASSERT_EQ(report.observed.size(), 4u);  // the text "7" is still a number
  EXPECT_EQ(report.observed[1].value, 4.5);
  ASSERT_EQ(report.projected.size(), 3u);
  EXPECT_EQ(report.projected[2].period, 2007);
  EXPECT_EQ(report.projected[1].lower, 10.2);

  std::string spanish = known_report();
  for (std::size_t at = spanish.find("El valor"); at < spanish.size(); ++at)
    if (spanish[at] == '.') spanish[at] = ',';
  EXPECT_EQ(parse_forecast_report(spanish).observed[1].value, 4.5);
}

TEST(ForecastReport, ReadsWhatTheChartScalesAndFitsWith) {
  ForecastReport report = parse_forecast_report(known_report());
  EXPECT_EQ(report.separators.decimal, ".");
  EXPECT_EQ(report.level, 95.0);  // the last level line, the one accepted
  EXPECT_EQ(report.student_t, 4.303);
  EXPECT_EQ(report.points_considered, 4);
  ASSERT_TRUE(report.trend);
  EXPECT_EQ(report.trend->slope, 2.5);
  EXPECT_EQ(report.trend->intercept, -0.5);
  Coefficients linear;
  linear.b[1] = linear.b[2] = 1;
  EXPECT_EQ(report.trend->coefficients.b, linear.b);
  EXPECT_EQ(report.observed_rows[2].period, 2003);

  // Every coefficient in its place, in every print form, read back exactly.
  Coefficients all;
  for (std::size_t k = 0; k < all.b.size(); ++k)
    all.b[k] = (k % 2 ? -1.0 : 1.0) * (k + 0.25) * std::pow(10.0, static_cast<int>(k) - 12);
  all.b[16] = 1e-300;
  std::string text = known_report();
  const std::size_t first = text.find("F(X) =");
  const std::size_t end = text.find("\r\n\r\nRecta");
  std::string lines;
  for (const std::string& line : formula_lines(all)) lines += (lines.empty() ? "" : "\r\n") + line;
  text.replace(first, end - first, lines);
  report = parse_forecast_report(text);
  ASSERT_TRUE(report.trend);
  for (std::size_t k = 0; k < all.b.size(); ++k)
    EXPECT_EQ(report.trend->coefficients.b[k], std::stod(sign_blank_form(all.b[k]))) << k;

  // The comma is told from the report's own numbers, whatever reads it.
  std::string spanish = known_report();
  for (std::size_t at = spanish.find("El valor"); at < spanish.size(); ++at)
    if (spanish[at] == '.') spanish[at] = ',';
  report = parse_forecast_report(spanish);
  EXPECT_EQ(report.separators.decimal, ",");
  EXPECT_EQ(report.student_t, 4.303);
  EXPECT_EQ(report.projected[1].lower, 10.2);
  // A t the user typed may group thousands.
  spanish.replace(spanish.find(" 4,303 "), 7, " 1.004,5 ");
  EXPECT_EQ(parse_forecast_report(spanish).student_t, 1004.5);
}

TEST(ForecastReport, LinesThatDoNotReadLeaveTheirPartOutNotTheReport) {
  auto with = [](const std::string& from, const std::string& to) {
    std::string r = known_report();
    r.replace(r.find(from), from.size(), to);
    return r;
  };
  EXPECT_FALSE(parse_forecast_report(with(" 4.303 ", "")).student_t);
  EXPECT_FALSE(parse_forecast_report(with(" 4.303 ", " mucho ")).student_t);
  EXPECT_FALSE(parse_forecast_report(with("95 %\r\n\r\n", "noventa %\r\n\r\n")).level);
  EXPECT_FALSE(parse_forecast_report(with(" 2.5 F(X)", " 2.5 G(X)")).trend);
  EXPECT_FALSE(parse_forecast_report(with("+  0*cos( 0*X+ 0) ", "+  0*cos( 0*X+ 1E+999) ")).trend);
  EXPECT_FALSE(parse_forecast_report(with("*X/( 0+X)", "*X/( 0+X )")).trend);
  EXPECT_FALSE(parse_forecast_report(with("      +  0*exp( 0*X)/(1+ 0*exp( 0*X))\r\n\r\n", "\r\n")).trend);
}

TEST(ForecastReport, AReportCutShortIsRefused) {
  std::string full = known_report();
  // Fewer projected rows than announced.
  EXPECT_THROW(parse_forecast_report(known_report(3, 2)), ReportRefused);
  // No table: the run stopped in the fit.
  EXPECT_THROW(parse_forecast_report(full.substr(0, full.find("Recta"))), ReportRefused);
  // Stopped at the initial period, among the observed rows, or inside a row.
  EXPECT_THROW(parse_forecast_report(full.substr(0, full.find(" 2001"))), ReportRefused);
  EXPECT_THROW(parse_forecast_report(full.substr(0, full.find(" 2003"))), ReportRefused);
  EXPECT_THROW(parse_forecast_report(full.substr(0, full.size() - 5)), ReportRefused);
  // Not a report at all.
  EXPECT_THROW(parse_forecast_report(""), ReportRefused);
  EXPECT_THROW(parse_forecast_report("hola\r\n"), ReportRefused);
  EXPECT_THROW(parse_forecast_report(std::string(1000, '\0')), ReportRefused);
}

TEST(ForecastReport, NumbersOutsideTheReportsRangesAreRefusedNotConverted) {
  std::string full = known_report();
  auto with = [&](const std::string& from, const std::string& to) {
    std::string r = full;
    r.replace(r.find(from), from.size(), to);
    return r;
  };
  EXPECT_THROW(parse_forecast_report(with("Se extrapolan  3", "Se extrapolan  1E+300")),
               ReportRefused);
  EXPECT_THROW(parse_forecast_report(with("Se extrapolan  3", "Se extrapolan  2.5")),
               ReportRefused);
  EXPECT_THROW(parse_forecast_report(with("considerado es:  4", "considerado es:  -1E+300")),
               ReportRefused);
  EXPECT_THROW(parse_forecast_report(with(" 2001   ", " 1E+19  ")), ReportRefused);
  EXPECT_THROW(parse_forecast_report(with(" 2005   ", " 99999  ")), ReportRefused);
}

}  // namespace
}  // namespace tendencia
