#include "programs/estudio/command_line.h"

#include "programs/command_line_reader.h"
#include "programs/term_choice.h"
#include "text/number_scanner.h"

namespace tendencia {
namespace {

const std::vector<OptionRule>& options() {
  static const std::vector<OptionRule> rules = {
      {"--elegir-fichero", {}}, {"--automatico", {}}, {"--terminos", {"T1,T2,..."}},
      {"--puntos", {"M"}},      {"--nivel", {"P"}},   {"--inicio", {"I"}},
  };
  return rules;
}

std::vector<std::string> names_in(const std::string& list) {
  std::vector<std::string> names;
  std::size_t from = 0;
  for (std::size_t comma; (comma = list.find(',', from)) != std::string::npos; from = comma + 1)
    names.push_back(list.substr(from, comma - from));
  names.push_back(list.substr(from));
  return names;
}

}  // namespace

const char* const estudio::kUsage =
    "Uso: tendencia-estudio [FICHERO | --elegir-fichero] [--terminos T1,T2,... | "
    "--automatico] [--puntos M] [--nivel P] [--inicio I]";

StudioOptions estudio::parse_command_line(const std::vector<std::string>& arguments) {
  const CommandLine line = read_command_line(arguments, options());
  refuse_operands_beyond(line, 1);
  StudioOptions options;
  if (!line.operands.empty()) options.file = line.operands.front();
  options.choose_file = line.has("--elegir-fichero");
  options.automatic = line.has("--automatico");
  if (auto terms = line.value("--terminos")) options.groups = chosen_terms(names_in(*terms));
  if (auto m = line.value("--puntos")) options.points = whole_value(*m, 0, 32767, "--puntos");
  if (auto p = line.value("--nivel")) options.level = run_level_value(*p, "--nivel");
  if (auto i = line.value("--inicio")) options.first_period = whole_value(*i, -32768, 32767, "--inicio");
  if (options.file && options.choose_file)
    throw CommandLineRefused("FICHERO y --elegir-fichero no van juntos");
  if (line.has("--terminos") && options.automatic)
    throw CommandLineRefused("--terminos y --automatico no van juntos");
  return options;
}

}  // namespace tendencia
