// The CSV importer on arbitrary bytes: it makes a data file or refuses with
// ImportRefused, never crashes, and every data file it makes reads back through
// the program's own reader as the very same doubles. The first byte picks the
// --columna choice: none, a column number, or a header.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>

#include "io/csv_import.h"
#include "io/data_series.h"
#include "io/import_refused.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tendencia;
  if (size == 0) return 0;
  const char* const choices[] = {"", "1", "2", "3", "Ventas"};
  const std::string column = choices[data[0] % 5];
  const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
  try {
    CsvImport import = read_csv_import(bytes, column);
    const std::vector<double>& values = import.series.values;
    if (values.empty() || values.size() > kMaxSeriesValues) std::abort();
    std::istringstream in(import.data_file_bytes);
    DataSeries series = read_series(in, "fuzz");
    if (series.values.size() != values.size()) std::abort();
    for (std::size_t i = 0; i < values.size(); ++i)
      if (series.values[i].is_text ||
          std::memcmp(&series.values[i].number, &values[i], sizeof(double)) != 0)
        std::abort();
  } catch (const ImportRefused&) {
  }
  return 0;
}
