// The tables of tendencia-lote: each series' rows in the sheet's order under
// their header, for a whole run or one shard's part; and the parts of every
// shard merged into the very bytes one whole run writes.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "io/csv_sheet.h"
#include "programs/lote/series_run.h"
#include "text/separators.h"

namespace tendencia::lote {

// lote-series.csv: each series' name (S0001...) and its header or key in the
// sheet, in the dialect of the other tables.
std::string series_table(const Sheet& sheet, const Separators& separators);

// lote-pronosticos.csv and lote-resumen.csv (or a part of them) of `results`,
// given in the sheet's order.
std::string forecasts_table(const std::vector<SeriesResult>& results, const Separators& separators);
std::string summary_table(const std::vector<SeriesResult>& results, const Separators& separators);

// Parts that do not make the tables of one whole run; what() says why.
class MergeRefused : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// How a refused series is named where the program lists them:
// "S0007 (Producto 7): why".
std::string refused_line(const std::string& name, const std::string& in_sheet,
                         const std::string& why);

struct MergedTables {
  int parts = 0;
  std::size_t series = 0;
  std::string forecasts, summary;
  // The series refused, refused_line each, in the sheet's order.
  std::vector<std::string> refused;
};

// The parts lote-pronosticos-K-de-N.csv and lote-resumen-K-de-N.csv of
// `folder` (io/problem_files.h), every K from 1 to N, merged into the tables
// of a whole run over the series lote-series.csv lists. Throws MergeRefused
// (what is missing, or found twice, or not a part this program writes) or
// Failure (a file that cannot be read).
MergedTables merge_parts(const std::string& folder);

}  // namespace tendencia::lote
