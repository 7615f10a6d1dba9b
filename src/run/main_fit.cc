// tendencia-ajuste NOMBRE TERMINO...: fits the chosen terms of F(X) (or the
// ones the series chooses) to the series of "D" + NOMBRE + ".TXT", validates
// them, and prints the coefficients or every answer for tendencia.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "fit/answer_script.h"
#include "fit/automatic_terms.h"
#include "fit/fit_command_line.h"
#include "fit/fit_report.h"
#include "fit/rolling_validation.h"
#include "fit/trend_fit.h"
#include "model/student_quantile.h"
#include "io/data_series.h"
#include "io/problem_files.h"
#include "run/program.h"
#include "text/separators.h"

namespace tendencia {
namespace {

std::string help_text() {
  std::string terms;
  for (TermGroup g : all_term_groups()) {
    std::string name = term_name(g);
    terms += "  " + name + std::string(14 - name.size(), ' ') + coefficient_list(g) + "\n";
  }
  return std::string(fit_usage()) +
         "\n\n"
         "Ajusta por mínimos cuadrados los coeficientes de los términos elegidos de\n"
         "  F(X) = b0 + b1*X^b2 + b3*X^b4 + b5*exp(b6*X) + b7*log(X+b8)\n"
         "       + b9*cos(b10*X+b11) + b12*cos(b13*X+b14)\n"
         "       + b15*X/(b16+X) + b17*exp(b18*X)/(1+b19*exp(b20*X))\n"
         "       + b21*exp(b22*X)/(1+b23*exp(b24*X))\n"
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
         "                      t de Student si es mayor (solo con más de 32 valores)\n";
}

int refuse_command_line(const std::string& why) {
  std::fprintf(stderr, "Error: %s.\n%s (--help para la ayuda)\n", why.c_str(), fit_usage());
  return 2;
}

int write_out(const std::string& text) {
  if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::fflush(stdout) != 0) {
    std::fprintf(stderr, "Error: no se puede escribir la salida.\n");
    return 1;
  }
  return 0;
}

// H: --validar's; else --guion's M, at most a third of the values, so a
// short series still leaves origins to validate; else 6.
ValidationSettings validation_settings(const FitRequest& request, int values) {
  ValidationSettings settings;
  if (request.validation_horizon) settings.horizon = *request.validation_horizon;
  else if (request.script && request.script->points_to_project > 0)
    settings.horizon = std::max(1, std::min(request.script->points_to_project, values / 3));
  settings.period = request.period;
  settings.level_percent = request.level_percent;
  return settings;
}

// The t for the script: the exact Student quantile for N - 2 degrees, or the
// calibrated t when asked for and larger. The calibration corrects an
// interval that assumed too much; a calibrated t below Student's comes from
// few, correlated errors and would only narrow it. Notes go to stderr.
std::optional<double> script_t(const FitRequest& request, int values,
                               const std::optional<Validation>& validation) {
  if (!tendencia_asks_t(values)) {
    if (request.calibrated_t)
      std::fprintf(stderr,
                   "Aviso: con %d valores (32 o menos) tendencia toma la t de su tabla y no la "
                   "pregunta; la t calibrada no se puede usar.\n",
                   values);
    return std::nullopt;
  }
  std::optional<double> exact = student_quantile(request.level_percent, values - 2);
  if (!exact) throw FitRefused("no se puede calcular la t de Student");
  if (request.calibrated_t && validation && validation->calibrated_t)
    return std::max(*validation->calibrated_t, *exact);
  if (request.calibrated_t)
    std::fprintf(stderr,
                 "Aviso: la validación no da una t calibrada; se escribe la t de Student.\n");
  return exact;
}

// X = N + M, the label before the first period and the last period's label
// must stay within tendencia's 16-bit periods, or its run would stop half way.
void check_script_fits(const ScriptAnswers& script, int values) {
  const long last_x = static_cast<long>(values) + script.points_to_project;
  const long last_label = static_cast<long>(script.first_period) - 1 + last_x;
  if (last_x > 32767 || last_label > 32767 || script.first_period - 1 < -32768)
    throw CommandLineRefused("--guion " + std::to_string(script.points_to_project) + " " +
                             std::to_string(script.first_period) +
                             ": los periodos de tendencia saldrían de -32768..32767 con los " +
                             std::to_string(values) + " valores del fichero");
}

}  // namespace
}  // namespace tendencia

int main(int argc, char** argv) {
  using namespace tendencia;
  if (auto status = answer_help_or_version(argc, argv, "tendencia-ajuste", help_text()))
    return *status;
  FitRequest request;
  try {
    request = parse_fit_command_line(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const CommandLineRefused& refused) {
    return refuse_command_line(refused.what());
  }
  ignore_write_signals();
  const Separators separators = separators_from_locale();
  const std::string data_file = data_file_name(request.problem_name);
  try {
    DataSeries series = read_data_file(request.problem_name);
    const int rows = static_cast<int>(series.values.size());
    const int points = request.points.value_or(rows);
    if (points > rows)
      return refuse_command_line("--puntos " + std::to_string(points) + ": el fichero " +
                                 data_file + " tiene " + std::to_string(rows) + " valores");
    std::vector<double> y;
    for (int i = 0; i < points; ++i)
      y.push_back(series_number(series.values[static_cast<std::size_t>(i)], i + 1, separators));
    const ValidationSettings settings = validation_settings(request, points);
    std::optional<AutomaticChoice> choice;
    std::optional<Validation> validation;
    std::vector<TermGroup> groups = request.groups;
    FittedTrend fit;
    if (request.automatic) {
      choice = choose_terms(y, {settings});
      groups = choice->ranked.front().groups;
      fit = *choice->ranked.front().fit;
      validation = choice->ranked.front().validation;
    } else {
      fit = fit_trend(y, groups, request.start);
      if (request.validation_horizon) {
        validation = validate_terms(y, groups, fit, settings);
      } else if (request.calibrated_t) {
        // Only for the script's t: without a validation it is Student's.
        try {
          validation = validate_terms(y, groups, fit, settings);
        } catch (const FitRefused& refused) {
          std::fprintf(stderr, "Aviso: %s.\n", refused.what());
        }
      }
    }
    if (request.script) {
      check_script_fits(*request.script, rows);
      ScriptRequest script{request.problem_name, request.script->points_to_project,
                           static_cast<int>(request.level_percent), request.script->first_period};
      return write_out(answer_script(script, fit.coefficients, rows,
                                     script_t(request, rows, validation), separators));
    }
    if (request.answers_only) return write_out(coefficient_answers(fit.coefficients));
    std::string text;
    if (choice) text += automatic_ranking_report(*choice) + "\n";
    text += fit_report(fit, data_file, rows, groups);
    if (validation && request.validation_horizon) text += "\n" + validation_report(*validation);
    return write_out(text);
  } catch (const CommandLineRefused& refused) {
    return refuse_command_line(refused.what());
  } catch (const std::exception& error) {
    std::fprintf(stderr, "Error: %s. No se escribe ningún coeficiente.\n", error.what());
    return 1;
  }
}
