// The window's "Proyección" part: points M, level, the Student t, the initial
// period, the buttons that project, save and start the step-by-step dialogue,
// and the projected table.
#pragma once

#include <FL/Fl_Browser.H>
#include <FL/Fl_Check_Button.H>
#include <FL/Fl_Choice.H>
#include <FL/Fl_Input.H>

#include <optional>
#include <string>

#include "chart/forecast_table.h"
#include "chart/calendar_axis.h"
#include "chart/forecast_report.h"
#include "programs/estudio/studio_panel.h"

namespace tendencia {

class ProjectionPanel : public StudioPanel {
 public:
  ProjectionPanel(int x, int y, int w, int h, const StudioActions& actions);

  std::string points() const { return points_->value(); }
  void set_points(int m) { points_->value(std::to_string(m).c_str()); }
  int level() const;  // 90, 95 or 99
  void set_level(int level);
  std::string student_t() const { return t_->value(); }
  // The t shown; editable only where the run asks for it.
  void show_student_t(const std::string& t, bool asked);
  // Is "t calibrada" ticked? It can be only where the run asks for t and the
  // validation gave a calibrated t.
  bool calibrated_t_chosen() const { return calibrated_->value() != 0; }
  void allow_calibrated_t(bool allowed);
  void choose_calibrated_t(bool chosen) { calibrated_->value(chosen ? 1 : 0); }
  std::string first_period() const { return first_period_->value(); }
  void set_first_period(int period) { first_period_->value(std::to_string(period).c_str()); }

  // The projected rows of the report, as it writes them but for their
  // periods, which take the calendar's labels when `axis` is given, and in
  // the series' own units when the run was on its `logarithms`.
  void show_projected(const ForecastReport& report, const std::optional<CalendarAxis>& axis,
                      bool logarithms);
  void clear_projected() { table_->clear(); }

 private:
  Fl_Input* points_;
  Fl_Choice* level_;
  Fl_Input* t_;
  Fl_Check_Button* calibrated_;
  Fl_Input* first_period_;
  Fl_Browser* table_;
};

}  // namespace tendencia
