// The window's "Función" part: the ten term groups and "Automático", the
// "Ajustar" button, the 25 coefficients as editable answers, and the fit's
// report and validation.
#pragma once

#include <FL/Fl_Check_Button.H>
#include <FL/Fl_Input.H>

#include <array>
#include <string>
#include <vector>

#include "programs/estudio/series_fit.h"
#include "programs/estudio/studio_panel.h"

namespace tendencia {

class FunctionPanel : public StudioPanel {
 public:
  FunctionPanel(int x, int y, int w, int h, const StudioActions& actions);

  std::vector<TermGroup> chosen_groups() const;
  void choose_groups(const std::vector<TermGroup>& groups);
  bool automatic() const { return automatic_->value() != 0; }
  void set_automatic(bool on);

  // b0..b24 exactly as typed.
  std::array<std::string, 25> coefficient_answers() const;

  // The fitted coefficients in the fields, the groups ticked, the report shown.
  void show_fit(const SeriesFit& fit);

 private:
  std::array<Fl_Check_Button*, 10> groups_{};
  Fl_Check_Button* automatic_;
  std::array<Fl_Input*, 25> coefficients_{};
  OwnBufferTextDisplay* report_;
};

}  // namespace tendencia
