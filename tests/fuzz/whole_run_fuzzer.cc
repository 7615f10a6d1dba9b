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

// The folder every input's run works in, made once.
const std::string& scratch_folder() {
  static const std::string folder = [] {
    char pattern[] = "/tmp/tendencia-fuzz-XXXXXX";
    if (mkdtemp(pattern) == nullptr) std::abort();
    return std::string(pattern);
  }();
  return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tendencia;
  const std::string& folder = scratch_folder();
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
  std::ofstream(folder + "/Df.TXT", std::ios::binary) << data_file;
  std::filesystem::remove(folder + "/Ef.TXT");

  ScriptedDialogue dialogue(answers);
  try {
    run_sequence(dialogue, Separators{}, folder);
  } catch (const Failure&) {
  }
  std::ifstream in(folder + "/Ef.TXT", std::ios::binary);
  std::string report(std::istreambuf_iterator<char>(in), {});
  if (report.find("INF") != std::string::npos || report.find("NAN") != std::string::npos)
    std::abort();
  if (!report.empty() && report.size() >= 2 && report.compare(report.size() - 2, 2, "\r\n") != 0)
    std::abort();
  return 0;
}
