// The data-file reader on arbitrary bytes: it reads a series or stops with a
// Failure, never crashes, and never holds more than its limits allow; nor do
// the rows' first fields it reads for the chart's dates. Its title line, read
// for the chart, is UTF-8 within the field limit and splits into headers that
// are parts of it.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "io/data_series.h"
#include "io/title_line.h"
#include "core/failure.h"
#include "text/text_encoding.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tendencia;
  std::istringstream title_in(std::string(reinterpret_cast<const char*>(data), size));
  const std::string title = read_title_line(title_in);
  // Windows-1252 takes at most 3 bytes of UTF-8 a character.
  if (first_invalid_utf8_byte(title) != std::string::npos || title.size() > 3 * kMaxFieldBytes)
    std::abort();
  const TitleLine headers = split_title_line(title);
  if (title.find(headers.period_header) == std::string::npos ||
      title.find(headers.values_header) == std::string::npos)
    std::abort();
  // The rows' first fields, read for the chart's dates, never more than the run would read.
  std::istringstream periods_in(std::string(reinterpret_cast<const char*>(data), size));
  const std::vector<std::string> periods = read_period_fields(periods_in);
  if (periods.size() > kMaxSeriesValues) std::abort();
  for (const std::string& period : periods)
    if (period.size() > kMaxFieldBytes) std::abort();
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
