#include "run/projected_rows.h"

#include <string>

#include "core/failure.h"

namespace tendencia {

void write_projected_rows(const ProjectedRows& rows, ResultsReport& report) {
  ReportLine line = report.line();
  for (Int16 l = 1;; ++l) {
    ProjectedPoint point = project(rows.line, rows.coefficients, rows.observed, rows.t, l);
    Int16 label =
        located([&] { return "etiqueta del periodo X = " + std::to_string(point.x); },
                [&] { return add16(rows.last_observed, l); });
    line.clear();
    line.whole(label).next_zone().number(point.trend).next_zone().number(point.lower)
        .next_zone().number(point.upper);
    report.write(line);
    if (l == rows.count) break;  // the counter's own step must not overflow at 32767
  }
}

}  // namespace tendencia
