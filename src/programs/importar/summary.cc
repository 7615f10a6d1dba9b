#include "programs/importar/summary.h"

#include <cstdio>

#include "io/problem_files.h"
#include "text/quoted.h"

namespace tendencia::importar {
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

void print_summary(const ImportRequest& request, const CsvImport& import) {
  const ImportedSeries& series = import.series;
  std::printf("Fichero %s: %s%s, delimitador %s, separador decimal \"%c\".\n",
              request.csv_file.c_str(), encoding_name(import).c_str(),
              import.line_ends.empty() ? "" : (", fin de línea " + import.line_ends).c_str(),
              delimiter_name(import).c_str(), series.decimal_separator);
  std::printf("%s\n", series.has_header ? "Fila 1: cabecera." : "Sin fila de cabecera.");
  std::printf("Valores: columna %zu%s, filas %zu a %zu: %zu valores.\n", series.values_column,
              named(series.values_header).c_str(), series.first_row, series.last_row,
              series.values.size());
  if (series.period_column != 0)
    std::printf("Periodos: columna %zu%s, de %s a %s.\n", series.period_column,
                named(series.period_header).c_str(), series.first_period.c_str(),
                series.last_period.c_str());
  else
    std::printf("Sin columna de periodos: periodos de 1 a %zu.\n", series.values.size());
  std::printf("Escrito %s.\n", data_file_name(request.problem_name).c_str());
  if (series.whole_periods)
    std::printf("En tendencia, conteste %s a \"¿Año o Periodo inicial?\".\n",
                series.first_period.c_str());
}

}  // namespace tendencia::importar
