#include "programs/estudio/studio_series.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <new>
#include <sstream>
#include <tuple>
#include <utility>

#include "core/failure.h"
#include "io/csv_import.h"
#include "io/data_series.h"
#include "io/import_refused.h"
#include "io/import_summary.h"
#include "io/problem_files.h"
#include "text/text_encoding.h"
#include "io/file_bytes.h"

namespace tendencia {
namespace {

std::string lowercase(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

std::string extension_of(const std::string& path) {
  return lowercase(std::filesystem::path(path).extension().string());
}

bool is_csv(const std::string& path) { return extension_of(path) == ".csv"; }

// The data file's series as the run reads it, with the run's own refusals (a
// row beyond the last, a field too long), then its bytes, for the data file
// the run will find: what is not a regular file would be read forever or not
// at all, and a file of a series and megabytes of blank lines is refused.
std::pair<DataSeries, std::string> read_data_bytes(const std::string& path) {
  const std::string where = "fichero de datos " + path;
  std::ifstream in = open_regular_file(path, where);
  DataSeries series = read_series(in, path);
  return {std::move(series), read_regular_file(path, where)};
}

DataSeries series_of(const std::string& data_file_bytes, const std::string& where) {
  std::istringstream in(data_file_bytes);
  return read_series(in, where);
}

std::string absolute_folder_of(const std::string& path) {
  std::filesystem::path absolute = std::filesystem::absolute(path);
  return absolute.parent_path().lexically_normal().string();
}

}  // namespace

std::string proposed_problem_name(const std::string& path) {
  std::filesystem::path file(path);
  std::string name = file.stem().string();
  const std::string extension = extension_of(path);
  if (extension != ".csv" && name.size() > 1 && (name[0] == 'D' || name[0] == 'd'))
    name.erase(0, 1);
  // Cut at a character's boundary, never inside a UTF-8 sequence.
  std::string cut;
  for (std::size_t i = 0; i < name.size();) {
    std::size_t length = 1;
    while (i + length < name.size() && (static_cast<unsigned char>(name[i + length]) & 0xC0) == 0x80)
      ++length;
    if (count_characters(cut + name.substr(i, length)) > kMaxProblemNameCharacters) break;
    cut += name.substr(i, length);
    i += length;
  }
  return cut;
}

OpenedSeries open_series_file(const std::string& path) {
  OpenedSeries opened;
  opened.path = path;
  opened.folder = absolute_folder_of(path);
  opened.proposed_name = proposed_problem_name(path);
  if (is_csv(path)) {
    CsvImport import = read_csv_file(path, "");
    opened.from_csv = true;
    opened.summary = import_summary(path, import);
    opened.data_file_bytes = std::move(import.data_file_bytes);
    opened.calendar = import.series.calendar;
    opened.first_period = proposed_initial_period(import.series);
    opened.series = series_of(opened.data_file_bytes, path);
  } else {
    std::tie(opened.series, opened.data_file_bytes) = read_data_bytes(path);
  }
  std::istringstream title(opened.data_file_bytes);
  opened.title_line = read_title_line(title);
  if (!opened.from_csv) {
    opened.summary = "Fichero de datos " + path + ": " +
                     std::to_string(opened.series.values.size()) + " valores.\n";
    std::istringstream rows(opened.data_file_bytes);
    opened.calendar = read_data_calendar(rows);
    if (opened.calendar) opened.first_period = initial_period_answer(*opened.calendar);
  }
  return opened;
}

std::vector<std::string> period_column(const OpenedSeries& opened, int first_period) {
  std::vector<std::string> periods;
  for (std::size_t i = 0; i < opened.series.values.size(); ++i) {
    std::optional<std::string> label;
    if (opened.calendar) label = period_label(*opened.calendar, static_cast<long long>(i));
    periods.push_back(label ? *label : std::to_string(first_period + static_cast<long long>(i)));
  }
  return periods;
}

std::string open_failure_text(const std::string& path, const std::exception& error) {
  if (is_csv(path)) return import_failure_text(path, error);
  return "Error: " + what_failed(error) + ".";
}

bool same_series(const DataSeries& a, const DataSeries& b) {
  if (a.values.size() != b.values.size()) return false;
  for (std::size_t i = 0; i < a.values.size(); ++i) {
    const SeriesValue& x = a.values[i];
    const SeriesValue& y = b.values[i];
    if (x.is_text != y.is_text) return false;
    if (x.is_text ? x.text != y.text : x.number != y.number) return false;
  }
  return true;
}

DataFileState data_file_state(const std::string& folder, const std::string& problem_name,
                              const DataSeries& series) {
  try {
    return same_series(read_data_file(folder, problem_name), series) ? DataFileState::SameSeries
                                                             : DataFileState::OtherSeries;
  } catch (const Failure& failure) {
    if (failure.kind() == FailureKind::FileNotFound) return DataFileState::Missing;
    return DataFileState::OtherSeries;
  }
}

}  // namespace tendencia
