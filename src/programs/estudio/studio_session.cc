#include "programs/estudio/studio_session.h"

#include "fit/answer_script.h"
#include "programs/estudio/run_answers.h"

namespace tendencia {

StudentTField student_t_field(const StudioSession& session, int level, bool calibrated_chosen,
                              const Separators& separators) {
  StudentTField field;
  if (!session.opened) return field;
  const std::size_t values = session.opened->series.values.size();
  field.editable = tendencia_asks_t(static_cast<int>(values));
  field.calibrated_allowed =
      field.editable && session.calibrated_t && session.calibrated_level == level;
  field.text = field.calibrated_allowed && calibrated_chosen
                   ? t_answer_form(*session.calibrated_t, separators)
                   : proposed_student_t(level, values, separators);
  return field;
}

}  // namespace tendencia
