// How a spreadsheet wrote its CSV file: the delimiter between cells and the
// decimal separator inside numbers, both told from the file itself.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "io/csv_table.h"

namespace tendencia {

// The delimiters tried, in the order that settles a tie.
constexpr char kCsvDelimiters[] = {';', ',', '\t'};

// Would a spreadsheet in some locale have written this cell as a number?
// Grammar: blanks [+-] digits and "." or "," in any order, at least one digit,
// [e|E [+-] digits] blanks. Thousands forms ("1.234,5") count too, so they are
// refused by name instead of being taken for text.
bool looks_like_number(std::string_view cell);

// The table read with the delimiter that fits the file best: first one under
// which every row has the same number of cells (and, for a reading of one
// column, no text cell holds another delimiter), then the one giving the most
// cells that look like numbers, then the order of kCsvDelimiters. A file of one
// column fits them all alike. ImportRefused when no delimiter reads the file:
// the refusal of the delimiter that read furthest into it (at the same row, of
// the one the file holds most often).
CsvTable read_csv_any_delimiter(std::string_view text, const CsvLimits& limits = {});

// A cell of the values column and where it stands in the file.
struct PlacedCell {
  std::string_view text;
  std::size_t row = 0, column = 0;  // counted from 1
};

// The decimal separator of a column of numbers: "." in a "," file (a "," inside
// a number there is a thousands separator); otherwise the one its numbers use,
// or when none has a decimal part "," for ";" files (as spreadsheets write them)
// and "." for the rest. ImportRefused naming the cell when a number holds both
// separators ("1.234,5", "1,234.5"), one separator twice ("1.234.567"), or the
// other separator than the numbers before it. Cells that do not look like
// numbers are passed over.
char decimal_separator_of(const std::vector<PlacedCell>& cells, char delimiter);

}  // namespace tendencia
