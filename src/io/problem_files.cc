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

bool names_a_file_here(const std::string& file_name) {
  return file_name.find('/') == std::string::npos && file_name.find('\0') == std::string::npos;
}

std::string path_in(const std::string& folder, const std::string& file_name) {
  if (folder.empty()) return file_name;
  return folder.back() == '/' ? folder + file_name : folder + "/" + file_name;
}

}  // namespace tendencia
