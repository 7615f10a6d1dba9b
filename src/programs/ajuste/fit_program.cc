#include "programs/ajuste/fit_program.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "fit/answer_script.h"
#include "io/run_answers.h"
#include "fit/automatic_terms.h"
#include "fit/fit_report.h"
#include "fit/rolling_validation.h"
#include "fit/trend_fit.h"
#include "io/data_series.h"
#include "io/problem_files.h"
#include "model/student_quantile.h"
#include "text/separators.h"

namespace tendencia::ajuste {
namespace {

int write_out(const std::string& text) {
  if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::fflush(stdout) != 0)
    throw Failure(FailureKind::WriteFailed, "salida estándar");
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
  if (!run_asks_t(static_cast<std::size_t>(values))) {
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

int fit_program(const FitRequest& request) {
  const Separators separators = separators_from_locale();
  const std::string data_file = data_file_name(request.problem_name);
  DataSeries series = read_data_file("", request.problem_name);
  const int rows = static_cast<int>(series.values.size());
  const int points = request.points.value_or(rows);
  if (points > rows)
    throw CommandLineRefused("--puntos " + std::to_string(points) + ": el fichero " + data_file +
                             " tiene " + std::to_string(rows) + " valores");
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
    validation = choice->validation;
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
}

}  // namespace tendencia::ajuste
