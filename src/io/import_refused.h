// Why a spreadsheet's CSV file cannot become a data file: the message names the
// row and column (as the spreadsheet shows them) where it can.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>

namespace tendencia {

class ImportRefused : public std::runtime_error {
 public:
  // `row`: the row the refusal names, 0 when it names none.
  explicit ImportRefused(const std::string& message, std::size_t row = 0)
      : std::runtime_error(message), row_(row) {}
  std::size_t row() const { return row_; }

 private:
  std::size_t row_;
};

// "fila 5", "fila 5, columna 2": rows and columns counted from 1, every row of
// the file (a header and blank lines too) and every column counted.
inline std::string row_place(std::size_t row) { return "fila " + std::to_string(row); }
inline std::string cell_place(std::size_t row, std::size_t column) {
  return row_place(row) + ", columna " + std::to_string(column);
}

}  // namespace tendencia
