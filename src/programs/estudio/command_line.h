// The command line of tendencia-estudio, which prepares the window:
//   [FICHERO | --elegir-fichero] [--terminos T1,T2,... | --automatico]
//   [--puntos M] [--nivel P] [--inicio I]
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/failure.h"
#include "model/trend_terms.h"

namespace tendencia {

struct StudioOptions {
  std::optional<std::string> file;  // a data file D*.TXT or a CSV file, opened at start
  bool choose_file = false;         // --elegir-fichero: the file chooser at start
  std::vector<TermGroup> groups;    // --terminos, in the order of F(X), each once
  bool automatic = false;           // --automatico
  std::optional<int> points;        // --puntos M: the points to project
  std::optional<int> level;         // --nivel P: 90, 95 or 99
  std::optional<int> first_period;  // --inicio I
};

namespace estudio {

// The one-line usage text, without a line end.
extern const char* const kUsage;

// Reads the arguments after the program's name with the one reader of
// options (programs/command_line_reader.h). Throws CommandLineRefused for what
// that reader refuses, more than one FICHERO or FICHERO with --elegir-fichero,
// an unknown or repeated term, --terminos together with --automatico, an M
// outside 0..32767, a P other than 90, 95 or 99, an I outside -32768..32767.
StudioOptions parse_command_line(const std::vector<std::string>& arguments);

}  // namespace estudio

}  // namespace tendencia
