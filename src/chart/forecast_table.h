// The report's table as a CSV file for a spreadsheet ("G" + name + ".CSV").
#pragma once

#include <string>
#include <vector>

#include "chart/calendar_axis.h"
#include "chart/forecast_report.h"

namespace tendencia {

// The delimiter of a table whose numbers use `separators`: ";" with a decimal
// ",", as spreadsheets of such locales expect; "," otherwise.
char table_delimiter(const Separators& separators);

// One row of such a table, ended by CR LF: the cells between delimiters, a
// cell holding the delimiter, a quote or a line end quoted (RFC 4180).
std::string table_row(const std::vector<std::string>& cells, char delimiter);

// The bounds of a band at a level other than the report's, one pair for each
// projected row of the report.
struct TableBand {
  std::string level_text;  // "80", "99,5": the level as the column names show it
  std::vector<double> lower, upper;
};

// The header "periodo,observado,tendencia,minimo,maximo", then one row per row
// of the report: an observed row fills periodo and observado, a projected row
// periodo, tendencia, minimo and maximo; the other cells stay empty. Numbers
// and texts are exactly the report's, so the file is Windows-1252 like the
// report, with CR LF line ends. Each band of `other_levels` adds two columns
// after those, "minimo_" and "maximo_" + its level, filled in the projected
// rows with the 15 significant digits of the report's numbers. With a
// calendar's `axis`, periodo holds each row's label ("1961-01"). With
// `logarithms` (a run on the logarithms of the series, FanChart::logarithms)
// every number is the exponential of the report's, with 15 significant
// digits, the bands' as given. With "," as
// the report's decimal separator the cells are separated by ";", as
// spreadsheets of such locales expect; a cell holding the separator, a quote
// or a line end is quoted (RFC 4180). Each band must have a bound for every
// projected row.
// A number as the table writes it: its print form without blanks ("-8.5",
// "1.5E-07").
std::string table_number(double value, const Separators& separators);

// One row of the report's table as the user reads it: the period (its
// calendar label with an `axis`), the observed value or the projected trend
// and bounds, as the report writes them, or with `logarithms` their
// exponentials with 15 significant digits (empty where one leaves the range
// of numbers).
struct ForecastTableRow {
  std::string period, observed, trend, lower, upper;
};
std::vector<ForecastTableRow> forecast_table_rows(const ForecastReport& report,
                                                  const std::optional<CalendarAxis>& axis,
                                                  bool logarithms);

std::string forecast_table_csv(const ForecastReport& report,
                               const std::vector<TableBand>& other_levels = {},
                               const std::optional<CalendarAxis>& axis = std::nullopt,
                               bool logarithms = false);

}  // namespace tendencia
