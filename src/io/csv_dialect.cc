#include "io/csv_dialect.h"

#include <algorithm>
#include <optional>
#include <string>

#include "io/import_refused.h"
#include "text/characters.h"
#include "text/number_scanner.h"
#include "text/quoted.h"

namespace tendencia {
namespace {

// Every row has as many cells as the first. A reading of one column whose
// text holds another delimiter ("Año,Ventas") is a file with a short row read
// with the wrong delimiter, not a file of one column.
bool every_row_alike(const CsvTable& table) {
  for (const CsvRow& row : table.rows) {
    if (row.cells.size() != table.rows.front().cells.size()) return false;
    for (const std::string& cell : row.cells)
      if (table.columns == 1 && !looks_like_number(cell) &&
          cell.find_first_of(kCsvDelimiters, 0, sizeof kCsvDelimiters) != std::string::npos)
        return false;
  }
  return true;
}

std::size_t cells_like_numbers(const CsvTable& table) {
  std::size_t count = 0;
  for (const CsvRow& row : table.rows)
    for (const std::string& cell : row.cells) count += looks_like_number(cell);
  return count;
}

}  // namespace

bool looks_like_number(std::string_view cell) {
  // A spreadsheet writes its numbers with either decimal separator and perhaps
  // the other one between thousands; the decimal separator is settled later,
  // from every cell together (decimal_separator_of).
  for (const Separators& reading : {Separators{".", ","}, Separators{",", "."}})
    if (is_one_number(cell, reading)) return true;
  return false;
}

CsvTable read_csv_any_delimiter(std::string_view text, const CsvLimits& limits) {
  std::optional<CsvTable> best;
  bool best_alike = false;
  std::size_t best_numbers = 0;
  std::optional<ImportRefused> furthest;
  std::size_t furthest_uses = 0;
  for (char delimiter : kCsvDelimiters) {
    try {
      CsvTable table = read_csv_table(text, delimiter, limits);
      bool alike = every_row_alike(table);
      std::size_t numbers = cells_like_numbers(table);
      if (!best || (alike && !best_alike) || (alike == best_alike && numbers > best_numbers)) {
        best = std::move(table);
        best_alike = alike;
        best_numbers = numbers;
      }
    } catch (const ImportRefused& refusal) {
      // Refused at the same row, the delimiter the file uses most explains best.
      std::size_t uses = static_cast<std::size_t>(std::count(text.begin(), text.end(), delimiter));
      if (!furthest || refusal.row() > furthest->row() ||
          (refusal.row() == furthest->row() && uses > furthest_uses)) {
        furthest = refusal;
        furthest_uses = uses;
      }
    }
  }
  if (!best) throw *furthest;
  return std::move(*best);
}

char decimal_separator_of(const std::vector<PlacedCell>& cells, char delimiter) {
  const PlacedCell* first_point = nullptr;
  const PlacedCell* first_comma = nullptr;
  for (const PlacedCell& cell : cells) {
    if (!looks_like_number(cell.text)) continue;
    std::string_view text = without_blanks_around(cell.text);
    std::size_t points = 0, commas = 0;
    for (char c : text) {
      points += c == '.';
      commas += c == ',';
    }
    if (points + commas == 0) continue;
    const std::string place = cell_place(cell.row, cell.column) + ": el número " + quoted(text);
    if (points + commas > 1)
      throw ImportRefused(place + " lleva separador de miles; quítelo en la hoja de cálculo "
                          "(formato de número sin separador de miles) y vuelva a exportar",
                          cell.row);
    const PlacedCell*& first = points == 1 ? first_point : first_comma;
    if (first == nullptr) first = &cell;
    if (delimiter == ',' && commas == 1)
      throw ImportRefused(place + " lleva una coma, que en un fichero separado por comas no "
                          "puede ser la coma decimal: ¿separador de miles? Quítelo y vuelva a exportar",
                          cell.row);
    if (first_point != nullptr && first_comma != nullptr) {
      const PlacedCell& other = first == first_point ? *first_comma : *first_point;
      throw ImportRefused(place + " usa \"" + (points == 1 ? "." : ",") + "\" y el de la " +
                          row_place(other.row) + " usa \"" + (points == 1 ? "," : ".") +
                          "\": uno de los dos es un separador de miles; quítelo y vuelva a exportar",
                          cell.row);
    }
  }
  if (first_comma != nullptr) return ',';
  if (first_point != nullptr) return '.';
  return delimiter == ';' ? ',' : '.';
}

}  // namespace tendencia
