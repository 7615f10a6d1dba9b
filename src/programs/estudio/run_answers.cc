#include "programs/estudio/run_answers.h"

#include <cstdio>
#include <optional>

#include "fit/answer_script.h"
#include "io/csv_import.h"
#include "model/student_quantile.h"
#include "model/student_table.h"

namespace tendencia {
namespace {

int confidence_index(int level) { return level == 90 ? 1 : level == 95 ? 2 : 3; }

std::string with_decimal(std::string text, const Separators& separators) {
  std::size_t dot = text.find('.');
  if (dot != std::string::npos) text.replace(dot, 1, separators.decimal);
  return text;
}

}  // namespace

std::vector<std::string> run_answers(const RunChoices& choices, std::size_t values) {
  std::vector<std::string> answers{choices.problem_name, choices.points_to_project,
                                   std::to_string(choices.level)};
  answers.insert(answers.end(), choices.coefficients.begin(), choices.coefficients.end());
  if (tendencia_asks_t(static_cast<int>(values))) answers.push_back(choices.student_t);
  answers.push_back(choices.first_period);
  return answers;
}

std::string proposed_student_t(int level, std::size_t values, const Separators& separators) {
  if (!tendencia_asks_t(static_cast<int>(values))) {
    if (values < 3) return "";
    std::optional<double> t = table_entry(confidence_index(level), static_cast<int>(values) - 2);
    if (!t) return "";
    char text[64];
    std::snprintf(text, sizeof text, "%.3f", *t);
    return with_decimal(text, separators);
  }
  std::optional<double> t = student_quantile(level, static_cast<double>(values) - 2);
  return t ? t_answer_form(*t, separators) : "";
}

std::string problem_name_refusal(const std::string& name) {
  if (name.empty()) return "Escriba el nombre del problema (hasta 7 caracteres).";
  try {
    check_problem_name(name);
  } catch (const std::exception& refused) {
    std::string why = refused.what();
    if (!why.empty() && why[0] >= 'a' && why[0] <= 'z') why[0] = static_cast<char>(why[0] - 'a' + 'A');
    return why + ".";
  }
  return "";
}

}  // namespace tendencia
