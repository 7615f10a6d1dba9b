#include "fit/fit_pipeline.h"

#include <algorithm>

#include "fit/fit_report.h"
#include "model/student_quantile.h"

namespace tendencia {

int validation_horizon(int points_to_project, int values) {
  if (points_to_project <= 0) return 6;
  return std::max(1, std::min(points_to_project, values / 3));
}

FitOutcome fit_as_planned(const std::vector<double>& y, const FitPlan& plan) {
  FitOutcome outcome;
  if (plan.automatic) {
    AutomaticSettings settings{plan.validation, plan.data_choices};
    outcome.choice = choose_terms(y, settings);
    outcome.terms = outcome.choice->ranked.front().terms;
    outcome.data = outcome.choice->ranked.front().data;
    outcome.fit = outcome.choice->fit;
    outcome.validation = outcome.choice->validation;
    outcome.run_values = values_for_run(outcome.data, y, y.size());
    return outcome;
  }
  if (plan.groups.empty()) throw FitRefused("elija al menos un término de F(X)");
  outcome.terms = {plan.groups, false};
  outcome.run_values = y;
  outcome.fit = fit_trend(y, plan.groups, plan.start);
  if (plan.validating == Validating::Always) {
    outcome.validation = validate_terms(y, outcome.terms, outcome.data, plan.validation);
  } else if (plan.validating == Validating::IfPossible) {
    try {
      outcome.validation = validate_terms(y, outcome.terms, outcome.data, plan.validation);
    } catch (const FitRefused& refused) {
      outcome.no_validation = refused.what();
    }
  }
  return outcome;
}

std::optional<double> t_for_run(const FitOutcome& outcome, double level_percent, int values,
                                bool calibrated) {
  std::optional<double> exact = student_quantile(level_percent, values - 2);
  if (!exact) return std::nullopt;
  if (calibrated && outcome.validation && outcome.validation->calibrated_t)
    return std::max(*outcome.validation->calibrated_t, *exact);
  return exact;
}

std::string fit_outcome_report(const FitOutcome& outcome, const std::string& data_file,
                               int rows_read, bool show_validation) {
  std::string text;
  if (outcome.choice) text += automatic_ranking_report(*outcome.choice) + "\n";
  const bool own_series = !outcome.data.logarithm && outcome.data.latest == 0;
  text += fit_report(outcome.fit,
                     own_series ? data_file : data_file + " (" + data_choice_name(outcome.data) + ")",
                     rows_read, outcome.terms.groups);
  if (!show_validation) return text;
  if (outcome.validation) return text + "\n" + validation_report(*outcome.validation);
  if (!outcome.no_validation.empty())
    text += "\nSin validación: " + outcome.no_validation + ".\n";
  return text;
}

}  // namespace tendencia
