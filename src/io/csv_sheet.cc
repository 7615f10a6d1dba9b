#include "io/csv_sheet.h"

#include <algorithm>
#include <limits>
#include <unordered_map>

#include "io/csv_dialect.h"
#include "io/file_bytes.h"
#include "io/import_refused.h"
#include "model/calendar_reading.h"
#include "text/characters.h"
#include "text/number_scanner.h"
#include "text/quoted.h"

namespace tendencia {
namespace {

// A sheet's rows are bounded by its bytes; its columns by its series.
constexpr CsvLimits kSheetLimits{std::numeric_limits<std::size_t>::max(), kMaxSheetSeries + 1};

std::string cell(const CsvRow& row, std::size_t column) {
  return column < row.cells.size() ? std::string(without_blanks_around(row.cells[column]))
                                   : std::string();
}

std::string lower_case(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

// Reads one series, its refusal kept instead of thrown.
SheetSeries series_of(const std::string& name, const CsvRows& rows,
                      std::optional<std::size_t> periods, std::size_t values, char delimiter) {
  SheetSeries sheet_series{name, std::nullopt, ""};
  try {
    sheet_series.series = series_in_columns(rows, periods, values, delimiter);
    sheet_series.series->values_header = name;
  } catch (const ImportRefused& refused) {
    sheet_series.refusal = refused.what();
  }
  return sheet_series;
}

// ---- wide: a column per series

// A first row that is data would be taken for names, and its values lost:
// the first cell of a wide sheet's header names the periods (or the first
// series, or nothing), and is never a period or a number.
void check_wide_header(const CsvRow& first) {
  const std::string corner = cell(first, 0);
  if (looks_like_number(corner) ||
      read_period_label(corner).shape != PeriodLabel::None)
    throw ImportRefused(row_place(first.record) + ": " + quoted(corner) +
                        " no es una cabecera; una hoja con una serie por columna nombra sus "
                        "series en la fila 1 (o, con una columna de serie, periodo y valor, "
                        "nómbrelas con --serie, --periodo y --valor)");
}

void read_wide(const CsvTable& table, Sheet& sheet) {
  check_wide_header(table.rows.front());
  CsvRows all{&table.rows.front(), {}};
  for (std::size_t i = 1; i < table.rows.size(); ++i) all.data.push_back(&table.rows[i]);
  if (all.data.empty()) throw ImportRefused("la hoja solo tiene la fila de cabecera");
  std::optional<std::size_t> periods;
  if (table.columns > 1 && holds_periods(all, 0)) periods = 0;
  sheet.period_column = periods ? 1 : 0;
  for (std::size_t column = periods ? 1 : 0; column < table.columns; ++column) {
    const std::string name = cell(*all.header, column);
    // A series spans its filled cells: it may start later or end earlier
    // than the others.
    auto filled = [&](const CsvRow* row) { return !cell(*row, column).empty(); };
    const auto first = std::find_if(all.data.begin(), all.data.end(), filled);
    if (first == all.data.end()) {
      // An unnamed empty column is a spreadsheet's trailing delimiter, no series.
      if (!name.empty())
        sheet.series.push_back({name, std::nullopt,
                                "columna " + std::to_string(column + 1) + ": no tiene ningún valor"});
      continue;
    }
    const auto last = std::find_if(all.data.rbegin(), all.data.rend(), filled).base();
    const CsvRows span{all.header, std::vector<const CsvRow*>(first, last)};
    sheet.series.push_back(series_of(name, span, periods, column, table.delimiter));
  }
}

// ---- long: a row per value

// The column `named` names by its header or its number (from 1), or the only
// one whose header is one of `known`; `option` is the command line's.
std::size_t long_column(const CsvTable& table, const CsvRow* header, const std::string& given,
                        const char* const* known, std::size_t known_count,
                        const std::string& option) {
  const std::string named(without_blanks_around(given));
  std::vector<std::size_t> matches;
  for (std::size_t c = 0; header && c < table.columns; ++c) {
    const std::string text = cell(*header, c);
    if (!named.empty() ? text == named
                       : std::any_of(known, known + known_count,
                                     [&](const char* word) { return lower_case(text) == word; }))
      matches.push_back(c);
  }
  if (matches.size() == 1) return matches.front();
  if (matches.size() > 1)
    throw ImportRefused("hay " + std::to_string(matches.size()) + " columnas que pueden ser la de " +
                        option + ": elija una por su número con " + option);
  if (!named.empty()) {
    const std::optional<long long> number = whole_number_in(named);
    if (number && *number >= 1 && static_cast<unsigned long long>(*number) <= table.columns)
      return static_cast<std::size_t>(*number - 1);
    throw ImportRefused(option + " " + named + ": ninguna columna tiene esa cabecera ni ese número");
  }
  std::string words;
  for (std::size_t i = 0; i < known_count; ++i) words += (i ? ", " : "") + std::string(known[i]);
  throw ImportRefused("no se encuentra la columna de " + option + " (su cabecera sería " + words +
                      "): nómbrela con " + option);
}

const CsvRow* header_row(const CsvTable& table) {
  const CsvRow& first = table.rows.front();
  return std::none_of(first.cells.begin(), first.cells.end(), looks_like_number) ? &first : nullptr;
}

bool headers_name_long_shape(const CsvTable& table) {
  const CsvRow* header = header_row(table);
  if (!header) return false;
  auto count = [&](const char* const* known, std::size_t n) {
    return std::count_if(header->cells.begin(), header->cells.end(), [&](const std::string& text) {
      return std::any_of(known, known + n, [&](const char* word) {
        return lower_case(std::string(without_blanks_around(text))) == word;
      });
    });
  };
  return count(kSeriesHeaders, std::size(kSeriesHeaders)) > 0 &&
         count(kValuesHeaders, std::size(kValuesHeaders)) > 0;
}

void read_long(const CsvTable& table, const SheetColumns& named, Sheet& sheet) {
  const CsvRow* header = header_row(table);
  const std::size_t keys = long_column(table, header, named.series, kSeriesHeaders,
                                       std::size(kSeriesHeaders), "--serie");
  const std::size_t periods = long_column(table, header, named.period, kPeriodHeaders,
                                          std::size(kPeriodHeaders), "--periodo");
  const std::size_t values = long_column(table, header, named.values, kValuesHeaders,
                                         std::size(kValuesHeaders), "--valor");
  if (keys == periods || keys == values || periods == values)
    throw ImportRefused("--serie, --periodo y --valor deben ser tres columnas distintas");
  sheet.series_column = keys + 1;
  sheet.period_column = periods + 1;
  sheet.values_column = values + 1;

  std::vector<std::string> names;
  std::vector<CsvRows> rows;
  std::unordered_map<std::string, std::size_t> index;
  for (std::size_t i = header ? 1 : 0; i < table.rows.size(); ++i) {
    const std::string key = cell(table.rows[i], keys);
    auto [at, added] = index.emplace(key, names.size());
    if (added) {
      if (names.size() == kMaxSheetSeries)
        throw ImportRefused(row_place(table.rows[i].record) + ": la hoja pasa de las " +
                            std::to_string(kMaxSheetSeries) + " series que se leen a la vez");
      names.push_back(key);
      rows.push_back({header, {}});
    }
    rows[at->second].data.push_back(&table.rows[i]);
  }
  for (std::size_t s = 0; s < names.size(); ++s) {
    if (names[s].empty()) {
      const CsvRow& first = *rows[s].data.front();
      sheet.series.push_back({"", std::nullopt,
                              cell_place(first.record, keys + 1) + ": la celda de la serie está vacía"});
      continue;
    }
    sheet.series.push_back(series_of(names[s], rows[s], periods, values, table.delimiter));
  }
}

}  // namespace

Sheet read_sheet(std::string_view bytes, const SheetColumns& columns) {
  Sheet sheet;
  sheet.text = csv_text(bytes);
  const CsvTable table = read_csv_any_delimiter(sheet.text.utf8, kSheetLimits);
  sheet.text.utf8.clear();
  sheet.text.utf8.shrink_to_fit();
  sheet.delimiter = table.delimiter;
  if (table.rows.empty()) throw ImportRefused("la hoja no tiene ninguna fila con datos");
  sheet.long_shape = !columns.series.empty() || !columns.period.empty() ||
                     !columns.values.empty() || headers_name_long_shape(table);
  if (sheet.long_shape) read_long(table, columns, sheet);
  else read_wide(table, sheet);
  if (sheet.series.empty()) throw ImportRefused("la hoja no tiene ninguna serie");
  if (sheet.series.size() > kMaxSheetSeries)
    throw ImportRefused("la hoja tiene " + std::to_string(sheet.series.size()) +
                        " series; se leen " + std::to_string(kMaxSheetSeries) + " como mucho");
  return sheet;
}

Sheet read_sheet_file(const std::string& path, const SheetColumns& columns) {
  return read_sheet(read_regular_file(path, "hoja " + path, kMaxSheetBytes,
                                      "divídala en varias hojas"),
                    columns);
}

}  // namespace tendencia
