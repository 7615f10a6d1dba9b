#include "programs/estudio/studio_session.h"

#include <algorithm>

#include "fit/answer_script.h"
#include "io/run_answers.h"
#include "model/student_quantile.h"
#include "programs/estudio/run_answers.h"

namespace tendencia {

StudentTField student_t_field(const StudioSession& session, int level, bool calibrated_chosen,
                              const Separators& separators) {
  StudentTField field;
  if (!session.opened) return field;
  const std::size_t values = session.opened->series.values.size();
  field.editable = run_asks_t(values);
  field.calibrated_allowed =
      field.editable && session.calibrated_t && session.calibrated_level == level;
  // Never narrower than Student's, as --t-calibrada: a calibrated t below it
  // comes from few, correlated errors.
  const std::optional<double> exact =
      field.editable ? student_quantile(level, static_cast<double>(values) - 2) : std::nullopt;
  field.text = field.calibrated_allowed && calibrated_chosen && exact
                   ? t_answer_form(std::max(*session.calibrated_t, *exact), separators)
                   : proposed_student_t(level, values, separators);
  return field;
}

bool calibrated_t_preferred(const StudioSession& session, int level) {
  if (!session.opened || !session.calibrated_t || session.calibrated_level != level) return false;
  const std::size_t values = session.opened->series.values.size();
  if (!run_asks_t(values)) return false;
  const std::optional<double> exact = student_quantile(level, static_cast<double>(values) - 2);
  return exact && *session.calibrated_t > *exact;
}

}  // namespace tendencia
