// tendencia-ajuste's command line from arbitrary bytes, one argument per
// NUL-separated piece: every outcome is a request that keeps its promises or a
// refusal with a reason, never another exception or a crash.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "programs/ajuste/command_line.h"
#include "support/fuzz_arguments.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tendencia;
  const std::vector<std::string> arguments = testing::arguments_of(data, size);
  try {
    FitRequest request = ajuste::parse_command_line(arguments);
    if (request.groups.empty() != request.automatic || request.groups.size() > 10) std::abort();
    if (request.automatic && !request.start.empty()) std::abort();
    if (request.validation_horizon &&
        (*request.validation_horizon < 1 || *request.validation_horizon > static_cast<int>(kMaxSeriesValues)))
      std::abort();
    if (request.period < 1 || request.period > static_cast<int>(kMaxSeriesValues)) std::abort();
    if (!(request.level_percent > 0 && request.level_percent < 100)) std::abort();
    if (request.calibrated_t && !request.script) std::abort();
    if (request.script) {
      const ScriptAnswers& s = *request.script;
      if (s.points_to_project < 0 || s.points_to_project > 32767) std::abort();
      if (s.first_period < -32768 || s.first_period > 32767) std::abort();
      if (request.answers_only || request.points) std::abort();
      const double level = request.level_percent;
      if (level != 90 && level != 95 && level != 99) std::abort();
    }
    if (!std::is_sorted(request.groups.begin(), request.groups.end())) std::abort();
    if (std::adjacent_find(request.groups.begin(), request.groups.end()) != request.groups.end())
      std::abort();
    if (request.points && (*request.points < 1 || *request.points > static_cast<int>(kMaxSeriesValues))) std::abort();
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
