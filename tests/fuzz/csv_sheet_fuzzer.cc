// The sheet reader on arbitrary bytes: it reads the sheet or refuses it with
// ImportRefused, never crashes; every series it reads holds 1..kMaxSeriesValues
// finite values whose data file reads back as the very same doubles, and every
// series it refuses says why. The first byte picks the columns named: none
// (wide, or long by its headers), or a long table's by header or number.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>

#include "io/csv_sheet.h"
#include "io/data_file_writer.h"
#include "io/data_series.h"
#include "io/import_refused.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tendencia;
  if (size == 0) return 0;
  const SheetColumns choices[] = {{}, {"serie", "fecha", "valor"}, {"1", "2", "3"}, {"3", "", ""}};
  const SheetColumns& columns = choices[data[0] % 4];
  const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
  try {
    const Sheet sheet = read_sheet(bytes, columns);
    if (sheet.series.empty() || sheet.series.size() > kMaxSheetSeries) std::abort();
    for (const SheetSeries& s : sheet.series) {
      if (!s.series) {
        if (s.refusal.empty()) std::abort();
        continue;
      }
      const std::vector<double>& values = s.series->values;
      if (values.empty() || values.size() > kMaxSeriesValues) std::abort();
      std::istringstream in(data_file_bytes(s.series->period_header, s.series->values_header,
                                            values, s.series->calendar));
      const DataSeries read = read_series(in, "fuzz");
      if (read.values.size() != values.size()) std::abort();
      for (std::size_t i = 0; i < values.size(); ++i)
        if (!std::isfinite(values[i]) || read.values[i].is_text ||
            std::memcmp(&read.values[i].number, &values[i], sizeof(double)) != 0)
          std::abort();
    }
  } catch (const ImportRefused&) {
  }
  return 0;
}
