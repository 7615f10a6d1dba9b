#include "programs/estudio/function_panel.h"

#include <FL/Fl_Button.H>
#include <FL/Fl_Text_Buffer.H>

#include <algorithm>

namespace tendencia {
namespace {

constexpr int kCheckColumns = 4, kCheckWidth = 128, kCheckHeight = 22;
constexpr int kFieldColumns = 5, kFieldLabelWidth = 30, kFieldWidth = 74, kFieldHeight = 24;

// Greys out the term boxes while the data choose the terms.
void automatic_changed(Fl_Widget*, void* data) {
  auto* panel = static_cast<FunctionPanel*>(data);
  panel->set_automatic(panel->automatic());
}

}  // namespace

FunctionPanel::FunctionPanel(int x, int y, int w, int h, const StudioActions& actions)
    : StudioPanel(x, y, w, h, "Función F(X)") {
  const std::vector<TermGroup>& all = all_term_groups();
  for (std::size_t i = 0; i <= all.size(); ++i) {
    int column = static_cast<int>(i) % kCheckColumns, row = static_cast<int>(i) / kCheckColumns;
    int cx = x + kMargin + column * kCheckWidth, cy = y + 30 + row * kCheckHeight;
    if (i < all.size()) {
      // The label must outlive the widget: term_name gives static text.
      groups_[i] = new Fl_Check_Button(cx, cy, kCheckWidth, kCheckHeight, term_name(all[i]));
    } else {
      automatic_ = new Fl_Check_Button(cx, cy, kCheckWidth, kCheckHeight, "Automático");
      automatic_->callback(automatic_changed, this);
    }
  }
  const int fit_y = y + 30 + 3 * kCheckHeight + 6;
  auto* fit = new Fl_Button(x + kMargin, fit_y, 150, 28, "Ajustar (Ctrl+J)");
  fit->callback(actions.fit, actions.window);

  // FLTK keeps a label's pointer, so the names live as long as the program.
  static const std::vector<std::string> kLabels = [] {
    std::vector<std::string> names;
    for (int k = 0; k < 25; ++k) names.push_back("b" + std::to_string(k));
    return names;
  }();
  const int fields_y = fit_y + 36;
  for (int k = 0; k < 25; ++k) {
    // Down the columns, so Tab walks b0, b1, b2... in order.
    int column = k / kFieldColumns, row = k % kFieldColumns;
    int fx = x + kMargin + kFieldLabelWidth + column * (kFieldLabelWidth + kFieldWidth);
    coefficients_[static_cast<std::size_t>(k)] =
        new Fl_Input(fx, fields_y + row * (kFieldHeight + 2), kFieldWidth, kFieldHeight,
                     kLabels[static_cast<std::size_t>(k)].c_str());
    coefficients_[static_cast<std::size_t>(k)]->textsize(12);
  }
  const int report_y = fields_y + kFieldColumns * (kFieldHeight + 2) + 6;
  report_ = new OwnBufferTextDisplay(x + kMargin, report_y, w - 2 * kMargin,
                                     y + h - report_y - kMargin);
  report_->textfont(FL_COURIER);
  report_->textsize(11);
  resizable(report_);
  end();
}

std::vector<TermGroup> FunctionPanel::chosen_groups() const {
  std::vector<TermGroup> chosen;
  const std::vector<TermGroup>& all = all_term_groups();
  for (std::size_t i = 0; i < all.size(); ++i)
    if (groups_[i]->value() != 0) chosen.push_back(all[i]);
  return chosen;
}

void FunctionPanel::choose_groups(const std::vector<TermGroup>& groups) {
  const std::vector<TermGroup>& all = all_term_groups();
  for (std::size_t i = 0; i < all.size(); ++i)
    groups_[i]->value(std::find(groups.begin(), groups.end(), all[i]) != groups.end());
}

void FunctionPanel::set_automatic(bool on) {
  automatic_->value(on);
  for (Fl_Check_Button* group : groups_) {
    if (on) group->deactivate();
    else group->activate();
  }
}

std::array<std::string, 25> FunctionPanel::coefficient_answers() const {
  std::array<std::string, 25> answers;
  for (std::size_t k = 0; k < 25; ++k) answers[k] = coefficients_[k]->value();
  return answers;
}

void FunctionPanel::show_fit(const SeriesFit& fit) {
  choose_groups(fit.groups);
  for (std::size_t k = 0; k < 25; ++k) {
    coefficients_[k]->value(fit.coefficients[k].c_str());
    coefficients_[k]->position(0);  // the leading digits matter most
  }
  report_->buffer()->text(fit.report.c_str());
}

}  // namespace tendencia
