#include "io/problem_files.h"

namespace tendencia {

std::string data_file_name(const std::string& problem_name) {
  return "D" + problem_name + ".TXT";
}

std::string results_file_stem(const std::string& problem_name) { return "E" + problem_name; }

std::string results_file_name(const std::string& problem_name) {
  return results_file_stem(problem_name) + ".TXT";
}

std::string chart_file_name(const std::string& problem_name, const std::string& extension) {
  return "G" + problem_name + "." + extension;
}

std::string default_data_name(const std::string& problem_name) {
  // Whole UTF-8 characters only: a continuation byte never starts the cut.
  std::size_t end = 0, characters = 0;
  while (end < problem_name.size() && characters < kMaxProblemNameCharacters - 1) {
    ++end;
    while (end < problem_name.size() && (static_cast<unsigned char>(problem_name[end]) & 0xC0) == 0x80)
      ++end;
    ++characters;
  }
  return problem_name.substr(0, end) + "_";
}

bool names_a_file_here(const std::string& file_name) {
  return file_name.find('/') == std::string::npos && file_name.find('\0') == std::string::npos;
}

}  // namespace tendencia
