// The Student t question and its two report lines: t and the points considered.
#pragma once

#include "core/int16_arithmetic.h"
#include "io/results_report.h"
#include "model/student_table.h"
#include "text/separators.h"
#include "ui/dialogue.h"

namespace tendencia {

// Asks for t or a shorter count where run_asks_t (io/run_answers.h), looks t up
// otherwise, and writes the t and N report lines.
TSelection select_t(int confidence_index, Int16 values_read, Dialogue& dialogue,
                    ResultsReport& report);

// t as arithmetic sees it: the table value, 0 for an empty entry, or the typed
// text through the as-typed conversion with the locale's separators.
double t_number(const StudentT& t, const Separators& separators);

}  // namespace tendencia
