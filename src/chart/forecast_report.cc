#include "chart/forecast_report.h"

#include <cmath>
#include <sstream>

#include "core/failure.h"
#include "io/report_texts.h"
#include "io/results_report.h"
#include "text/characters.h"
#include "text/conversions.h"
#include "text/text_encoding.h"

namespace tendencia {
namespace {

std::vector<std::string> split_lines(const std::string& bytes) {
  std::vector<std::string> lines;
  std::size_t begin = 0;
  while (begin < bytes.size()) {
    std::size_t end = bytes.find("\r\n", begin);
    if (end == std::string::npos) {
      lines.push_back(bytes.substr(begin));  // a last line cut before its end
      break;
    }
    lines.push_back(bytes.substr(begin, end - begin));
    begin = end + 2;
  }
  return lines;
}

std::vector<std::string> tokens(const std::string& line) {
  std::vector<std::string> out;
  std::istringstream in(line);
  for (std::string token; in >> token;) out.push_back(token);
  return out;
}

bool number(const std::string& token, const Separators& separators, double& value) {
  try {
    value = as_typed_number(token, separators);
    return true;
  } catch (const Failure&) {
    return false;
  }
}

// Counts and period labels are 16-bit in every report the run writes; anything
// else (1E+300, 2.5) is refused before it is turned into an int.
bool whole(const std::string& token, int& value) {
  double d;
  if (!number(token, Separators{}, d) || !(d >= -32768.0 && d <= 32767.0) ||
      d != std::floor(d))
    return false;
  value = static_cast<int>(d);
  return true;
}

}  // namespace

ForecastReport parse_forecast_report(const std::string& bytes, const Separators& locale) {
  // Print forms never carry thousands separators; only the decimal one matters.
  const Separators separators{locale.decimal, ""};
  const std::vector<std::string> lines = split_lines(bytes);
  ForecastReport report;

  const std::string announce = report_text::kPointsToProject, points_end = report_text::kPoints;
  if (lines.empty() || !starts_with(lines[0], announce) || lines[0].size() <= announce.size() + points_end.size() ||
      lines[0].compare(lines[0].size() - points_end.size(), points_end.size(), points_end) != 0 ||
      !whole(lines[0].substr(announce.size(), lines[0].size() - announce.size() - points_end.size()),
             report.points_announced))
    throw ReportRefused("no es un fichero de resultados de tendencia (falta la línea \"Se extrapolan ... puntos\")");

  const std::string level = report_text::kConfidenceLevel;
  const std::string points = utf8_to_cp1252(report_text::kPointsConsidered);
  const std::string regression = report_text::kRegressionLine;
  const std::string header = utf8_to_cp1252(report_text::kPeriodTitle);
  int points_considered = -1;
  std::size_t table = 0;
  for (std::size_t i = 1; i < lines.size() && table == 0; ++i) {
    const std::string& line = lines[i];
    if (starts_with(line, level)) report.level_line = cp1252_to_utf8(line);
    if (starts_with(line, regression)) report.regression_line = cp1252_to_utf8(line);
    if (starts_with(line, points) && !whole(line.substr(points.size()), points_considered))
      throw ReportRefused("no es un fichero de resultados de tendencia (número de puntos ilegible)");
    if (starts_with(line, header)) table = i + 1;
  }
  if (report.level_line.empty() || points_considered < 0 || report.regression_line.empty() ||
      table == 0)
    throw ReportRefused("el informe está incompleto: no tiene la tabla de resultados "
                        "(la ejecución se detuvo antes)");
  if (table >= lines.size() || !lines[table].empty())
    throw ReportRefused("el informe está incompleto: la tabla no tiene filas");

  std::size_t row = table + 1;
  for (int i = 0; i < points_considered; ++i, ++row) {
    if (row >= lines.size())
      throw ReportRefused("el informe está incompleto: faltan filas observadas");
    const std::string& line = lines[row];
    // The label fills the first print zone; the value starts at the second.
    const std::size_t zone = ReportLine::kZoneWidth;
    std::vector<std::string> items = tokens(line.substr(0, zone));
    ObservedPoint point;
    if (items.size() != 1 || !whole(items[0], point.period))
      throw ReportRefused("fila observada ilegible: " + cp1252_to_utf8(line));
    const std::string rest = line.size() > zone ? line.substr(zone) : "";
    report.observed_rows.push_back({items[0], std::string(without_blanks_around(rest))});
    // An observed value that is text is skipped, not drawn.
    std::vector<std::string> value = tokens(rest);
    if (value.size() == 1 && number(value[0], separators, point.value))
      report.observed.push_back(point);
  }
  for (; row < lines.size(); ++row) {
    std::vector<std::string> items = tokens(lines[row]);
    ProjectedRow projected;
    if (items.size() != 4 || !whole(items[0], projected.period) ||
        !number(items[1], separators, projected.trend) ||
        !number(items[2], separators, projected.lower) ||
        !number(items[3], separators, projected.upper))
      throw ReportRefused("fila extrapolada ilegible: " + cp1252_to_utf8(lines[row]));
    projected.period_text = items[0];
    projected.trend_text = items[1];
    projected.lower_text = items[2];
    projected.upper_text = items[3];
    report.projected.push_back(projected);
  }
  std::size_t expected = report.points_announced > 0 ? static_cast<std::size_t>(report.points_announced) : 0;
  if (report.projected.size() != expected)
    throw ReportRefused("el informe está incompleto: tiene " + std::to_string(report.projected.size()) +
                        " filas extrapoladas de las " + std::to_string(expected) + " anunciadas");
  if (bytes.size() < 2 || bytes.compare(bytes.size() - 2, 2, "\r\n") != 0)
    throw ReportRefused("el informe está incompleto: la última línea está cortada");
  return report;
}

}  // namespace tendencia
