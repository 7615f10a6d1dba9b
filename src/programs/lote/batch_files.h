// The names of what tendencia-lote writes in its folder: each series' files,
// named from its place in the sheet, and the tables of all of them, whole or
// as the part of one shard of the sheet.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace tendencia::lote {

// "S0007" for the sheet's 7th series (index 6).
std::string series_name(std::size_t index);

// The problem the run is given: the series', or with the data weighed the
// one of its run's own data file ("S0007d").
std::string run_problem_name(const std::string& series, bool data_choices);

// "R" + problem + ".CSV": the series' row of the summary, beside its report,
// so that a later run that takes the report takes the row too.
std::string summary_record_name(const std::string& problem);

// Each series' name in the sheet.
constexpr const char* kSeriesTable = "lote-series.csv";

// "lote-pronosticos.csv" and "lote-resumen.csv" for a whole run (parts 1);
// "lote-pronosticos-K-de-N.csv" and "lote-resumen-K-de-N.csv" for part K of N.
std::string forecasts_table_name(int part, int parts);
std::string summary_table_name(int part, int parts);

// Which part a file name is of the summary's (K, N), when it is one:
// "lote-resumen-2-de-4.csv" gives (2, 4).
std::optional<std::pair<int, int>> summary_part_of(const std::string& file_name);

}  // namespace tendencia::lote
