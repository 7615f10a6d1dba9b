// A report's periods set against its data file's calendar: the labels of the
// chart's table, and the ticks the period axis may have.
#include "chart/calendar_axis.h"

#include <gtest/gtest.h>

#include "chart/forecast_table.h"
#include "support/forecast_report_text.h"

namespace tendencia {
namespace {

using namespace testing;

// A report of `observed` rows and `projected` rows, periods from `first`.
ForecastReport report_of(int first, int observed, int projected) {
  ForecastReport report;
  for (int i = 0; i < observed; ++i)
    report.observed_rows.push_back({first + i, std::to_string(first + i), "1"});
  for (int i = 0; i < projected; ++i) {
    ProjectedRow row;
    row.period = first + observed + i;
    row.period_text = std::to_string(row.period);
    report.projected.push_back(row);
  }
  return report;
}

std::string texts(const std::vector<AxisTick>& ticks) {
  std::string out;
  for (const AxisTick& tick : ticks) out += (out.empty() ? "" : " ") + tick.text;
  return out;
}

std::string places(const std::vector<AxisTick>& ticks) {
  std::string out;
  for (const AxisTick& tick : ticks) out += (out.empty() ? "" : " ") + std::to_string(int(tick.at));
  return out;
}

TEST(CalendarAxis, EveryRowOfTheReportTakesItsLabelWhateverItsPeriodNumber) {
  const Calendar months{CalendarKind::Monthly, 1949 * 12};
  for (int first : {1, 1949, -5}) {
    const ForecastReport report = report_of(first, 144, 24);
    const std::optional<CalendarAxis> axis = calendar_axis(report, months);
    ASSERT_TRUE(axis);
    const std::vector<std::string> labels = period_labels(report, axis);
    ASSERT_EQ(labels.size(), 168u);
    EXPECT_EQ(labels.front(), "1949-01");
    EXPECT_EQ(labels[143], "1960-12");
    EXPECT_EQ(labels[144], "1961-01");
    EXPECT_EQ(labels.back(), "1962-12");
  }
  // Without a calendar, or past the years labels reach, the report's own numbers.
  const ForecastReport report = report_of(2001, 3, 2);
  EXPECT_FALSE(calendar_axis(report, std::nullopt));
  EXPECT_FALSE(calendar_axis(report, Calendar{CalendarKind::Yearly, 9997}));
  EXPECT_FALSE(calendar_axis(ForecastReport{}, months));
  EXPECT_EQ(period_labels(report, std::nullopt),
            (std::vector<std::string>{"2001", "2002", "2003", "2004", "2005"}));
}

TEST(CalendarAxis, TheTableCarriesTheLabelsInItsPeriodColumn) {
  const ForecastReport report = parse_forecast_report(known_report());
  const std::optional<CalendarAxis> axis =
      calendar_axis(report, Calendar{CalendarKind::Quarterly, 1971 * 4 + 2});
  const std::string table = forecast_table_csv(report, {}, axis);
  EXPECT_EQ(table.substr(0, table.find("\r\n1972-Q2")),
            "periodo,observado,tendencia,minimo,maximo\r\n1971-Q3,2,,,\r\n1971-Q4,4.5,,,\r\n"
            "1972-Q1,6,,,");
  EXPECT_NE(table.find("\r\n1972-Q3,,12,8.5,15.5\r\n1972-Q4,,14.5,10.2,18.8\r\n1973-Q1,,17.5,11.5,22.5\r\n"),
            std::string::npos)
      << table;
}

TEST(CalendarAxis, TicksStandAtTheFirstPeriodOfEachUnitFinestFirst) {
  // Months from 1949-03: months, quarters and half years, then years.
  const ForecastReport months = report_of(1, 46, 0);
  const CalendarAxis monthly = *calendar_axis(months, Calendar{CalendarKind::Monthly, 1949 * 12 + 2});
  std::vector<std::vector<AxisTick>> sets = calendar_ticks(monthly, 0.5, 46.5);
  ASSERT_GE(sets.size(), 5u);
  EXPECT_EQ(sets[0].size(), 46u);
  EXPECT_EQ(texts(sets[1]).substr(0, 24), "1949-04 1949-07 1949-10 ");
  EXPECT_EQ(places(sets[1]).substr(0, 9), "2 5 8 11 ");
  EXPECT_EQ(texts(sets[2]), "1949-07 1950-01 1950-07 1951-01 1951-07 1952-01 1952-07");
  EXPECT_EQ(texts(sets[3]), "1950 1951 1952");
  EXPECT_EQ(places(sets[3]), "11 23 35");
  EXPECT_EQ(texts(sets[4]), "1950 1952");
  EXPECT_EQ(texts(sets.back()), "1950");  // every tenth, fiftieth... year: 1950 alone

  // Working days from Thursday 1949-02-03: days, Mondays, months.
  const ForecastReport days = report_of(1, 45, 0);
  const CalendarAxis working =
      *calendar_axis(days, Calendar{CalendarKind::WorkingDays, day_number({1949, 2, 3})});
  sets = calendar_ticks(working, 0.5, 45.5);
  EXPECT_EQ(texts(sets[1]).substr(0, 33), "1949-02-07 1949-02-14 1949-02-21 ");
  EXPECT_EQ(places(sets[1]).substr(0, 8), "3 8 13 1");
  // March begins on a Tuesday: its tick is there, and April's on Friday the first.
  EXPECT_EQ(texts(sets[2]), "1949-03 1949-04");
  EXPECT_EQ(places(sets[2]), "19 42");

  // Weeks on Sundays: each week, then the first week of each month.
  const CalendarAxis weekly =
      *calendar_axis(report_of(1, 10, 0), Calendar{CalendarKind::Weekly, day_number({1949, 1, 23})});
  sets = calendar_ticks(weekly, 0.5, 10.5);
  EXPECT_EQ(sets[0].size(), 10u);
  EXPECT_EQ(texts(sets[1]), "1949-02 1949-03");
  EXPECT_EQ(places(sets[1]), "3 7");

  // Years: every year, then round steps.
  const CalendarAxis yearly = *calendar_axis(report_of(1, 30, 0), Calendar{CalendarKind::Yearly, 1987});
  sets = calendar_ticks(yearly, 0.5, 30.5);
  EXPECT_EQ(sets[0].size(), 30u);
  EXPECT_EQ(texts(sets[2]), "1990 1995 2000 2005 2010 2015");
  // A range beyond the periods that have dates, or no range at all, gives no tick.
  EXPECT_TRUE(calendar_ticks(yearly, 9000.5, 9030.5).empty());
  EXPECT_TRUE(calendar_ticks(yearly, 5.5, 5.7).empty());
  EXPECT_TRUE(calendar_ticks(yearly, 1e300, -1e300).empty());
}

}  // namespace
}  // namespace tendencia
