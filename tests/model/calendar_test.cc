// The calendar of a series: dates as day numbers, each period's label, and the
// column of labels read as a calendar or refused with its reason.
#include "model/calendar.h"

#include <gtest/gtest.h>

#include "model/calendar_reading.h"
#include "model/civil_date.h"

namespace tendencia {
namespace {

std::string label(const Calendar& calendar, long long index) {
  return period_label(calendar, index).value_or("(ninguna)");
}

TEST(CivilDate, DayNumbersRunWithoutGapsOverEveryYearTheLabelsWrite) {
  EXPECT_EQ(day_number({1970, 1, 1}), 0);
  EXPECT_EQ(day_number({2000, 3, 1}), 11017);
  EXPECT_EQ(day_number({1, 1, 1}), -719162);
  EXPECT_EQ(day_number({9999, 12, 31}), 2932896);
  EXPECT_EQ(weekday(day_number({1949, 1, 31})), 0);  // a Monday
  EXPECT_EQ(weekday(day_number({1900, 1, 1})), 0);
  EXPECT_EQ(weekday(day_number({2024, 6, 16})), 6);  // a Sunday
  // Every day of the range, one after another: the date of each number is the
  // day after the date of the number before.
  CivilDate expected{1, 1, 1};
  for (long long day = -719162; day <= 2932896; ++day) {
    const CivilDate date = date_of_day(day);
    ASSERT_TRUE(date.year == expected.year && date.month == expected.month && date.day == expected.day)
        << day;
    ASSERT_EQ(day_number(date), day);
    if (++expected.day > days_in_month(expected.year, expected.month)) {
      expected.day = 1;
      if (++expected.month > 12) expected.month = 1, ++expected.year;
    }
  }
  EXPECT_FALSE(is_valid_date({1949, 2, 29}));
  EXPECT_TRUE(is_valid_date({2000, 2, 29}));
  EXPECT_FALSE(is_valid_date({1900, 2, 29}));
  EXPECT_FALSE(is_valid_date({0, 1, 1}));
  EXPECT_FALSE(is_valid_date({1949, 4, 31}));
}

TEST(Calendar, EachKindLabelsItsPeriodsAndContinuesThem) {
  EXPECT_EQ(label({CalendarKind::Yearly, 1949}, 13), "1962");
  EXPECT_EQ(label({CalendarKind::Quarterly, 1971 * 4}, 0), "1971-Q1");
  EXPECT_EQ(label({CalendarKind::Quarterly, 1971 * 4}, 7), "1972-Q4");
  EXPECT_EQ(label({CalendarKind::Quarterly, 1971 * 4}, -1), "1970-Q4");
  const Calendar months{CalendarKind::Monthly, 1949 * 12};
  EXPECT_EQ(label(months, 0), "1949-01");
  EXPECT_EQ(label(months, 144), "1961-01");
  EXPECT_EQ(label(months, 167), "1962-12");
  const long long monday = day_number({1949, 1, 31});
  EXPECT_EQ(label({CalendarKind::Weekly, monday}, 1), "1949-02-07");
  EXPECT_EQ(label({CalendarKind::Daily, monday}, 29), "1949-03-01");
  // Working days: Friday, then Monday; backwards over the weekend too.
  const Calendar working{CalendarKind::WorkingDays, day_number({1949, 2, 3})};  // a Thursday
  EXPECT_EQ(label(working, 1), "1949-02-04");
  EXPECT_EQ(label(working, 2), "1949-02-07");
  EXPECT_EQ(label(working, 7), "1949-02-14");
  EXPECT_EQ(label(working, -4), "1949-01-28");
  EXPECT_EQ(label(working, 500), "1951-01-04");  // 100 weeks later
  // Beyond years 1..9999 a period has no label; nothing wraps or overflows.
  EXPECT_EQ(label({CalendarKind::Yearly, 9999}, 1), "(ninguna)");
  EXPECT_EQ(label({CalendarKind::Monthly, 9999 * 12 + 11}, 1), "(ninguna)");
  EXPECT_EQ(label({CalendarKind::Daily, day_number({1, 1, 1})}, -1), "(ninguna)");
  EXPECT_EQ(label({CalendarKind::Weekly, 0}, 9223372036854775807LL), "(ninguna)");
  EXPECT_EQ(label({CalendarKind::WorkingDays, 0}, -9223372036854775807LL - 1), "(ninguna)");
  EXPECT_EQ(label({CalendarKind::Yearly, -9223372036854775807LL}, 5), "(ninguna)");
  EXPECT_EQ(label({CalendarKind::Yearly, 5}, 0), "0005");
}

// The calendar read from `labels`, as "kind first-label", or its reason.
std::string read(const std::vector<std::string>& labels) {
  const CalendarReading reading = read_calendar(labels);
  if (!reading.calendar)
    return "no (" + std::to_string(reading.stops_at) + "): " + reading.why_not;
  return calendar_name(reading.calendar->kind) + " " + label(*reading.calendar, 0);
}

TEST(CalendarReading, EveryFormOfEachKindGivesItsCalendar) {
  EXPECT_EQ(read({"1949", "1950", "1951"}), "anual 1949");
  for (const auto& column : std::vector<std::vector<std::string>>{
           {"1949-Q1", "1949-Q2", "1949-Q3", "1949-Q4", "1950-Q1"},
           {"1949Q1", "1949Q2", "1949Q3", "1949Q4", "1950Q1"},
           {"1949-T1", "1949-T2", "1949-T3", "1949-T4", "1950-T1"},
           {"T1 1949", "T2 1949", "T3 1949", "T4 1949", "T1 1950"},
           {"q1-1949", "Q2 1949", "1949 q3", "1949t4", "1950-Q1"}})
    EXPECT_EQ(read(column), "trimestral 1949-Q1") << column[0];
  for (const auto& column : std::vector<std::vector<std::string>>{
           {"1949-11", "1949-12", "1950-01"},
           {"1949/11", "1949/12", "1950/1"},
           {"11/1949", "12/1949", "01/1950"},
           {"nov-1949", "dic-1949", "ene-1950"},
           {"nov 1949", "Dic 1949", "ENE 1950"},
           {"nov.-1949", "dic. 1949", "enero 1950"},
           {"Nov-1949", "Dec-1949", "Jan-1950"},
           {"1949M11", "1949M12", "1950M01"},
           {"  1949-11 ", "\t1949-12", "1950-01"}})
    EXPECT_EQ(read(column), "mensual 1949-11") << column[0];
  EXPECT_EQ(read({"1949-01-31", "1949-02-01", "1949-02-02"}), "diario 1949-01-31");
  EXPECT_EQ(read({"31/01/1949", "1/02/1949", "02-02-1949", "3.2.1949"}), "diario 1949-01-31");
  EXPECT_EQ(read({"1949/01/31", "1949/02/07", "1949/02/14"}), "semanal 1949-01-31");
  EXPECT_EQ(read({"1949-02-03", "1949-02-04", "1949-02-07", "1949-02-08"}),
            "de días laborables 1949-02-03");
  // Dates a month, a quarter or a year apart are those periods.
  EXPECT_EQ(read({"1949-01-01", "1949-02-01", "1949-03-01"}), "mensual 1949-01");
  EXPECT_EQ(read({"31/01/1949", "28/02/1949", "31/03/1949", "30/04/1949"}), "mensual 1949-01");
  EXPECT_EQ(read({"1971-03-31", "1971-06-30", "1971-09-30", "1971-12-31"}), "trimestral 1971-Q1");
  EXPECT_EQ(read({"15/11/1971", "15/02/1972"}), "trimestral 1971-Q4");
  EXPECT_EQ(read({"1949-12-31", "1950-12-31"}), "anual 1949");
  // One label is a calendar of its kind.
  EXPECT_EQ(read({"1949-01-31"}), "diario 1949-01-31");
  EXPECT_EQ(read({"T3 2001"}), "trimestral 2001-Q3");
}

TEST(CalendarReading, AGapARepeatAStepBackOrAChangingStepIsNoCalendar) {
  EXPECT_EQ(read({"1950-01", "1950-02", "1950-04"}),
            "no (2): falta algún periodo entre \"1950-02\" y \"1950-04\"");
  EXPECT_EQ(read({"1950-01", "1950-02", "feb-1950"}),
            "no (2): \"feb-1950\" repite el periodo de \"1950-02\"");
  EXPECT_EQ(read({"2001", "2000"}), "no (1): \"2000\" es anterior a \"2001\"");
  // A week that jumps; a step that shrinks.
  EXPECT_EQ(read({"1949-01-03", "1949-01-10", "1949-01-24"}),
            "no (2): falta algún periodo entre \"1949-01-10\" y \"1949-01-24\"");
  EXPECT_EQ(read({"1949-01-03", "1949-01-10", "1949-01-12"}),
            "no (2): de \"1949-01-10\" a \"1949-01-12\" el paso no es el de las fechas anteriores");
  // A working day missing (a holiday) is a gap like any other.
  EXPECT_EQ(read({"1949-02-03", "1949-02-04", "1949-02-08"}),
            "no (2): falta algún periodo entre \"1949-02-04\" y \"1949-02-08\"");
  EXPECT_EQ(read({"1949-01-01", "1949-01-04"}),
            "no (1): de \"1949-01-01\" a \"1949-01-04\" no hay un día, una semana, un mes, un "
            "trimestre ni un año");
  EXPECT_EQ(read({"1949-01-01", "1949-01-01"}),
            "no (1): \"1949-01-01\" repite el periodo de \"1949-01-01\"");
  EXPECT_EQ(read({"1949-01", "1949-Q1"}), "no (1): \"1949-Q1\" no es de la misma clase que \"1949-01\"");
  EXPECT_EQ(read({}), "no (0): no hay etiquetas");
}

TEST(CalendarReading, BadLabelsEndAsTextNeverAsAWrongDate) {
  EXPECT_EQ(read({"30/01/1949", "31/02/1949"}), "no (1): \"31/02/1949\" no es una fecha que exista");
  EXPECT_EQ(read({"1949-13"}), "no (0): \"1949-13\" no es una fecha que exista");
  EXPECT_EQ(read({"1949-Q5"}), "no (0): \"1949-Q5\" no es una fecha que exista");
  EXPECT_EQ(read({"0000"}), "no (0): \"0000\" no es una fecha que exista");
  EXPECT_EQ(read({"29/02/1900"}), "no (0): \"29/02/1900\" no es una fecha que exista");
  for (const char* text :
       {"99999999999999999999-01", "1949-00000000000000000001", "19490", "49", "ene-49", "1/2/49",
        "1949-01-31 12:00", "1949--01", "-1949", "1949-", "1949-01/31", "1949/01-31", "Q1",
        "1949 Q12", "ene", "Lunes", "1949-W05", "1949.01", "", "1949-01-31-01", "\xc3\xa9ne 1949",
        "0001949-01-01", "1949 - 01"})
    EXPECT_EQ(read_period_label(text).shape, PeriodLabel::None) << text;
  EXPECT_EQ(read({"Lunes", "Martes"}), "no (0): \"Lunes\" no es una fecha ni un periodo");
  EXPECT_EQ(read_period_label(std::string(40, '1')).shape, PeriodLabel::None);
}

}  // namespace
}  // namespace tendencia
