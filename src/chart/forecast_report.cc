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

bool has_decimal(const std::string& token, char& decimal) {
  for (char c : token)
    if (c == '.' || c == ',') {
      decimal = c;
      return true;
    }
  return false;
}

// The decimal separator the report was written with. The regression line's two
// numbers come first: they are print forms, while an observed row may hold any
// text the data file held. A report whose numbers are all whole reads the same
// either way.
Separators report_separators(const std::vector<std::string>& lines, std::size_t regression,
                             std::size_t student_t, std::size_t table) {
  char decimal = '.';
  std::vector<std::string> candidates;
  if (regression < lines.size()) {
    std::vector<std::string> items = tokens(lines[regression].substr(
        std::string(report_text::kRegressionLine).size()));
    for (const std::string& item : items)
      if (item != "F(X)" && item != "+" && has_decimal(item, decimal)) return {{decimal}, ""};
  }
  if (student_t < lines.size()) candidates.push_back(lines[student_t]);
  for (std::size_t i = table; i < lines.size(); ++i) candidates.push_back(lines[i]);
  for (const std::string& line : candidates) {
    std::vector<std::string> items = tokens(line);
    for (std::size_t k = 1; k < items.size(); ++k)
      if (is_digit(items[k].back()) && has_decimal(items[k], decimal)) return {{decimal}, ""};
  }
  return {".", ""};
}

// The print form of a number of the formula lines, [ -]digits[.digits][E[+-]digits],
// starting at `at`; its length, 0 when none is there.
std::size_t formula_number_length(const std::string& line, std::size_t at) {
  std::size_t p = at;
  auto digits = [&] {
    std::size_t begin = p;
    while (p < line.size() && is_digit(line[p])) ++p;
    return p > begin;
  };
  if (p >= line.size() || (line[p] != ' ' && line[p] != '-')) return 0;
  ++p;
  if (!digits()) return 0;
  if (p < line.size() && line[p] == '.' && (++p, !digits())) return 0;
  if (p < line.size() && line[p] == 'E') {
    ++p;
    if (p < line.size() && (line[p] == '+' || line[p] == '-')) ++p;
    if (!digits()) return 0;
  }
  return p - at;
}

// The 25 coefficients back from the four formula lines. The lines of a zero F
// are the fixed texts with " 0" in each coefficient's place, so the texts
// between the numbers come from formula_lines itself, the layout's one home.
std::optional<Coefficients> read_coefficients(const std::vector<std::string>& lines,
                                              std::size_t first) {
  const std::array<std::string, 4> zero = formula_lines(Coefficients{});
  Coefficients read;
  std::size_t k = 0;
  for (std::size_t l = 0; l < zero.size(); ++l) {
    if (first + l >= lines.size()) return std::nullopt;
    const std::string& line = lines[first + l];
    std::size_t at = 0, from = 0;
    for (;;) {
      std::size_t slot = zero[l].find(" 0", from);
      const std::string fixed = zero[l].substr(from, slot == std::string::npos ? slot : slot - from);
      if (line.compare(at, fixed.size(), fixed) != 0) return std::nullopt;
      at += fixed.size();
      if (slot == std::string::npos) break;
      std::size_t length = formula_number_length(line, at);
      if (length == 0 || k >= read.b.size() ||
          !number(line.substr(at, length), Separators{}, read.b[k]))
        return std::nullopt;
      ++k;
      at += length;
      from = slot + 2;
    }
    if (at != line.size()) return std::nullopt;
  }
  if (k != read.b.size()) return std::nullopt;
  return read;
}

// "slope F(X) + intercept" after the regression line's opening words.
std::optional<StatedTrend> read_trend(const std::string& line, const Separators& separators,
                                      const std::optional<Coefficients>& coefficients) {
  const std::string rest = line.substr(std::string(report_text::kRegressionLine).size());
  const std::string times = " F(X) + ";
  std::size_t at = rest.find(times);
  StatedTrend trend;
  if (!coefficients || at == std::string::npos ||
      !number(rest.substr(0, at), separators, trend.slope) ||
      !number(rest.substr(at + times.size()), separators, trend.intercept))
    return std::nullopt;
  trend.coefficients = *coefficients;
  return trend;
}

// A t the user typed is the answer as typed: it may group thousands with the
// other mark.
std::optional<double> read_student_t(const std::string& text, const Separators& separators) {
  double t;
  const std::string other = separators.decimal == "," ? "." : ",";
  if (number(text, separators, t) || number(text, Separators{separators.decimal, other}, t))
    return t;
  return std::nullopt;
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

ForecastReport parse_forecast_report(const std::string& bytes) {
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
  const std::string student_t = utf8_to_cp1252(report_text::kStudentT);
  int points_considered = -1;
  std::size_t table = 0, level_at = 0, regression_at = lines.size(), student_t_at = lines.size(),
              formula_at = lines.size();
  for (std::size_t i = 1; i < lines.size() && table == 0; ++i) {
    const std::string& line = lines[i];
    if (starts_with(line, level)) report.level_line = cp1252_to_utf8(line), level_at = i;
    if (starts_with(line, regression))
      report.regression_line = cp1252_to_utf8(line), regression_at = i;
    if (starts_with(line, student_t)) student_t_at = i;
    if (starts_with(line, "F(X) = ")) formula_at = i;
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
  report.points_considered = points_considered;
  const Separators separators = report_separators(lines, regression_at, student_t_at, table);
  report.separators = separators;

  const std::string& level_line = lines[level_at];
  const std::string percent = " %";
  int level_percent;
  if (level_line.size() >= level.size() + percent.size() &&
      level_line.compare(level_line.size() - percent.size(), percent.size(), percent) == 0 &&
      whole(level_line.substr(level.size(), level_line.size() - level.size() - percent.size()),
            level_percent))
    report.level = level_percent;
  if (student_t_at < lines.size())
    report.student_t = read_student_t(lines[student_t_at].substr(student_t.size()), separators);
  report.trend = read_trend(lines[regression_at], separators,
                            formula_at < lines.size() ? read_coefficients(lines, formula_at)
                                                      : std::nullopt);

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
    report.observed_rows.push_back(
        {point.period, items[0], std::string(without_blanks_around(rest))});
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
