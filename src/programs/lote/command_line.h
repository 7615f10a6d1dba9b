// The command line of tendencia-lote:
//   HOJA [--serie COLUMNA] [--periodo COLUMNA] [--valor COLUMNA] [--puntos M]
//   [--nivel P] [--datos] [--hilos N] [--parte K/N] [--rehacer]
//   --unir
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "io/csv_sheet.h"

namespace tendencia::lote {

extern const char* const kUsage;

struct Request {
  std::string sheet;              // HOJA, a CSV file; empty with --unir
  SheetColumns columns;           // --serie, --periodo, --valor
  std::optional<int> points;      // --puntos M, 0..32767; else each calendar's M4 horizon
  int level = 95;                 // --nivel P: 90, 95 or 99
  bool data_choices = false;      // --datos: the data are weighed too
  std::optional<int> threads;     // --hilos N, 1..1024; else every processor
  int part = 1, parts = 1;        // --parte K/N: every N-th series from the K-th
  bool redo = false;              // --rehacer: no series is taken from an earlier run
  bool merge = false;             // --unir: the parts of the folder into the tables
};

// The whole --help text.
std::string help_text();

// Reads the arguments after the program's name with the one reader of
// options (programs/command_line_reader.h). Throws CommandLineRefused for what
// that reader refuses, no sheet or a second one, an empty column name, an M
// outside 0..32767, a level other than 90, 95 or 99, an N outside 1..1024, a
// part that is not K/N with 1 <= K <= N <= kMaxSheetSeries, and --unir beside
// a sheet or any other option.
Request parse_command_line(const std::vector<std::string>& arguments);

}  // namespace tendencia::lote
