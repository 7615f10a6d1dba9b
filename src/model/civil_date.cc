#include "model/civil_date.h"

namespace tendencia {
namespace {

// Whole 400-year eras keep every division below on non-negative numbers; the
// year is counted from March, so that the leap day ends it.
constexpr long long kDaysPerEra = 146097;
constexpr long long kDaysBefore1970 = 719468;  // from 0000-03-01 to 1970-01-01

}  // namespace

long long floor_div(long long a, long long b) { return a / b - (a % b != 0 && (a < 0) != (b < 0)); }

int days_in_month(int year, int month) {
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && is_leap_year(year) ? 29 : kDays[month - 1];
}

bool is_valid_date(const CivilDate& date) {
  return date.year >= kFirstYear && date.year <= kLastYear && date.month >= 1 && date.month <= 12 &&
         date.day >= 1 && date.day <= days_in_month(date.year, date.month);
}

long long day_number(const CivilDate& date) {
  const long long year = date.month <= 2 ? date.year - 1 : date.year;
  const long long era = floor_div(year, 400);
  const long long year_of_era = year - era * 400;
  const long long month_from_march = (date.month + 9) % 12;
  const long long day_of_year = (153 * month_from_march + 2) / 5 + date.day - 1;
  const long long day_of_era = year_of_era * 365 + year_of_era / 4 - year_of_era / 100 + day_of_year;
  return era * kDaysPerEra + day_of_era - kDaysBefore1970;
}

CivilDate date_of_day(long long day) {
  const long long shifted = day + kDaysBefore1970;
  const long long era = floor_div(shifted, kDaysPerEra);
  const long long day_of_era = shifted - era * kDaysPerEra;
  const long long year_of_era =
      (day_of_era - day_of_era / 1460 + day_of_era / 36524 - day_of_era / 146096) / 365;
  const long long day_of_year = day_of_era - (365 * year_of_era + year_of_era / 4 - year_of_era / 100);
  const long long month_from_march = (5 * day_of_year + 2) / 153;
  CivilDate date;
  date.day = static_cast<int>(day_of_year - (153 * month_from_march + 2) / 5 + 1);
  date.month = static_cast<int>(month_from_march < 10 ? month_from_march + 3 : month_from_march - 9);
  date.year = static_cast<int>(year_of_era + era * 400 + (date.month <= 2));
  return date;
}

int weekday(long long day) {
  // 1970-01-01 was a Thursday.
  return static_cast<int>(day + 3 - floor_div(day + 3, 7) * 7);
}

}  // namespace tendencia
