// tendencia-ajuste's command line from arbitrary bytes, one argument per
// NUL-separated piece: every outcome is a request that keeps its promises or a
// refusal with a reason, never another exception or a crash.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "fit/fit_command_line.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tendencia;
  std::vector<std::string> arguments(1);
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] == 0)
      arguments.emplace_back();
    else
      arguments.back() += static_cast<char>(data[i]);
  }
  try {
    FitRequest request = parse_fit_command_line(arguments);
    if (request.groups.empty() || request.groups.size() > 10) std::abort();
    if (!std::is_sorted(request.groups.begin(), request.groups.end())) std::abort();
    if (std::adjacent_find(request.groups.begin(), request.groups.end()) != request.groups.end())
      std::abort();
    if (request.points && (*request.points < 1 || *request.points > kMaxPoints)) std::abort();
    for (const auto& [k, value] : request.start) {
      if (k < 0 || k > 24 || !std::isfinite(value)) std::abort();
      bool owned = false;
      for (TermGroup g : request.groups)
        for (int index : term_coefficients(g)) owned = owned || index == k;
      if (!owned) std::abort();
    }
  } catch (const CommandLineRefused& refused) {
    if (std::string(refused.what()).empty()) std::abort();
  }
  return 0;
}
