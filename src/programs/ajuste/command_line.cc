#include "programs/ajuste/command_line.h"

#include <algorithm>

#include "core/failure.h"
#include "io/problem_files.h"
#include "text/conversions.h"
#include "text/number_scanner.h"
#include "text/text_encoding.h"

namespace tendencia {
namespace {

constexpr int kMostValues = static_cast<int>(kMaxSeriesValues);

// Digits and nothing else: no sign, no separator, no exponent.
bool all_digits(const std::string& text) {
  const ScannedNumber seen = scan_number(text, Separators{});
  return seen.whole() && seen.sign == 0 && seen.end == text.size();
}

// [1-9]digits within 1..kMostValues; no sign, no blanks, no leading zero.
int points_argument(const std::string& text) {
  const std::string refusal = "--puntos necesita un número entero de 1 a " +
                              std::to_string(kMostValues) + ", no \"" + text + "\"";
  if (!all_digits(text) || text[0] == '0' || text.size() > 4) throw CommandLineRefused(refusal);
  int k = std::stoi(text);
  if (k > kMostValues) throw CommandLineRefused(refusal);
  return k;
}

// [-]digits within low..high, no blanks, no leading zero; `what` names the
// value in the refusal ("H después de --validar").
int whole_argument(const std::string& text, int low, int high, const std::string& what) {
  const std::string refusal = what + " necesita un número entero de " + std::to_string(low) +
                              " a " + std::to_string(high) + ", no \"" + text + "\"";
  const bool negative = !text.empty() && text[0] == '-';
  const std::string digits = negative ? text.substr(1) : text;
  if (!all_digits(digits) || digits.size() > 6 || (digits.size() > 1 && digits[0] == '0'))
    throw CommandLineRefused(refusal);
  int value = std::stoi(digits) * (negative ? -1 : 1);
  if (value < low || value > high) throw CommandLineRefused(refusal);
  return value;
}

double level_argument(const std::string& text) {
  const std::string refusal =
      "--nivel necesita un porcentaje mayor que 0 y menor que 100 escrito con \".\" como "
      "separador decimal, no \"" + text + "\"";
  if (!is_plain_number(text)) throw CommandLineRefused(refusal);
  double level = 0.0;
  try {
    level = plain_number_value(text);
  } catch (const Failure&) {
    throw CommandLineRefused(refusal);
  }
  if (!(level > 0.0 && level < 100.0)) throw CommandLineRefused(refusal);
  return level;
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

const char* const ajuste::kUsage =
    "Uso: tendencia-ajuste NOMBRE (TERMINO... | --automatico) [--puntos K] "
    "[--inicio bI=VALOR ...] [--respuestas] [--validar H] [--periodo m] [--nivel P] "
    "[--guion M INICIO [--t-calibrada]] [--datos NOMBRE]";

namespace {

// The value after argument `i` of `option`, or a refusal naming what is missing.
const std::string& value_after(const std::vector<std::string>& arguments, std::size_t& i,
                               const std::string& what, const std::string& option) {
  if (i + 1 == arguments.size())
    throw CommandLineRefused("falta " + what + " después de " + option);
  return arguments[++i];
}

void refuse_repeated(bool seen, const std::string& option) {
  if (seen) throw CommandLineRefused(option + " aparece más de una vez");
}

// The rules between options, once every argument is read.
void check_combinations(const FitRequest& request, bool level_given) {
  if (request.calibrated_t && !request.script)
    throw CommandLineRefused("--t-calibrada solo se usa con --guion");
  if (request.data_name) {
    const std::string& name = *request.data_name;
    if (!request.automatic)
      throw CommandLineRefused("--datos solo se usa con --automatico");
    if (name.empty() || count_characters(name) > kMaxProblemNameCharacters ||
        !names_a_file_here(data_file_name(name)))
      throw CommandLineRefused("--datos " + name + ": el nombre debe tener de 1 a " +
                               std::to_string(kMaxProblemNameCharacters) +
                               " caracteres y nombrar un fichero de esta carpeta");
    if (name == request.problem_name)
      throw CommandLineRefused("--datos " + name + ": es el nombre del problema, y su fichero de "
                               "datos no se reescribe");
  }
  if (!request.script) return;
  if (request.answers_only)
    throw CommandLineRefused("--guion y --respuestas no se combinan: elija una de las dos salidas");
  if (request.points)
    throw CommandLineRefused("--guion da las respuestas para todos los valores del fichero; "
                             "no se combina con --puntos");
  const double level = request.level_percent;
  if (level_given && level != 90 && level != 95 && level != 99)
    throw CommandLineRefused("con --guion el nivel debe ser 90, 95 o 99, los que tendencia acepta");
  if (count_characters(request.problem_name) > kMaxProblemNameCharacters)
    throw CommandLineRefused("el nombre \"" + request.problem_name + "\" tiene más de " +
                             std::to_string(kMaxProblemNameCharacters) +
                             " caracteres y tendencia no lo acepta");
}

}  // namespace

FitRequest ajuste::parse_command_line(const std::vector<std::string>& arguments) {
  FitRequest request;
  bool have_name = false;
  bool level_given = false, period_given = false;
  std::vector<TermGroup> named;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (argument == "--respuestas") {
      request.answers_only = true;
    } else if (argument == "--automatico") {
      refuse_repeated(request.automatic, argument);
      request.automatic = true;
    } else if (argument == "--t-calibrada") {
      refuse_repeated(request.calibrated_t, argument);
      request.calibrated_t = true;
    } else if (argument == "--puntos") {
      if (request.points) throw CommandLineRefused("--puntos aparece más de una vez");
      if (i + 1 == arguments.size()) throw CommandLineRefused("falta K después de --puntos");
      request.points = points_argument(arguments[++i]);
    } else if (argument == "--validar") {
      refuse_repeated(request.validation_horizon.has_value(), argument);
      request.validation_horizon =
          whole_argument(value_after(arguments, i, "H", argument), 1, kMostValues, "--validar H");
    } else if (argument == "--periodo") {
      refuse_repeated(period_given, argument);
      request.period = whole_argument(value_after(arguments, i, "m", argument), 1, kMostValues, "--periodo m");
      period_given = true;
    } else if (argument == "--nivel") {
      refuse_repeated(level_given, argument);
      request.level_percent = level_argument(value_after(arguments, i, "P", argument));
      level_given = true;
    } else if (argument == "--guion") {
      refuse_repeated(request.script.has_value(), argument);
      ScriptAnswers script;
      script.points_to_project =
          whole_argument(value_after(arguments, i, "M", "--guion"), 0, 32767, "--guion M");
      script.first_period =
          whole_argument(value_after(arguments, i, "INICIO", "--guion"), -32768, 32767, "--guion INICIO");
      request.script = script;
    } else if (argument == "--datos") {
      refuse_repeated(request.data_name.has_value(), argument);
      request.data_name = value_after(arguments, i, "NOMBRE", argument);
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
  if (request.automatic && !named.empty())
    throw CommandLineRefused("con --automatico los términos los elige la serie: no nombre ninguno");
  if (request.automatic && !request.start.empty())
    throw CommandLineRefused("--inicio no se combina con --automatico");
  if (!request.automatic && named.empty())
    throw CommandLineRefused("falta al menos un término (" + known_terms() + ") o --automatico");
  for (TermGroup g : all_term_groups())
    if (std::find(named.begin(), named.end(), g) != named.end()) request.groups.push_back(g);
  for (const auto& [k, value] : request.start)
    if (group_owning(k, request.groups).empty())
      throw CommandLineRefused("b" + std::to_string(k) +
                               " en --inicio no pertenece a ninguno de los términos elegidos");
  check_combinations(request, level_given);
  return request;
}

std::string ajuste::help_text() {
  std::string terms;
  for (TermGroup g : all_term_groups()) {
    std::string name = term_name(g);
    terms += "  " + name + std::string(14 - name.size(), ' ') + coefficient_list(g) + "\n";
  }
  std::string formula;
  for (const std::string& line : formula_text([](int k) { return "b" + std::to_string(k); },
                                              FormulaStyle{"  ", "       ", false}))
    formula += line + "\n";
  return std::string(ajuste::kUsage) +
         "\n\n"
         "Ajusta por mínimos cuadrados los coeficientes de los términos elegidos de\n" +
         formula +
         "a la serie de \"D\" + NOMBRE + \".TXT\" (carpeta actual), con X = 1, 2, 3, ...\n"
         "Los demás coeficientes valen 0.\n\n"
         "Términos:\n" + terms +
         "\nOpciones:\n"
         "  --puntos K          ajusta solo los K primeros valores\n"
         "  --inicio bI=VALOR   un punto de partida propio (uno o varios bI=VALOR)\n"
         "  --respuestas        escribe solo b0 a b24, una línea cada uno, para tendencia\n"
         "  --automatico        elige los términos: ajusta y valida una familia fija de\n"
         "                      conjuntos y se queda con el de menor MASE\n"
         "  --validar H         valida con orígenes móviles a H periodos (por omisión, M\n"
         "                      de --guion o 6) y escribe MASE, sMAPE, cobertura y t calibrada\n"
         "  --periodo m         escala el MASE con el pronóstico ingenuo estacional de\n"
         "                      periodo m (por omisión 1)\n"
         "  --nivel P           nivel del intervalo en %, por omisión 95 (con --guion: 90,\n"
         "                      95 o 99)\n"
         "  --guion M INICIO    escribe todas las respuestas que pedirá tendencia, una por\n"
         "                      línea, para M periodos proyectados desde el periodo INICIO\n"
         "  --t-calibrada       con --guion, la t calibrada por la validación en lugar de la\n"
         "                      t de Student si es mayor (solo con más de 32 valores)\n"
         "  --datos NOMBRE      con --automatico, elige también los datos del ajuste (la\n"
         "                      serie, su logaritmo o sus últimos valores) y los escribe en\n"
         "                      \"D\" + NOMBRE + \".TXT\", el fichero que leerá tendencia\n";
}

}  // namespace tendencia
