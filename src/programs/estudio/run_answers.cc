#include "programs/estudio/run_answers.h"

#include <cstdio>
#include <optional>

#include "fit/answer_script.h"
#include "io/csv_import.h"
#include "io/run_answers.h"
#include "model/student_quantile.h"
#include "model/student_table.h"
#include "text/conversions.h"

namespace tendencia {
namespace {

std::string with_decimal(std::string text, const Separators& separators) {
  std::size_t dot = text.find('.');
  if (dot != std::string::npos) text.replace(dot, 1, separators.decimal);
  return text;
}

}  // namespace

std::string proposed_student_t(int level, std::size_t values, const Separators& separators) {
  if (!run_asks_t(values)) {
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

std::optional<int> typed_whole_number(const std::string& text, const Separators& separators) {
  try {
    return whole_number(text, separators);
  } catch (const Failure&) {
    return std::nullopt;
  }
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
