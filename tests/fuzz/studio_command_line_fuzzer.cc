// tendencia-estudio's command line from arbitrary bytes, one argument per
// NUL-separated piece: every outcome is a set of presets the window can show
// or a refusal with a reason, never another exception or a crash.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "programs/estudio/command_line.h"
#include "support/fuzz_arguments.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tendencia;
  const std::vector<std::string> arguments = testing::arguments_of(data, size);
  try {
    StudioOptions options = estudio::parse_command_line(arguments);
    if (options.automatic && !options.groups.empty()) std::abort();
    if (options.file && options.choose_file) std::abort();
    if (!std::is_sorted(options.groups.begin(), options.groups.end())) std::abort();
    if (std::adjacent_find(options.groups.begin(), options.groups.end()) != options.groups.end())
      std::abort();
    if (options.points && (*options.points < 0 || *options.points > 32767)) std::abort();
    if (options.level && *options.level != 90 && *options.level != 95 && *options.level != 99)
      std::abort();
    if (options.first_period && (*options.first_period < -32768 || *options.first_period > 32767))
      std::abort();
  } catch (const CommandLineRefused& refused) {
    if (std::string(refused.what()).empty()) std::abort();
  }
  return 0;
}
