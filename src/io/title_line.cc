#include "io/title_line.h"

#include "text/characters.h"
#include "text/conversions.h"

namespace tendencia {
namespace {

std::string naming(std::string_view header, const char* program_default) {
  header = without_blanks_around(header);
  if (header == program_default || is_plain_number(header)) return "";
  return std::string(header);
}

}  // namespace

TitleLine split_title_line(std::string_view line) {
  line = without_blanks_around(line);
  std::size_t run = std::string_view::npos;
  for (std::size_t i = 0; i + 1 < line.size(); ++i)
    if (is_blank(line[i]) && is_blank(line[i + 1])) {
      run = i;
      break;
    }
  if (run == std::string_view::npos) return {"", naming(line, kDefaultValuesHeader)};
  return {naming(line.substr(0, run), kDefaultPeriodHeader),
          naming(line.substr(run), kDefaultValuesHeader)};
}

std::string logarithm_header(const std::string& series_name) {
  return "log(" + series_name + ")";
}

std::optional<std::string> header_without_logarithm(std::string_view values_header) {
  constexpr std::string_view kOpening = "log(";
  if (values_header.substr(0, kOpening.size()) != kOpening) return std::nullopt;
  // The name may hold parentheses of its own: the logarithm closes at the
  // last ")", before what the header says after it (", últimos 33").
  const std::size_t end = values_header.rfind(')');
  if (end == std::string_view::npos || end < kOpening.size()) return std::nullopt;
  return std::string(values_header.substr(kOpening.size(), end - kOpening.size())) +
         std::string(values_header.substr(end + 1));
}

}  // namespace tendencia
