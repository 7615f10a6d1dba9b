// Every program's command line from arbitrary bytes, one argument per
// NUL-separated piece, read by each program's parser: every outcome is a
// request that keeps its promises or a refusal with a reason (the terminal
// and desktop programs refuse with their usage line alone), never another
// exception or a crash.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "programs/ajuste/command_line.h"
#include "programs/estudio/command_line.h"
#include "programs/grafico/command_line.h"
#include "programs/gui/command_line.h"
#include "programs/importar/command_line.h"
#include "programs/lote/command_line.h"
#include "programs/tendencia/command_line.h"
#include "support/fuzz_arguments.h"

namespace {

using namespace tendencia;

template <typename Parse, typename Check>
void read_with(const std::vector<std::string>& arguments, Parse parse, Check check,
               bool reason_given = true) {
  try {
    check(parse(arguments));
  } catch (const CommandLineRefused& refused) {
    if (reason_given == std::string(refused.what()).empty()) std::abort();
  }
}

// An operand never looks like an option: "-" alone is the only one that starts with "-".
bool looks_like_option(const std::string& operand) { return operand.size() > 1 && operand[0] == '-'; }

bool in_order_each_once(const std::vector<TermGroup>& groups) {
  return std::is_sorted(groups.begin(), groups.end()) &&
         std::adjacent_find(groups.begin(), groups.end()) == groups.end();
}

void check_fit(const FitRequest& request) {
  if (looks_like_option(request.problem_name)) std::abort();
  if (request.groups.empty() != request.automatic || !in_order_each_once(request.groups))
    std::abort();
  if (request.automatic && !request.start.empty()) std::abort();
  const int most = static_cast<int>(kMaxSeriesValues);
  if (request.validation_horizon && (*request.validation_horizon < 1 || *request.validation_horizon > most))
    std::abort();
  if (request.period < 1 || request.period > most) std::abort();
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
  if (request.points && (*request.points < 1 || *request.points > most)) std::abort();
  for (const auto& [k, value] : request.start) {
    if (k < 0 || k > 24 || !std::isfinite(value)) std::abort();
    bool owned = false;
    for (TermGroup g : request.groups)
      for (int index : term_coefficients(g)) owned = owned || index == k;
    if (!owned) std::abort();
  }
}

void check_studio(const StudioOptions& options) {
  if (options.automatic && !options.groups.empty()) std::abort();
  if (options.file && options.choose_file) std::abort();
  if (options.file && looks_like_option(*options.file)) std::abort();
  if (!in_order_each_once(options.groups)) std::abort();
  if (options.points && (*options.points < 0 || *options.points > 32767)) std::abort();
  if (options.level && *options.level != 90 && *options.level != 95 && *options.level != 99)
    std::abort();
  if (options.first_period && (*options.first_period < -32768 || *options.first_period > 32767))
    std::abort();
}

void check_chart(const grafico::Request& request) {
  if (request.name.empty() || looks_like_option(request.name) || request.levels.size() > 5)
    std::abort();
  for (double level : request.levels)
    if (!(level >= 1 && level <= 99.9)) std::abort();
}

void check_import(const ImportRequest& request) {
  if (looks_like_option(request.csv_file) || looks_like_option(request.problem_name)) std::abort();
}

void check_batch(const lote::Request& request) {
  if (request.merge) {
    if (!request.sheet.empty() || request.points || request.threads || request.parts != 1) std::abort();
    return;
  }
  if (looks_like_option(request.sheet)) std::abort();
  if (request.points && (*request.points < 0 || *request.points > 32767)) std::abort();
  if (request.level != 90 && request.level != 95 && request.level != 99) std::abort();
  if (request.threads && (*request.threads < 1 || *request.threads > 1024)) std::abort();
  if (request.part < 1 || request.part > request.parts || request.parts > 9999) std::abort();
}

void check_desktop(const gui::Request& request) {
  if (request.folder && (request.choose_folder || looks_like_option(*request.folder))) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::string> arguments = testing::arguments_of(data, size);
  read_with(arguments, ajuste::parse_command_line, check_fit);
  read_with(arguments, estudio::parse_command_line, check_studio);
  read_with(arguments, grafico::parse_command_line, check_chart);
  read_with(arguments, importar::parse_command_line, check_import);
  read_with(arguments, lote::parse_command_line, check_batch);
  read_with(arguments, gui::parse_command_line, check_desktop, false);
  read_with(arguments, terminal::parse_command_line, [](const terminal::Request&) {}, false);
  return 0;
}
