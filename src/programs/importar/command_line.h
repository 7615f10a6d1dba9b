// The command line of tendencia-importar:
//   FICHERO NOMBRE [--columna COLUMNA] [--sobrescribir]
#pragma once

#include <string>
#include <vector>

#include "io/csv_import.h"

namespace tendencia::importar {

extern const char* const kUsage;

// Reads the arguments after the program's name with the one reader of
// options (programs/command_line_reader.h). Throws CommandLineRefused for what
// that reader refuses, a missing or extra file or name, or an empty --columna.
ImportRequest parse_command_line(const std::vector<std::string>& arguments);

}  // namespace tendencia::importar
