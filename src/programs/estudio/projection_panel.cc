#include "programs/estudio/projection_panel.h"

#include <FL/Fl_Button.H>

namespace tendencia {
namespace {

constexpr int kLabelWidth = 150, kFieldWidth = 110, kRowHeight = 30;
const int kLevels[] = {90, 95, 99};
// The period column holds a date ("1961-01-31").
const int kTableColumns[] = {64, 104, 104, 0};

}  // namespace

ProjectionPanel::ProjectionPanel(int x, int y, int w, int h, const StudioActions& actions)
    : StudioPanel(x, y, w, h, "Proyección") {
  const int fx = x + kMargin + kLabelWidth;
  int row_y = y + 30;
  points_ = new Fl_Input(fx, row_y, kFieldWidth, 26, "Puntos a extrapolar");
  row_y += kRowHeight;
  level_ = new Fl_Choice(fx, row_y, kFieldWidth, 26, "Nivel de confianza");
  for (int level : kLevels) level_->add((std::to_string(level) + " %").c_str());
  level_->value(1);
  level_->callback(actions.t_choice, actions.window);
  row_y += kRowHeight;
  t_ = new Fl_Input(fx, row_y, kFieldWidth, 26, "t de Student");
  calibrated_ = new Fl_Check_Button(fx + kFieldWidth + 6, row_y, 96, 26, "calibrada");
  calibrated_->deactivate();
  calibrated_->callback(actions.t_choice, actions.window);
  row_y += kRowHeight;
  first_period_ = new Fl_Input(fx, row_y, kFieldWidth, 26, "Año o periodo inicial");
  row_y += kRowHeight + 6;
  auto* project = new Fl_Button(x + kMargin, row_y, 170, 28, "Proyectar (Ctrl+P)");
  project->callback(actions.project, actions.window);
  auto* save = new Fl_Button(x + kMargin + 180, row_y, 170, 28, "Guardar (Ctrl+S)");
  save->callback(actions.save, actions.window);
  row_y += 34;
  auto* dialogue = new Fl_Button(x + kMargin, row_y, 170, 28, "Diálogo paso a paso…");
  dialogue->callback(actions.step_dialogue, actions.window);
  row_y += 36;
  table_ = add_table(row_y, kTableColumns, 10);
  end();
}

void ProjectionPanel::allow_calibrated_t(bool allowed) {
  if (allowed) {
    calibrated_->activate();
  } else {
    calibrated_->value(0);
    calibrated_->deactivate();
  }
}

int ProjectionPanel::level() const {
  int chosen = level_->value();
  return kLevels[chosen >= 0 && chosen < 3 ? chosen : 1];
}

void ProjectionPanel::set_level(int level) {
  for (int i = 0; i < 3; ++i)
    if (kLevels[i] == level) level_->value(i);
}

void ProjectionPanel::show_student_t(const std::string& t, bool asked) {
  t_->value(t.c_str());
  if (asked) t_->activate();
  else t_->deactivate();
}

void ProjectionPanel::show_projected(const ForecastReport& report,
                                     const std::optional<CalendarAxis>& axis, bool logarithms) {
  table_->clear();
  table_->add("Periodo\tTendencia\tMínimo\tMáximo");
  const std::vector<ForecastTableRow> rows = forecast_table_rows(report, axis, logarithms);
  for (std::size_t i = report.observed_rows.size(); i < rows.size(); ++i)
    table_->add((rows[i].period + "\t" + rows[i].trend + "\t" + rows[i].lower + "\t" +
                 rows[i].upper)
                    .c_str());
}

}  // namespace tendencia
