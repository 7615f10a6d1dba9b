// Dates of the proleptic Gregorian calendar as day numbers, so that a step
// between two dates is a subtraction. Plain integer arithmetic of our own:
// C++17 has no calendar types, and a series' dates need nothing else.
#pragma once

namespace tendencia {

// Years 1..9999: every label writes its year with four digits.
constexpr int kFirstYear = 1, kLastYear = 9999;

struct CivilDate {
  int year = 1970, month = 1, day = 1;  // month 1..12, day 1..31
};

// a / b rounded toward minus infinity (b != 0): periods and days before an
// epoch fall in the unit before it.
long long floor_div(long long a, long long b);

inline bool is_leap_year(int year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

// 28..31; `month` must be 1..12.
int days_in_month(int year, int month);

// A date that exists, its year within kFirstYear..kLastYear.
bool is_valid_date(const CivilDate& date);

// Days since 1970-01-01 (negative before it); `date` must be valid.
long long day_number(const CivilDate& date);

// The date of a day number; any number whose date lies within years
// kFirstYear..kLastYear (day_number's range).
CivilDate date_of_day(long long day);

// 0 for Monday .. 6 for Sunday.
int weekday(long long day);

}  // namespace tendencia
