// A whole run through the scripted dialogue: the input is a data file, a NUL
// byte, then the answers, one a line. The problem is always "f". Whatever the
// input, the run ends complete or with a Failure, and no report line holds an
// infinity or not-a-number.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "core/failure.h"
#include "run/run_sequence.h"
#include "support/scripted_dialogue.h"

namespace {

// The run works in the current directory; libFuzzer reads and writes its corpus
// by relative paths, so each input runs in a scratch directory and comes back.
class ScratchDirectory {
 public:
  ScratchDirectory() : home_(std::filesystem::current_path()) {
    static const std::filesystem::path scratch = [] {
      char pattern[] = "/tmp/tendencia-fuzz-XXXXXX";
      if (mkdtemp(pattern) == nullptr) std::abort();
      return std::filesystem::path(pattern);
    }();
    std::filesystem::current_path(scratch);
  }
  ~ScratchDirectory() { std::filesystem::current_path(home_); }

 private:
  std::filesystem::path home_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tendencia;
  ScratchDirectory scratch;
  std::string input(reinterpret_cast<const char*>(data), size);
  std::size_t split = input.find('\0');
  std::string data_file = input.substr(0, split);
  std::vector<std::string> answers = {"f"};
  if (split != std::string::npos) {
    std::string rest = input.substr(split + 1);
    for (std::size_t begin = 0; begin <= rest.size();) {
      std::size_t end = rest.find('\n', begin);
      if (end == std::string::npos) end = rest.size();
      answers.push_back(rest.substr(begin, end - begin));
      begin = end + 1;
    }
  }
  // Long projections are valid but slow; keep the fuzzer exploring.
  if (answers.size() > 1 && answers[1].size() > 3) answers[1] = answers[1].substr(0, 3);
  std::ofstream("Df.TXT", std::ios::binary) << data_file;
  std::filesystem::remove("Ef.TXT");

  ScriptedDialogue dialogue(answers);
  try {
    run_sequence(dialogue, Separators{});
  } catch (const Failure&) {
  }
  std::ifstream in("Ef.TXT", std::ios::binary);
  std::string report(std::istreambuf_iterator<char>(in), {});
  if (report.find("INF") != std::string::npos || report.find("NAN") != std::string::npos)
    std::abort();
  if (!report.empty() && report.size() >= 2 && report.compare(report.size() - 2, 2, "\r\n") != 0)
    std::abort();
  return 0;
}
