#include "programs/ajuste/command_line.h"

#include <algorithm>

#include "core/failure.h"
#include "io/problem_files.h"
#include "programs/command_line_reader.h"
#include "programs/term_choice.h"
#include "text/number_scanner.h"
#include "text/quoted.h"
#include "text/text_encoding.h"

namespace tendencia {
namespace {

constexpr int kMostValues = static_cast<int>(kMaxSeriesValues);

bool is_start_argument(const std::string& text) {
  return text.find('=') != std::string::npos && text.rfind("--", 0) != 0;
}

const std::vector<OptionRule>& options() {
  static const std::vector<OptionRule> rules = {
      {"--puntos", {"K"}},
      {"--inicio", {"bI=VALOR"}, true, is_start_argument, true},
      {"--respuestas", {}},
      {"--automatico", {}},
      {"--validar", {"H"}},
      {"--periodo", {"m"}},
      {"--nivel", {"P"}},
      {"--guion", {"M", "INICIO"}},
      {"--t-calibrada", {}},
      {"--datos", {"NOMBRE"}},
  };
  return rules;
}

// b<index>=<number with ".">, index 0..24 written as the coefficient's name
// (b2, never b02).
std::pair<int, double> start_argument(const std::string& text) {
  std::size_t equals = text.find('=');
  std::string name = text.substr(0, equals);
  std::string digits = name.size() > 1 ? name.substr(1) : "";
  const ScannedNumber index = scan_number(digits, Separators{});
  if (name.empty() || name[0] != 'b' || !index.whole() || index.sign != 0 ||
      index.end != digits.size() || digits.size() > 2 || (digits.size() == 2 && digits[0] == '0') ||
      std::stoi(digits) > 24)
    throw CommandLineRefused(quoted(name) + " no es un coeficiente (b0 a b24) en --inicio " + text);
  return {std::stoi(digits), decimal_value(text.substr(equals + 1), name + " en --inicio",
                                           "un número escrito con \".\" como separador decimal")};
}

std::string group_owning(int k, const std::vector<TermGroup>& groups) {
  for (TermGroup g : groups) {
    std::vector<int> owned = term_coefficients(g);
    if (std::find(owned.begin(), owned.end(), k) != owned.end()) return term_name(g);
  }
  return "";
}

std::vector<std::pair<int, double>> starts_of(const CommandLine& line) {
  std::vector<std::pair<int, double>> starts;
  for (const std::string& argument : line.values("--inicio")) {
    std::pair<int, double> given = start_argument(argument);
    for (const auto& earlier : starts)
      if (earlier.first == given.first)
        throw CommandLineRefused("b" + std::to_string(given.first) +
                                 " aparece más de una vez en --inicio");
    starts.push_back(given);
  }
  return starts;
}

// The rules between options, once every argument is read.
void check_combinations(const FitRequest& request, bool level_given) {
  if (request.automatic && !request.groups.empty())
    throw CommandLineRefused("con --automatico los términos los elige la serie: no nombre ninguno");
  if (request.automatic && !request.start.empty())
    throw CommandLineRefused("--inicio no se combina con --automatico");
  if (!request.automatic && request.groups.empty())
    throw CommandLineRefused("falta al menos un término (" + known_term_names() + ") o --automatico");
  for (const auto& [k, value] : request.start)
    if (group_owning(k, request.groups).empty())
      throw CommandLineRefused("b" + std::to_string(k) +
                               " en --inicio no pertenece a ninguno de los términos elegidos");
  if (request.calibrated_t && !request.script)
    throw CommandLineRefused("--t-calibrada solo se usa con --guion");
  if (request.data_name) {
    const std::string& name = *request.data_name;
    if (!request.automatic) throw CommandLineRefused("--datos solo se usa con --automatico");
    if (name.empty() || count_characters(name) > kMaxProblemNameCharacters ||
        !names_a_file_here(data_file_name(name)))
      refuse_value("--datos", "un nombre de 1 a " + std::to_string(kMaxProblemNameCharacters) +
                                  " caracteres que nombre un fichero de esta carpeta",
                   name);
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

const char* const ajuste::kUsage =
    "Uso: tendencia-ajuste NOMBRE (TERMINO... | --automatico) [--puntos K] "
    "[--inicio bI=VALOR ...] [--respuestas] [--validar H] [--periodo m] [--nivel P] "
    "[--guion M INICIO [--t-calibrada]] [--datos NOMBRE]";

FitRequest ajuste::parse_command_line(const std::vector<std::string>& arguments) {
  const CommandLine line = read_command_line(arguments, options());
  if (line.operands.empty()) throw CommandLineRefused("falta el nombre del problema");
  FitRequest request;
  request.problem_name = line.operands.front();
  request.groups = chosen_terms({line.operands.begin() + 1, line.operands.end()});
  request.automatic = line.has("--automatico");
  request.answers_only = line.has("--respuestas");
  request.calibrated_t = line.has("--t-calibrada");
  if (auto k = line.value("--puntos")) request.points = whole_value(*k, 1, kMostValues, "--puntos");
  if (auto h = line.value("--validar"))
    request.validation_horizon = whole_value(*h, 1, kMostValues, "--validar");
  if (auto m = line.value("--periodo")) request.period = whole_value(*m, 1, kMostValues, "--periodo");
  if (auto p = line.value("--nivel")) {
    const std::string needs = "un porcentaje mayor que 0 y menor que 100 escrito con \".\" como "
                              "separador decimal";
    request.level_percent = decimal_value(*p, "--nivel", needs);
    if (!(request.level_percent > 0.0 && request.level_percent < 100.0))
      refuse_value("--nivel", needs, *p);
  }
  if (line.has("--guion")) {
    const std::vector<std::string> script = line.values("--guion");
    request.script = ScriptAnswers{whole_value(script[0], 0, 32767, "--guion M"),
                                   whole_value(script[1], -32768, 32767, "--guion INICIO")};
  }
  request.data_name = line.value("--datos");
  request.start = starts_of(line);
  check_combinations(request, line.has("--nivel"));
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
         "  --automatico        elige los términos: valida una familia fija de conjuntos\n"
         "                      (con el nivel reciente, la proyección más sencilla, y el\n"
         "                      de la media) y se queda con el de menor MASE\n"
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
