#include "programs/estudio/data_panel.h"

#include <FL/Fl_Button.H>
#include <FL/Fl_Text_Buffer.H>

#include <cstdio>

#include "text/text_encoding.h"

namespace tendencia {
namespace {

const int kTableColumns[] = {90, 0};

std::string value_text(const SeriesValue& value) {
  if (value.is_text) return cp1252_to_utf8(value.text);
  char text[32];
  std::snprintf(text, sizeof text, "%.15g", value.number);
  return text;
}

}  // namespace

DataPanel::DataPanel(int x, int y, int w, int h, const StudioActions& actions)
    : StudioPanel(x, y, w, h, "Datos") {
  auto* open = new Fl_Button(x + kMargin, y + 30, 150, 28, "Abrir… (Ctrl+O)");
  open->callback(actions.open, actions.window);
  name_ = new Fl_Input(x + kMargin, y + 84, 120, 26, "Nombre del problema (hasta 7 caracteres)");
  name_->align(FL_ALIGN_TOP_LEFT);
  summary_ = new OwnBufferTextDisplay(x + kMargin, y + 118, w - 2 * kMargin, 110);
  summary_->wrap_mode(Fl_Text_Display::WRAP_AT_BOUNDS, 0);
  summary_->textsize(12);
  table_ = add_table(y + 236, kTableColumns, 13);
  end();
}

void DataPanel::show_series(const OpenedSeries& opened, int first_period) {
  name_->value(opened.proposed_name.c_str());
  summary_->buffer()->text(opened.summary.c_str());
  table_->clear();
  table_->add("Periodo\tValor");
  const std::vector<std::string> periods = period_column(opened, first_period);
  for (std::size_t i = 0; i < periods.size(); ++i)
    table_->add((periods[i] + "\t" + value_text(opened.series.values[i])).c_str());
}

}  // namespace tendencia
