#include "chart/forecast_table.h"

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

std::string row(const std::vector<std::string>& cells, char delimiter) {
  std::string line;
  bool first = true;
  for (const std::string& text : cells) {
    if (!first) line += delimiter;
    line += cell(text, delimiter);
    first = false;
  }
  return line + "\r\n";
}

// The print form without its blanks: "-8.5", "1.5E-07".
std::string number_text(double value, const Separators& separators) {
  return std::string(without_blanks_around(print_form(value, separators)));
}

}  // namespace

std::string forecast_table_csv(const ForecastReport& report,
                               const std::vector<TableBand>& other_levels,
                               const std::optional<CalendarAxis>& axis) {
  const std::vector<std::string> periods = period_labels(report, axis);
  const char delimiter = report.separators.decimal == "," ? ';' : ',';
  std::vector<std::string> header = {"periodo", "observado", "tendencia", "minimo", "maximo"};
  for (const TableBand& band : other_levels) {
    header.push_back("minimo_" + band.level_text);
    header.push_back("maximo_" + band.level_text);
  }
  const std::vector<std::string> no_bands(2 * other_levels.size());
  std::string table = row(header, delimiter);
  std::size_t row_index = 0;
  for (const ObservedRow& observed : report.observed_rows) {
    std::vector<std::string> cells = {periods[row_index++], observed.value_text, "", "", ""};
    cells.insert(cells.end(), no_bands.begin(), no_bands.end());
    table += row(cells, delimiter);
  }
  for (std::size_t i = 0; i < report.projected.size(); ++i) {
    const ProjectedRow& projected = report.projected[i];
    std::vector<std::string> cells = {periods[row_index++], "", projected.trend_text,
                                      projected.lower_text, projected.upper_text};
    for (const TableBand& band : other_levels) {
      cells.push_back(number_text(band.lower.at(i), report.separators));
      cells.push_back(number_text(band.upper.at(i), report.separators));
    }
    table += row(cells, delimiter);
  }
  return table;
}

}  // namespace tendencia
