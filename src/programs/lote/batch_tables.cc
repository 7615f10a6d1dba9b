#include "programs/lote/batch_tables.h"

#include <filesystem>
#include <map>
#include <optional>

#include "chart/forecast_table.h"
#include "core/failure.h"
#include "io/csv_table.h"
#include "io/file_bytes.h"
#include "io/import_refused.h"
#include "io/problem_files.h"
#include "programs/lote/batch_files.h"
#include "text/text_encoding.h"

namespace tendencia::lote {
namespace {

// The tables use the locale's decimal separator: "." or ",".
const Separators kBothSeparators[] = {Separators{".", ""}, Separators{",", ""}};

std::string part_bytes(const std::string& folder, const std::string& name) {
  const std::string path = path_in(folder, name);
  std::error_code error;
  if (!std::filesystem::exists(path, error))
    throw MergeRefused("falta " + name + ", la otra mitad de su parte");
  return read_regular_file(path, name, std::size_t{1} << 30, "no es una parte de estas tablas");
}

// The lines after the header, each with its CR LF; the header must be `header`.
std::vector<std::string> rows_under(const std::string& bytes, const std::string& header,
                                    const std::string& name) {
  if (bytes.compare(0, header.size(), header) != 0)
    throw MergeRefused(name + " no empieza por la cabecera de las otras partes");
  std::vector<std::string> rows;
  for (std::size_t at = header.size(); at < bytes.size();) {
    const std::size_t end = bytes.find("\r\n", at);
    if (end == std::string::npos) throw MergeRefused(name + " acaba a mitad de una fila");
    rows.push_back(bytes.substr(at, end + 2 - at));
    at = end + 2;
  }
  return rows;
}

// A row's first cell: a series' name, which is never quoted.
std::string name_of(const std::string& row, char delimiter) {
  return row.substr(0, row.find_first_of(std::string{delimiter, '\r'}));
}

struct SeriesRows {
  std::string forecasts, summary;
  int part = 0;
};

// Which separators the parts were written with: their headers tell.
Separators separators_of(const std::string& first_part) {
  for (const Separators& separators : kBothSeparators)
    if (first_part.compare(0, summary_header(separators).size(), summary_header(separators)) == 0)
      return separators;
  throw MergeRefused("las partes no empiezan por la cabecera de lote-resumen");
}

// The parts' numbers K, all of the same N, every one from 1 to N.
int part_count(const std::string& folder) {
  std::map<int, int> parts;  // K -> N
  for (const auto& entry : std::filesystem::directory_iterator(folder.empty() ? "." : folder))
    if (auto part = summary_part_of(entry.path().filename().string())) {
      if (!parts.empty() && parts.begin()->second != part->second)
        throw MergeRefused("hay partes de repartos distintos, de " +
                           std::to_string(parts.begin()->second) + " y de " +
                           std::to_string(part->second) + ": quite las que sobran");
      parts[part->first] = part->second;
    }
  if (parts.empty())
    throw MergeRefused("no hay ninguna parte que unir (lote-resumen-K-de-N.csv, de --parte K/N)");
  const int n = parts.begin()->second;
  for (int k = 1; k <= n; ++k)
    if (!parts.count(k))
      throw MergeRefused("falta la parte " + std::to_string(k) + " de " + std::to_string(n) +
                         " (" + summary_table_name(k, n) + ")");
  return n;
}

void take_part(const std::string& folder, int k, int n, const Separators& separators,
               std::map<std::string, SeriesRows>& series) {
  const char delimiter = table_delimiter(separators);
  const std::string summary = summary_table_name(k, n), forecasts = forecasts_table_name(k, n);
  for (const std::string& row :
       rows_under(part_bytes(folder, summary), summary_header(separators), summary)) {
    SeriesRows& rows = series[name_of(row, delimiter)];
    if (rows.part != 0)
      throw MergeRefused("la serie " + name_of(row, delimiter) + " está en las partes " +
                         std::to_string(rows.part) + " y " + std::to_string(k));
    rows.part = k;
    rows.summary = row;
  }
  for (const std::string& row :
       rows_under(part_bytes(folder, forecasts), forecasts_header(separators), forecasts)) {
    auto found = series.find(name_of(row, delimiter));
    if (found == series.end() || found->second.part != k)
      throw MergeRefused(forecasts + " tiene filas de la serie " + name_of(row, delimiter) +
                         ", que no está en " + summary);
    found->second.forecasts += row;
  }
}

// The series lote-series.csv lists, in the sheet's order: each name and its
// name in the sheet, in UTF-8.
std::vector<std::pair<std::string, std::string>> listed_series(const std::string& folder,
                                                               const Separators& separators) {
  const std::string bytes = part_bytes(folder, kSeriesTable);
  const CsvTable table =
      read_csv_table(bytes, table_delimiter(separators), CsvLimits{kMaxSheetSeries + 1, 2});
  std::vector<std::pair<std::string, std::string>> names;
  for (std::size_t i = 1; i < table.rows.size(); ++i) {
    const std::vector<std::string>& cells = table.rows[i].cells;
    names.push_back({cells.at(0), cells.size() > 1 ? cp1252_to_utf8(cells[1]) : ""});
  }
  return names;
}

// The summary row's state (its last cell), in UTF-8.
std::string state_of(const std::string& row, char delimiter) {
  const CsvTable table = read_csv_table(row, delimiter);
  return table.rows.empty() ? "" : cp1252_to_utf8(table.rows.front().cells.back());
}

}  // namespace

std::string refused_line(const std::string& name, const std::string& in_sheet,
                         const std::string& why) {
  return name + " (" + in_sheet + "): " + why;
}

std::string series_table(const Sheet& sheet, const Separators& separators) {
  const char delimiter = table_delimiter(separators);
  std::string table = table_row({"serie", "nombre"}, delimiter);
  for (std::size_t i = 0; i < sheet.series.size(); ++i)
    table += table_row({series_name(i), utf8_to_cp1252(sheet.series[i].name)}, delimiter);
  return table;
}

std::string forecasts_table(const std::vector<SeriesResult>& results, const Separators& separators) {
  std::string table = forecasts_header(separators);
  for (const SeriesResult& result : results) table += result.forecast_rows;
  return table;
}

std::string summary_table(const std::vector<SeriesResult>& results, const Separators& separators) {
  std::string table = summary_header(separators);
  for (const SeriesResult& result : results) table += result.summary_row;
  return table;
}

MergedTables merge_parts(const std::string& folder) {
  const int n = part_count(folder);
  const Separators separators = separators_of(part_bytes(folder, summary_table_name(1, n)));
  const char delimiter = table_delimiter(separators);
  std::map<std::string, SeriesRows> series;
  for (int k = 1; k <= n; ++k) take_part(folder, k, n, separators, series);

  const auto names = listed_series(folder, separators);
  MergedTables merged{n, names.size(), forecasts_header(separators), summary_header(separators), {}};
  for (const auto& [name, in_sheet] : names) {
    auto found = series.find(name);
    if (found == series.end())
      throw MergeRefused("falta la serie " + name + " de " + kSeriesTable +
                         ": su parte no la terminó; vuelva a ejecutarla");
    merged.forecasts += found->second.forecasts;
    merged.summary += found->second.summary;
    const std::string state = state_of(found->second.summary, delimiter);
    if (state != "ok") merged.refused.push_back(refused_line(name, in_sheet, state));
  }
  if (series.size() != names.size())
    throw MergeRefused("las partes tienen series que " + std::string(kSeriesTable) +
                       " no nombra: son de otra hoja");
  return merged;
}

}  // namespace tendencia::lote
