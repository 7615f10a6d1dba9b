// What an import found, in the importer's own words, for every program that
// imports: the command line prints it, the desktop shows it.
#pragma once

#include <exception>
#include <string>

#include "io/csv_import.h"

namespace tendencia {

// The lines (each ending in "\n") that say how `csv_file` was read: encoding,
// line ends, delimiter, decimal separator, header, the values' column and rows,
// the periods.
std::string import_summary(const std::string& csv_file, const CsvImport& import);

// "Error al importar FICHERO: why. No se escribe ningún fichero de datos." for
// an import stopped by `error`, without a line end.
std::string import_failure_text(const std::string& csv_file, const std::exception& error);

}  // namespace tendencia
