// A fresh directory of a test's own, removed afterwards. The test names its
// files by their paths in it and gives the programs' code the folder, as the
// programs do; nothing enters it.
#pragma once

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "io/run_answers.h"

namespace tendencia::testing {

class TempDirectory {
 public:
  TempDirectory() {
    std::string pattern = (std::filesystem::temp_directory_path() / "tendencia-XXXXXX").string();
    path_ = mkdtemp(pattern.data());
  }
  ~TempDirectory() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempDirectory(const TempDirectory&) = delete;
  TempDirectory& operator=(const TempDirectory&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // The folder as the programs' code takes it (io/problem_files.h).
  std::string folder() const { return path_.string(); }
  // The path of the file `name` in it.
  std::string file(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

inline void write_file(const std::string& name, const std::string& bytes) {
  std::ofstream(name, std::ios::binary) << bytes;
}

inline std::string read_file(const std::string& name) {
  std::ifstream in(name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// Answers of a whole run: name, points, level, the 25 coefficients (b1 = 1,
// b2 = 1 unless given: F(X) = X), then `rest`: the initial period, after the
// t where the run asks it ({t, period}); none for a run that stops before.
inline std::vector<std::string> run_answers(const std::string& name, const std::string& points,
                                            const std::string& level,
                                            std::vector<std::string> coefficients,
                                            const std::vector<std::string>& rest) {
  RunAnswers answers{name, points, level, {}, "", ""};
  if (coefficients.empty()) coefficients = {"", "1", "1"};
  std::copy_n(coefficients.begin(), std::min(coefficients.size(), answers.coefficients.size()),
              answers.coefficients.begin());
  if (!rest.empty()) answers.first_period = rest.back();
  if (rest.size() > 1) answers.student_t = rest.front();
  std::vector<std::string> lines = answer_lines(answers, rest.size() > 1 ? kMostTablePoints + 1 : 0);
  if (rest.empty()) lines.pop_back();
  return lines;
}

// The names of the files of `folder`, sorted.
inline std::vector<std::string> files_in(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace tendencia::testing
