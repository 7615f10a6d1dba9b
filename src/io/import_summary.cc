#include "io/import_summary.h"

#include "core/failure.h"
#include "text/quoted.h"

namespace tendencia {
namespace {

// " (\"Ventas\")" after a column's number, when the header row names it.
std::string named(const std::string& header) {
  return header.empty() ? "" : " (" + quoted(header) + ")";
}

std::string delimiter_name(const CsvImport& import) {
  if (import.columns < 2) return "ninguno (una sola columna)";
  if (import.delimiter == '\t') return "tabulador";
  return quoted(std::string(1, import.delimiter));
}

std::string encoding_name(const CsvImport& import) {
  if (import.encoding == TextEncoding::Windows1252) return "Windows-1252";
  return import.byte_order_mark ? "UTF-8 con marca BOM" : "UTF-8";
}

}  // namespace

std::string import_summary(const std::string& csv_file, const CsvImport& import) {
  const ImportedSeries& series = import.series;
  std::string text = "Fichero " + csv_file + ": " + encoding_name(import) +
                     (import.line_ends.empty() ? "" : ", fin de línea " + import.line_ends) +
                     ", delimitador " + delimiter_name(import) + ", separador decimal \"" +
                     series.decimal_separator + "\".\n";
  text += series.has_header ? "Fila 1: cabecera.\n" : "Sin fila de cabecera.\n";
  text += "Valores: columna " + std::to_string(series.values_column) +
          named(series.values_header) + ", filas " + std::to_string(series.first_row) + " a " +
          std::to_string(series.last_row) + ": " + std::to_string(series.values.size()) +
          " valores.\n";
  if (series.period_column != 0)
    text += "Periodos: columna " + std::to_string(series.period_column) +
            named(series.period_header) + ", de " + series.first_period + " a " +
            series.last_period + ".\n";
  else
    text += "Sin columna de periodos: periodos de 1 a " + std::to_string(series.values.size()) +
            ".\n";
  return text;
}

std::string import_failure_text(const std::string& csv_file, const std::exception& error) {
  return "Error al importar " + csv_file + ": " + what_failed(error) +
         ". No se escribe ningún fichero de datos.";
}

}  // namespace tendencia
