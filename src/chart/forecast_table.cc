#include "chart/forecast_table.h"

#include <cmath>

#include "text/characters.h"
#include "text/number_forms.h"

namespace tendencia {
namespace {

std::string cell(const std::string& text, char delimiter) {
  if (text.find_first_of(std::string{delimiter, '"', '\r', '\n'}) == std::string::npos) return text;
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + '"';
}

}  // namespace

std::string table_number(double value, const Separators& separators) {
  return std::string(without_blanks_around(print_form(value, separators)));
}

char table_delimiter(const Separators& separators) {
  return separators.decimal == "," ? ';' : ',';
}

std::string table_row(const std::vector<std::string>& cells, char delimiter) {
  std::string line;
  bool first = true;
  for (const std::string& text : cells) {
    if (!first) line += delimiter;
    line += cell(text, delimiter);
    first = false;
  }
  return line + "\r\n";
}

std::vector<ForecastTableRow> forecast_table_rows(const ForecastReport& report,
                                                  const std::optional<CalendarAxis>& axis,
                                                  bool logarithms) {
  // The report's text, or in the series' units the exponential of its number.
  auto shown = [&](const std::string& text, double value) {
    if (!logarithms) return text;
    const double in_units = std::exp(value);
    return std::isfinite(in_units) ? table_number(in_units, report.separators) : std::string();
  };
  const std::vector<std::string> periods = period_labels(report, axis);
  std::vector<ForecastTableRow> rows;
  std::size_t numeric = 0;  // report.observed holds the observed rows that are numbers
  for (const ObservedRow& observed : report.observed_rows) {
    std::string value = observed.value_text;
    if (numeric < report.observed.size() && report.observed[numeric].period == observed.period)
      value = shown(value, report.observed[numeric++].value);
    rows.push_back({periods[rows.size()], value, "", "", ""});
  }
  for (const ProjectedRow& projected : report.projected)
    rows.push_back({periods[rows.size()], "", shown(projected.trend_text, projected.trend),
                    shown(projected.lower_text, projected.lower),
                    shown(projected.upper_text, projected.upper)});
  return rows;
}

std::string forecast_table_csv(const ForecastReport& report,
                               const std::vector<TableBand>& other_levels,
                               const std::optional<CalendarAxis>& axis, bool logarithms) {
  const char delimiter = table_delimiter(report.separators);
  std::vector<std::string> header = {"periodo", "observado", "tendencia", "minimo", "maximo"};
  for (const TableBand& band : other_levels) {
    header.push_back("minimo_" + band.level_text);
    header.push_back("maximo_" + band.level_text);
  }
  std::string table = table_row(header, delimiter);
  const std::vector<ForecastTableRow> rows = forecast_table_rows(report, axis, logarithms);
  const std::size_t observed = report.observed_rows.size();
  for (std::size_t i = 0; i < rows.size(); ++i) {
    std::vector<std::string> cells = {rows[i].period, rows[i].observed, rows[i].trend,
                                      rows[i].lower, rows[i].upper};
    for (const TableBand& band : other_levels) {
      cells.push_back(i < observed ? "" : table_number(band.lower.at(i - observed), report.separators));
      cells.push_back(i < observed ? "" : table_number(band.upper.at(i - observed), report.separators));
    }
    table += table_row(cells, delimiter);
  }
  return table;
}

}  // namespace tendencia
