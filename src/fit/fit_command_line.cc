#include "fit/fit_command_line.h"

#include <algorithm>

#include "core/failure.h"
#include "text/conversions.h"

namespace tendencia {
namespace {

bool all_digits(const std::string& text) {
  return !text.empty() &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// [1-9]digits within 1..kMaxPoints; no sign, no blanks, no leading zero.
int points_argument(const std::string& text) {
  const std::string refusal = "--puntos necesita un número entero de 1 a " +
                              std::to_string(kMaxPoints) + ", no \"" + text + "\"";
  if (!all_digits(text) || text[0] == '0' || text.size() > 4) throw CommandLineRefused(refusal);
  int k = std::stoi(text);
  if (k > kMaxPoints) throw CommandLineRefused(refusal);
  return k;
}

// b<index>=<plain number>, index 0..24 without leading zeros.
std::pair<int, double> start_argument(const std::string& text) {
  std::size_t equals = text.find('=');
  std::string name = text.substr(0, equals);
  std::string digits = name.size() > 1 ? name.substr(1) : "";
  if (name.empty() || name[0] != 'b' || !all_digits(digits) || digits.size() > 2 ||
      (digits.size() == 2 && digits[0] == '0') || std::stoi(digits) > 24)
    throw CommandLineRefused("\"" + name + "\" no es un coeficiente (b0 a b24) en --inicio " +
                             text);
  std::string value = text.substr(equals + 1);
  if (!is_plain_number(value))
    throw CommandLineRefused("el valor de " + name +
                             " en --inicio no es un número escrito con "
                             "\".\" como separador decimal: \"" +
                             value + "\"");
  try {
    return {std::stoi(digits), plain_number_value(value)};
  } catch (const Failure&) {
    throw CommandLineRefused("el valor de " + name + " en --inicio está fuera de rango: \"" +
                             value + "\"");
  }
}

bool is_start_argument(const std::string& text) {
  return text.find('=') != std::string::npos && text.rfind("--", 0) != 0;
}

std::string group_owning(int k, const std::vector<TermGroup>& groups) {
  for (TermGroup g : groups) {
    std::vector<int> owned = term_coefficients(g);
    if (std::find(owned.begin(), owned.end(), k) != owned.end()) return term_name(g);
  }
  return "";
}

std::string known_terms() {
  std::string list;
  for (TermGroup g : all_term_groups())
    list += std::string(list.empty() ? "" : ", ") + term_name(g);
  return list;
}

}  // namespace

const char* fit_usage() {
  return "Uso: tendencia-ajuste NOMBRE TERMINO... [--puntos K] [--inicio bI=VALOR ...] "
         "[--respuestas]";
}

FitRequest parse_fit_command_line(const std::vector<std::string>& arguments) {
  FitRequest request;
  bool have_name = false;
  std::vector<TermGroup> named;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (argument == "--respuestas") {
      request.answers_only = true;
    } else if (argument == "--puntos") {
      if (request.points) throw CommandLineRefused("--puntos aparece más de una vez");
      if (i + 1 == arguments.size()) throw CommandLineRefused("falta K después de --puntos");
      request.points = points_argument(arguments[++i]);
    } else if (argument == "--inicio") {
      if (i + 1 == arguments.size() || !is_start_argument(arguments[i + 1]))
        throw CommandLineRefused("falta bI=VALOR después de --inicio");
      while (i + 1 < arguments.size() && is_start_argument(arguments[i + 1])) {
        std::pair<int, double> given = start_argument(arguments[++i]);
        for (const auto& earlier : request.start)
          if (earlier.first == given.first)
            throw CommandLineRefused("b" + std::to_string(given.first) +
                                     " aparece más de una vez en --inicio");
        request.start.push_back(given);
      }
    } else if (argument.size() > 1 && argument[0] == '-') {
      throw CommandLineRefused("opción desconocida: \"" + argument + "\"");
    } else if (!have_name) {
      request.problem_name = argument;
      have_name = true;
    } else {
      std::optional<TermGroup> group = term_group_named(argument);
      if (!group)
        throw CommandLineRefused("término desconocido: \"" + argument + "\" (los términos son " +
                                 known_terms() + ")");
      if (std::find(named.begin(), named.end(), *group) != named.end())
        throw CommandLineRefused("el término " + argument + " aparece más de una vez");
      named.push_back(*group);
    }
  }
  if (!have_name) throw CommandLineRefused("falta el nombre del problema");
  if (named.empty()) throw CommandLineRefused("falta al menos un término (" + known_terms() + ")");
  for (TermGroup g : all_term_groups())
    if (std::find(named.begin(), named.end(), g) != named.end()) request.groups.push_back(g);
  for (const auto& [k, value] : request.start)
    if (group_owning(k, request.groups).empty())
      throw CommandLineRefused("b" + std::to_string(k) +
                               " en --inicio no pertenece a ninguno de los términos elegidos");
  return request;
}

}  // namespace tendencia
