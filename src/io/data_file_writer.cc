#include "io/data_file_writer.h"

#include <charconv>
#include <system_error>

#include "io/problem_files.h"
#include "io/title_line.h"
#include "io/whole_file_writer.h"
#include "text/text_encoding.h"

namespace tendencia {
namespace {

constexpr std::size_t kFieldWidth = 14;
const char* const kLineEnd = "\r\n";

// A header cell may hold line ends (a quoted cell): the title is one line.
std::string one_line(std::string text) {
  for (char& c : text)
    if (c == '\r' || c == '\n' || c == '\t') c = ' ';
  return text;
}

// `left` padded to a field, then `right` ending at the second field's end,
// with at least one blank between however long either is.
std::string two_fields(const std::string& left, const std::string& right) {
  std::string line = left + ' ';
  if (line.size() < kFieldWidth) line.resize(kFieldWidth, ' ');
  if (line.size() + right.size() < 2 * kFieldWidth)
    line.resize(2 * kFieldWidth - right.size(), ' ');
  return line + right + kLineEnd;
}

// std::to_chars without a precision gives the shortest text that strtod turns
// back into the same double.
std::string shortest_digits(double value) {
  char buffer[64];
  std::to_chars_result result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

// A calendar read from the labels of a column labels each of its values.
std::string period_of(std::size_t index, const std::optional<Calendar>& calendar) {
  if (calendar)
    if (std::optional<std::string> label = period_label(*calendar, static_cast<long long>(index)))
      return *label;
  return std::to_string(index + 1);
}

}  // namespace

std::string data_file_bytes(const std::string& period_header, const std::string& values_header,
                            const std::vector<double>& values,
                            const std::optional<Calendar>& calendar) {
  // Two blanks at least between the headers, so a reader of the title line
  // (split_title_line) tells them apart even when either holds blanks.
  std::string bytes = two_fields(
      utf8_to_cp1252(one_line(period_header.empty() ? kDefaultPeriodHeader : period_header)) + ' ',
      utf8_to_cp1252(one_line(values_header.empty() ? kDefaultValuesHeader : values_header)));
  for (std::size_t i = 0; i < values.size(); ++i)
    bytes += two_fields(period_of(i, calendar), shortest_digits(values[i]));
  return bytes;
}

bool write_data_file(const std::string& folder, const std::string& problem_name,
                     const std::string& bytes, bool replace_existing) {
  return write_whole_file(folder, data_file_name(problem_name), bytes, replace_existing);
}

}  // namespace tendencia
