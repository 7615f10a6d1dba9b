#include "programs/command_line_reader.h"

#include <algorithm>

#include "model/student_table.h"
#include "text/conversions.h"
#include "text/number_scanner.h"
#include "text/quoted.h"

namespace tendencia {
namespace {

bool is_option(const std::string& argument) { return argument.size() > 1 && argument[0] == '-'; }

const OptionRule& rule_of(const std::string& name, const std::vector<OptionRule>& rules) {
  for (const OptionRule& rule : rules)
    if (rule.name == name) return rule;
  throw CommandLineRefused("opción desconocida: " + quoted(name));
}

bool fits(const OptionRule& rule, const std::string& argument) {
  return rule.shape == nullptr || rule.shape(argument);
}

}  // namespace

bool CommandLine::has(const std::string& name) const {
  return std::any_of(options.begin(), options.end(),
                     [&](const Given& given) { return given.name == name; });
}

std::optional<std::string> CommandLine::value(const std::string& name) const {
  for (const Given& given : options)
    if (given.name == name && !given.values.empty()) return given.values.front();
  return std::nullopt;
}

std::vector<std::string> CommandLine::values(const std::string& name) const {
  std::vector<std::string> all;
  for (const Given& given : options)
    if (given.name == name) all.insert(all.end(), given.values.begin(), given.values.end());
  return all;
}

CommandLine read_command_line(const std::vector<std::string>& arguments,
                              const std::vector<OptionRule>& rules) {
  CommandLine line;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (!is_option(argument)) {
      line.operands.push_back(argument);
      continue;
    }
    const std::size_t equals = argument.find('=');
    const OptionRule& rule = rule_of(argument.substr(0, equals), rules);
    if (!rule.repeatable && line.has(rule.name))
      throw CommandLineRefused(rule.name + " aparece más de una vez");
    CommandLine::Given given{rule.name, {}};
    if (equals != std::string::npos) {
      if (rule.values.empty()) throw CommandLineRefused(rule.name + " no lleva valor");
      given.values.push_back(argument.substr(equals + 1));
    }
    for (std::size_t k = given.values.size(); k < rule.values.size(); ++k) {
      if (i + 1 == arguments.size() || !fits(rule, arguments[i + 1]))
        throw CommandLineRefused("falta " + rule.values[k] + " después de " + rule.name);
      given.values.push_back(arguments[++i]);
    }
    if (!given.values.empty() && !fits(rule, given.values.front()))
      throw CommandLineRefused("falta " + rule.values.front() + " después de " + rule.name);
    while (rule.more && i + 1 < arguments.size() && fits(rule, arguments[i + 1]))
      given.values.push_back(arguments[++i]);
    line.options.push_back(std::move(given));
  }
  return line;
}

void refuse_operands_beyond(const CommandLine& line, std::size_t most) {
  if (line.operands.size() > most) throw CommandLineRefused("sobra " + quoted(line.operands[most]));
}

void refuse_value(const std::string& what, const std::string& needs, const std::string& text) {
  throw CommandLineRefused(what + " necesita " + needs + ", no " + quoted(text));
}

int whole_value(const std::string& text, int low, int high, const std::string& what) {
  const std::optional<long long> value = whole_number_in(text);
  if (!value || *value < low || *value > high)
    refuse_value(what, "un número entero de " + std::to_string(low) + " a " + std::to_string(high),
                 text);
  return static_cast<int>(*value);
}

int run_level_value(const std::string& text, const std::string& what) {
  const std::optional<long long> level = whole_number_in(text);
  if (!level || confidence_index(static_cast<double>(*level)) == 0)
    refuse_value(what, "90, 95 o 99, los niveles que tendencia acepta", text);
  return static_cast<int>(*level);
}

double decimal_value(const std::string& text, const std::string& what, const std::string& needs) {
  if (!is_plain_number(text)) refuse_value(what, needs, text);
  try {
    return plain_number_value(text);
  } catch (const Failure&) {
    refuse_value(what, needs, text);
  }
}

}  // namespace tendencia
