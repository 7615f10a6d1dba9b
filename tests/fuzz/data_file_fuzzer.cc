// The data-file reader on arbitrary bytes: it reads a series or stops with a
// Failure, never crashes, and never holds more than its limits allow.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "io/data_series.h"
#include "core/failure.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tendencia;
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  try {
    DataSeries series = read_series(in, "fuzz");
    if (series.values.size() > kMaxSeriesValues) std::abort();
    for (const SeriesValue& v : series.values) {
      if (v.is_text && v.text.size() > kMaxFieldBytes) std::abort();
      if (!v.is_text && !std::isfinite(v.number)) std::abort();
    }
  } catch (const Failure&) {
  }
  return 0;
}
