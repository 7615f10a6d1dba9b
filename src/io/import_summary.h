// What an import found, in the importer's own words, for every program that
// imports: the command line prints it, the desktop shows it.
#pragma once

#include <exception>
#include <optional>
#include <string>

#include "io/csv_import.h"

namespace tendencia {

// The lines (each ending in "\n") that say how `csv_file` was read: encoding,
// line ends, delimiter, decimal separator, header, the values' column and rows,
// the periods.
std::string import_summary(const std::string& csv_file, const CsvImport& import);

// What to answer to tendencia's question of the initial period, in a line
// (ending in "\n"): the first year of a yearly series or of sequence numbers
// that stand for years, 1 for every other calendar (the report numbers the
// periods, the chart and its table carry the dates); "" when the periods are
// no calendar and no sequence (1 is then the run's own numbering).
std::string initial_period_advice(const ImportedSeries& series);

// The answer itself: the first year of a yearly series, 1 for another
// calendar; nothing where initial_period_advice says nothing, or periods that
// are whole numbers too large for the run.
std::optional<int> proposed_initial_period(const ImportedSeries& series);

// "Error al importar FICHERO: why. No se escribe ningún fichero de datos." for
// an import stopped by `error`, without a line end.
std::string import_failure_text(const std::string& csv_file, const std::exception& error);

}  // namespace tendencia
