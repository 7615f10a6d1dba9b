// What the window holds between its actions, and the choices made from it,
// without the window.
#pragma once

#include <optional>
#include <string>

#include "chart/forecast_report.h"
#include "programs/estudio/studio_series.h"
#include "text/separators.h"

namespace tendencia {

struct StudioSession {
  std::optional<OpenedSeries> opened;
  // The last fit's calibrated t and the level it was measured at.
  std::optional<double> calibrated_t;
  int calibrated_level = 0;
  // The last projection, for Guardar: its report, problem name and folder.
  std::optional<ForecastReport> projected;
  std::string projected_name, projected_folder;
};

struct StudentTField {
  std::string text;
  bool editable = false;            // the run asks for t
  bool calibrated_allowed = false;  // and the last fit gave a calibrated t at this level
};

// The t field for the open series at `level`: the calibrated t, or Student's
// where it is larger (as tendencia-ajuste --guion --t-calibrada writes it),
// when allowed and chosen; else proposed_student_t. Empty and closed with no
// series open.
StudentTField student_t_field(const StudioSession& session, int level, bool calibrated_chosen,
                              const Separators& separators);

// Should "calibrada" be ticked after a fit? When the run asks for t at
// `level` and the fit's calibrated t there is wider than Student's: the
// honest interval is the default; the user may still untick it.
bool calibrated_t_preferred(const StudioSession& session, int level);

}  // namespace tendencia
