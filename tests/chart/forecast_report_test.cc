#include "chart/forecast_report.h"

#include <gtest/gtest.h>

#include "support/forecast_report_text.h"

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
