#include "programs/ajuste/fit_program.h"

#include <cstdio>
#include <string>
#include <vector>

#include "fit/answer_script.h"
#include "fit/fit_pipeline.h"
#include "fit/fit_report.h"
#include "io/run_answers.h"
#include "io/data_file_writer.h"
#include "io/data_series.h"
#include "io/problem_files.h"
#include "io/title_line.h"
#include "text/characters.h"
#include "text/separators.h"

namespace tendencia::ajuste {
namespace {

int write_out(const std::string& text) {
  if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::fflush(stdout) != 0)
    throw Failure(FailureKind::WriteFailed, "salida estándar");
  return 0;
}

FitPlan plan_of(const FitRequest& request, int values) {
  FitPlan plan;
  plan.groups = request.groups;
  plan.automatic = request.automatic;
  // The data are a choice only where the run can be given them: a data file
  // of its own, never the series' own file.
  plan.data_choices = request.automatic && request.data_name.has_value();
  plan.start = request.start;
  plan.validation.horizon =
      request.validation_horizon
          ? *request.validation_horizon
          : validation_horizon(request.script ? request.script->points_to_project : 0, values);
  plan.validation.period = request.period;
  plan.validation.level_percent = request.level_percent;
  if (request.validation_horizon) plan.validating = Validating::Always;
  else if (request.calibrated_t) plan.validating = Validating::IfPossible;
  return plan;
}

// The t for the script, with notes where the calibrated t asked for cannot be
// used.
std::optional<double> script_t(const FitRequest& request, const FitOutcome& outcome, int values,
                               std::vector<std::string>& notes) {
  if (!run_asks_t(static_cast<std::size_t>(values))) {
    if (request.calibrated_t)
      notes.push_back("Aviso: con " + std::to_string(values) +
                      " valores (32 o menos) tendencia toma la t de su tabla y no la "
                      "pregunta; la t calibrada no se puede usar.");
    return std::nullopt;
  }
  if (request.calibrated_t && !outcome.no_validation.empty())
    notes.push_back("Aviso: " + outcome.no_validation + ".");
  if (request.calibrated_t && !(outcome.validation && outcome.validation->calibrated_t))
    notes.push_back("Aviso: la validación no da una t calibrada; se escribe la t de Student.");
  std::optional<double> t = t_for_run(outcome, request.level_percent, values, request.calibrated_t);
  if (!t) throw FitRefused("no se puede calcular la t de Student");
  return t;
}

// The problem the run is given: the series' own, or with --datos NOMBRE the
// data file written for it in `folder`, holding exactly the values it must see.
std::string run_problem(const FitRequest& request, const FitOutcome& outcome,
                        const std::string& folder, std::vector<std::string>& notes) {
  if (!request.data_name) return request.problem_name;
  const std::string& name = *request.data_name;
  const TitleLine title = split_title_line(read_data_title(folder, request.problem_name));
  const std::string series = title.values_header.empty() ? "serie" : title.values_header;
  write_data_file(folder, name,
                  data_file_bytes(title.period_header, values_header_for(outcome.data, series),
                                  outcome.run_values),
                  true);
  notes.push_back("Los datos de la proyección (" + data_choice_name(outcome.data) + ") están en " +
                  data_file_name(name) + ".");
  return name;
}

// The naive projection's note, when the chosen terms do not beat it.
void note_naive(const FitOutcome& outcome, std::vector<std::string>& notes) {
  if (!outcome.validation) return;
  const std::string warning = naive_warning(*outcome.validation);
  if (!warning.empty()) notes.push_back(warning);
}

void print_notes(const std::vector<std::string>& notes) {
  for (const std::string& note : notes) std::fprintf(stderr, "%s\n", note.c_str());
}

}  // namespace

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

ScriptedFit scripted_fit(const FitRequest& request, const std::vector<double>& y,
                         const std::string& folder, const Separators& separators) {
  ScriptedFit scripted;
  const int rows = static_cast<int>(y.size());
  scripted.outcome = fit_as_planned(y, plan_of(request, rows));
  const FitOutcome& outcome = scripted.outcome;
  note_naive(outcome, scripted.notes);
  scripted.run_problem = run_problem(request, outcome, folder, scripted.notes);
  const int run_values = static_cast<int>(outcome.run_values.size());
  ScriptRequest script{scripted.run_problem, request.script->points_to_project,
                       static_cast<int>(request.level_percent),
                       // A window starts later in the series: its periods go on from there.
                       request.script->first_period + (rows - run_values)};
  const std::optional<double> t = script_t(request, outcome, run_values, scripted.notes);
  scripted.answers =
      answer_script(script, outcome.fit.coefficients, run_values, t, separators);
  return scripted;
}

int fit_program(const FitRequest& request) {
  const Separators separators = separators_from_locale();
  const std::string data_file = data_file_name(request.problem_name);
  DataSeries series = read_data_file("", request.problem_name);
  const int rows = static_cast<int>(series.values.size());
  const int points = request.points.value_or(rows);
  if (points > rows)
    throw CommandLineRefused("--puntos " + std::to_string(points) + ": el fichero " + data_file +
                             " tiene " + std::to_string(rows) + " valores");
  if (request.script) check_script_fits(*request.script, rows);
  std::vector<double> y;
  for (int i = 0; i < points; ++i)
    y.push_back(series_number(series.values[static_cast<std::size_t>(i)], i + 1, separators));

  if (request.script) {
    const ScriptedFit scripted = scripted_fit(request, y, "", separators);
    print_notes(scripted.notes);
    return write_out(scripted.answers);
  }
  const FitOutcome outcome = fit_as_planned(y, plan_of(request, points));
  std::vector<std::string> notes;
  note_naive(outcome, notes);
  run_problem(request, outcome, "", notes);
  print_notes(notes);
  if (request.answers_only) return write_out(coefficient_answers(outcome.fit.coefficients));
  return write_out(fit_outcome_report(outcome, data_file, rows,
                                      request.validation_horizon.has_value()));
}

}  // namespace tendencia::ajuste
