#include "programs/lote/batch_files.h"

#include <cstdio>

#include "text/characters.h"
#include "text/number_scanner.h"

namespace tendencia::lote {
namespace {

constexpr const char* kForecasts = "lote-pronosticos";
constexpr const char* kSummary = "lote-resumen";

std::string table_name(const std::string& stem, int part, int parts) {
  if (parts == 1) return stem + ".csv";
  return stem + "-" + std::to_string(part) + "-de-" + std::to_string(parts) + ".csv";
}

}  // namespace

std::string series_name(std::size_t index) {
  char name[16];
  std::snprintf(name, sizeof name, "S%04zu", index + 1);
  return name;
}

std::string run_problem_name(const std::string& series, bool data_choices) {
  return data_choices ? series + "d" : series;
}

std::string summary_record_name(const std::string& problem) { return "R" + problem + ".CSV"; }

std::string forecasts_table_name(int part, int parts) { return table_name(kForecasts, part, parts); }
std::string summary_table_name(int part, int parts) { return table_name(kSummary, part, parts); }

std::optional<std::pair<int, int>> summary_part_of(const std::string& file_name) {
  const std::string stem = std::string(kSummary) + "-", ending = ".csv";
  if (!starts_with(file_name, stem) || file_name.size() < stem.size() + ending.size() ||
      file_name.compare(file_name.size() - ending.size(), ending.size(), ending) != 0)
    return std::nullopt;
  const std::string middle =
      file_name.substr(stem.size(), file_name.size() - stem.size() - ending.size());
  const std::size_t de = middle.find("-de-");
  if (de == std::string::npos) return std::nullopt;
  const std::optional<long long> part = whole_number_in(middle.substr(0, de));
  const std::optional<long long> parts = whole_number_in(middle.substr(de + 4));
  if (!part || !parts || *part < 1 || *part > *parts || *parts > 99999) return std::nullopt;
  // Only the name this program writes: no sign, no leading zero.
  if (table_name(kSummary, static_cast<int>(*part), static_cast<int>(*parts)) != file_name)
    return std::nullopt;
  return std::make_pair(static_cast<int>(*part), static_cast<int>(*parts));
}

}  // namespace tendencia::lote
