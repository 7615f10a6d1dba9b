// The window's "Datos" part: the file opened, the problem name, what the
// reading found, and the series as a table of periods and values.
#pragma once

#include <FL/Fl_Browser.H>
#include <FL/Fl_Input.H>

#include <string>

#include "programs/estudio/studio_panel.h"
#include "programs/estudio/studio_series.h"

namespace tendencia {

class DataPanel : public StudioPanel {
 public:
  DataPanel(int x, int y, int w, int h, const StudioActions& actions);

  // Shows what was opened: the problem name it proposes, what the reading
  // found, and the series with its periods (period_column).
  void show_series(const OpenedSeries& opened, int first_period);

  // The problem name as it stands in its field, proposed or typed.
  std::string problem_name() const { return name_->value(); }

 private:
  Fl_Input* name_;
  OwnBufferTextDisplay* summary_;
  Fl_Browser* table_;
};

}  // namespace tendencia
