// What the window proposes and refuses before the run gets its answers
// (io/run_answers.h): the t it would be asked, the problem name it would take.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "text/separators.h"

namespace tendencia {

// The t the window shows for `values` values at `level`: the table's, as the
// run takes it, up to 32 values (empty where the table has none: fewer than 3
// values, or a level other than 90, 95 and 99); above, the exact Student quantile for values - 2 degrees of freedom
// as tendencia-ajuste --guion writes it (t_answer_form), an answer the run
// reads as a t value, never as a count of points.
std::string proposed_student_t(int level, std::size_t values, const Separators& separators);

// The whole number the run reads from a typed answer (whole_number,
// text/conversions.h: the locale's separators, rounded, within -32768..32767),
// for the window's own use of the points and the initial period; none where
// the run would stop on that answer.
std::optional<int> typed_whole_number(const std::string& text, const Separators& separators);

// Why `name` cannot be the problem name (empty, too long, or reaching into
// another folder), in Spanish; empty when it can.
std::string problem_name_refusal(const std::string& name);

}  // namespace tendencia
