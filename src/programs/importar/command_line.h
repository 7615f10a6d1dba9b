// The command line of tendencia-importar:
//   FICHERO NOMBRE [--columna COLUMNA | --columna=COLUMNA] [--sobrescribir]
#pragma once

#include <string>
#include <vector>

#include "io/csv_import.h"

namespace tendencia::importar {

extern const char* const kUsage;

// Reads the arguments after the program's name; options may come anywhere.
// Throws CommandLineRefused for a missing or extra file or name, an unknown or
// repeated option, or --columna without a column.
ImportRequest parse_command_line(const std::vector<std::string>& arguments);

}  // namespace tendencia::importar
