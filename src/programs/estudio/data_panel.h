// The window's "Datos" part: the file opened, the problem name, what the
// reading found, and the series as a table of periods and values.
#pragma once

#include <FL/Fl_Browser.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Text_Buffer.H>
#include <FL/Fl_Text_Display.H>

#include <string>

#include "programs/estudio/studio_series.h"

namespace tendencia {

class DataPanel : public Fl_Group {
 public:
  DataPanel(int x, int y, int w, int h);
  ~DataPanel() override;

  Fl_Button* open_button() { return open_; }

  std::string problem_name() const { return name_->value(); }
  void set_problem_name(const std::string& name) { name_->value(name.c_str()); }

  // Shows the series with periods from `first_period`.
  void show_series(const OpenedSeries& opened, int first_period);

 private:
  Fl_Button* open_;
  Fl_Input* name_;
  Fl_Text_Buffer* summary_buffer_;
  Fl_Text_Display* summary_;
  Fl_Browser* table_;
};

}  // namespace tendencia
