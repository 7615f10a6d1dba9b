#include "run/regression_report.h"

#include "io/data_series.h"
#include "io/report_texts.h"
#include "model/regression_line.h"
#include "run/projected_rows.h"
#include "run/student_t_selection.h"
#include "text/conversions.h"
#include "text/number_forms.h"

namespace tendencia {

void write_regression_report(const Coefficients& coefficients, const DataSeries& series,
                             const TSelection& selection, Int16 points_to_project,
                             Dialogue& dialogue, ResultsReport& report) {
  const Separators& separators = report.separators();
  const Int16 n = selection.points;
  const RegressionLine line = regression_line(coefficients, n, [&](Int16 i) {
    return series_number(series.values.at(static_cast<std::size_t>(i - 1)), i, separators);
  });

  report.write_blank();
  report.write(report.line()
                   .text(report_text::kRegressionLine)
                   .text(slope_text_form(line.slope, separators))
                   .text(" F(X) + ")
                   .number(line.intercept));
  report.write_blank();
  report.write(report.line()
                   .text(report_text::kPeriodTitle).next_zone()
                   .text(" TENDENCIA").next_zone()
                   .next_zone()
                   .text("MINIMO    ").next_zone()
                   .next_zone()
                   .text("MAXIMO    "));

  const std::string where = "año o periodo inicial";
  std::string answer = dialogue.ask("¿Año o Periodo inicial? (el primero de datos)");
  Int16 first_period = located(where, [&] { return whole_number(answer, separators); });
  Int16 base = located(where + " - 1", [&] { return sub16(first_period, 1); });
  report.write_blank();

  ReportLine row = report.line();
  for (Int16 i = 1; i <= n; i = add16(i, 1)) {
    Int16 label = located([&] { return "etiqueta de la fila observada " + std::to_string(i); },
                          [&] { return add16(base, i); });
    const SeriesValue& value = series.values.at(static_cast<std::size_t>(i - 1));
    row.clear();
    row.whole(label).next_zone();
    if (value.is_text) row.raw(value.text);
    else row.number(value.number);
    report.write(row);
  }

  if (points_to_project < 1) return;
  // A typed t is held as text and becomes a number only here, where it is used.
  double t = t_number(selection.t, separators);
  Int16 last_observed = located("etiqueta de la fila observada " + std::to_string(n),
                                [&] { return add16(base, n); });
  write_projected_rows({line, coefficients, n, t, last_observed, points_to_project}, report);
}

}  // namespace tendencia
