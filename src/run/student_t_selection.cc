#include "run/student_t_selection.h"

#include "core/failure.h"
#include "io/report_texts.h"
#include "io/run_answers.h"
#include "text/conversions.h"

namespace tendencia {

TSelection select_t(int confidence_index, Int16 values_read, Dialogue& dialogue,
                    ResultsReport& report) {
  const Separators& separators = report.separators();
  TSelection selection;
  selection.points = values_read;
  bool typed = false;
  const std::string where = "respuesta a la pregunta de la t de Student";
  if (run_asks_t(static_cast<std::size_t>(values_read))) {
    for (;;) {
      std::string answer =
          dialogue.ask("INTRODUZCA EL VALOR DE LA T DE STUDENT O UN NUMERO DE PUNTOS < 33");
      double u = located(where, [&] { return as_typed_number(answer, separators); });
      if (is_t_value(u)) {
        selection.t = {StudentT::Kind::Typed, 0.0, answer};
        typed = true;
        break;
      }
      if (u < 33) {
        selection.points = located(where, [&] { return whole_number(answer, separators); });
        break;
      }
    }
  }
  if (!typed) selection.t = table_t(confidence_index, selection.points);

  report.write_blank();
  ReportLine line = report.line();
  line.text(report_text::kStudentT);
  if (selection.t.kind == StudentT::Kind::Table) line.number(selection.t.table_value);
  if (selection.t.kind == StudentT::Kind::Typed) line.text(selection.t.typed);
  report.write(line);
  report.write_blank();
  report.write(report.line().text(report_text::kPointsConsidered).number(selection.points));
  return selection;
}

double t_number(const StudentT& t, const Separators& separators) {
  switch (t.kind) {
    case StudentT::Kind::Table: return t.table_value;
    case StudentT::Kind::Empty: return 0.0;
    case StudentT::Kind::Typed:
      return located("t de Student", [&] { return as_typed_number(t.typed, separators); });
  }
  return 0.0;
}

}  // namespace tendencia
