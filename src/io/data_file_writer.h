// A series written as a data file the way the program writes its own files:
// Windows-1252, CR LF, the title line, then one row per value with its period
// (the label of its calendar, or its sequence number), in two 14-column fields.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/calendar.h"

namespace tendencia {

// The data file's bytes. The headers (UTF-8) of the periods and of the values
// make the title line, joined into one line with two blanks at least between
// them (see io/title_line.h); an empty one is the program's own "Año o periodo"
// or "NUMERO". Each value is written with "." and the shortest
// digits that read back (read_series) to the same double. The values must be
// finite. Each row opens with the label of its period in `calendar` ("1949-01",
// the first value's is period 0), or without one with its number 1, 2, 3...;
// the run reads past either.
std::string data_file_bytes(const std::string& period_header, const std::string& values_header,
                            const std::vector<double>& values,
                            const std::optional<Calendar>& calendar = std::nullopt);

// Writes the data file of `problem_name` ("D" + name + ".TXT") in `folder`
// at once (see write_whole_file). Returns false, writing nothing, when it exists and
// `replace_existing` is false. Failure FileNotCreatable or WriteFailed otherwise.
bool write_data_file(const std::string& folder, const std::string& problem_name,
                     const std::string& bytes, bool replace_existing);

}  // namespace tendencia
