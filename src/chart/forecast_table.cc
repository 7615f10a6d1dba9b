#include "chart/forecast_table.h"

#include <initializer_list>

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

std::string row(std::initializer_list<std::string> cells, char delimiter) {
  std::string line;
  bool first = true;
  for (const std::string& text : cells) {
    if (!first) line += delimiter;
    line += cell(text, delimiter);
    first = false;
  }
  return line + "\r\n";
}

}  // namespace

std::string forecast_table_csv(const ForecastReport& report, const Separators& separators) {
  const char delimiter = separators.decimal == "," ? ';' : ',';
  std::string table = row({"periodo", "observado", "tendencia", "minimo", "maximo"}, delimiter);
  for (const ObservedRow& observed : report.observed_rows)
    table += row({observed.period_text, observed.value_text, "", "", ""}, delimiter);
  for (const ProjectedRow& projected : report.projected)
    table += row({projected.period_text, "", projected.trend_text, projected.lower_text,
                  projected.upper_text},
                 delimiter);
  return table;
}

}  // namespace tendencia
