#include "programs/estudio/command_line.h"
#include "text/number_scanner.h"

#include <algorithm>

namespace tendencia {
namespace {

// [-]digits, nothing else, within [lowest, highest].
std::optional<int> whole_in(const std::string& text, long lowest, long highest) {
  const ScannedNumber seen = scan_number(text, Separators{});
  if (!seen.whole() || seen.sign == '+' || seen.end != text.size() || seen.integer_digits > 6)
    return std::nullopt;
  const long value = std::stol(seen.plain);
  if (value < lowest || value > highest) return std::nullopt;
  return static_cast<int>(value);
}

std::vector<TermGroup> terms_of(const std::string& list) {
  std::vector<TermGroup> groups;
  std::size_t from = 0;
  for (;;) {
    std::size_t comma = list.find(',', from);
    std::string name = list.substr(from, comma == std::string::npos ? std::string::npos
                                                                     : comma - from);
    std::optional<TermGroup> group = term_group_named(name);
    if (!group) throw CommandLineRefused("término desconocido \"" + name + "\"");
    if (std::find(groups.begin(), groups.end(), *group) != groups.end())
      throw CommandLineRefused("término repetido \"" + name + "\"");
    groups.push_back(*group);
    if (comma == std::string::npos) break;
    from = comma + 1;
  }
  std::vector<TermGroup> ordered;
  for (TermGroup g : all_term_groups())
    if (std::find(groups.begin(), groups.end(), g) != groups.end()) ordered.push_back(g);
  return ordered;
}

}  // namespace

const char* const estudio::kUsage =
    "Uso: tendencia-estudio [FICHERO | --elegir-fichero] [--terminos T1,T2,... | "
    "--automatico] [--puntos M] [--nivel P] [--inicio I]";

StudioOptions estudio::parse_command_line(const std::vector<std::string>& arguments) {
  StudioOptions options;
  bool terms_given = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (argument.size() > 1 && argument[0] == '-' && argument.compare(0, 2, "--") != 0)
      throw CommandLineRefused("opción desconocida \"" + argument + "\"");
    if (argument.size() < 2 || argument.compare(0, 2, "--") != 0) {
      if (options.file) throw CommandLineRefused("sobra \"" + argument + "\": un solo FICHERO");
      options.file = argument;
      continue;
    }
    if (argument == "--elegir-fichero") {
      if (options.choose_file) throw CommandLineRefused("--elegir-fichero repetido");
      options.choose_file = true;
      continue;
    }
    if (argument == "--automatico") {
      if (options.automatic) throw CommandLineRefused("--automatico repetido");
      options.automatic = true;
      continue;
    }
    std::size_t equals = argument.find('=');
    const std::string option = argument.substr(0, equals);
    std::string value;
    if (equals != std::string::npos) {
      value = argument.substr(equals + 1);
    } else {
      if (option != "--terminos" && option != "--puntos" && option != "--nivel" &&
          option != "--inicio")
        throw CommandLineRefused("opción desconocida \"" + argument + "\"");
      if (++i == arguments.size()) throw CommandLineRefused(option + " sin valor");
      value = arguments[i];
    }
    if (option == "--terminos") {
      if (terms_given) throw CommandLineRefused("--terminos repetido");
      options.groups = terms_of(value);
      terms_given = true;
    } else if (option == "--puntos") {
      if (options.points) throw CommandLineRefused("--puntos repetido");
      options.points = whole_in(value, 0, 32767);
      if (!options.points)
        throw CommandLineRefused("--puntos " + value + ": un número entero de 0 a 32767");
    } else if (option == "--nivel") {
      if (options.level) throw CommandLineRefused("--nivel repetido");
      options.level = whole_in(value, 90, 99);
      if (!options.level || (*options.level != 90 && *options.level != 95 && *options.level != 99))
        throw CommandLineRefused("--nivel " + value + ": 90, 95 o 99");
    } else if (option == "--inicio") {
      if (options.first_period) throw CommandLineRefused("--inicio repetido");
      options.first_period = whole_in(value, -32768, 32767);
      if (!options.first_period)
        throw CommandLineRefused("--inicio " + value + ": un número entero de -32768 a 32767");
    } else {
      throw CommandLineRefused("opción desconocida \"" + argument + "\"");
    }
  }
  if (options.file && options.choose_file)
    throw CommandLineRefused("FICHERO y --elegir-fichero no van juntos");
  if (terms_given && options.automatic)
    throw CommandLineRefused("--terminos y --automatico no van juntos");
  return options;
}

}  // namespace tendencia
