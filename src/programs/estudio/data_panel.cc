#include "programs/estudio/data_panel.h"

#include <FL/Fl_Box.H>

#include <cstdio>

#include "text/text_encoding.h"

namespace tendencia {
namespace {

constexpr int kMargin = 10;
const int kTableColumns[] = {90, 0};

std::string value_text(const SeriesValue& value) {
  if (value.is_text) return cp1252_to_utf8(value.text);
  char text[32];
  std::snprintf(text, sizeof text, "%.15g", value.number);
  return text;
}

}  // namespace

DataPanel::DataPanel(int x, int y, int w, int h) : Fl_Group(x, y, w, h) {
  auto* title = new Fl_Box(x + kMargin, y + 6, w - 2 * kMargin, 20, "Datos");
  title->labelfont(FL_HELVETICA_BOLD);
  title->align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE);
  open_ = new Fl_Button(x + kMargin, y + 30, 150, 28, "Abrir… (Ctrl+O)");
  name_ = new Fl_Input(x + kMargin, y + 84, 120, 26, "Nombre del problema (hasta 7 caracteres)");
  name_->align(FL_ALIGN_TOP_LEFT);
  summary_buffer_ = new Fl_Text_Buffer();
  summary_ = new Fl_Text_Display(x + kMargin, y + 118, w - 2 * kMargin, 110);
  summary_->buffer(summary_buffer_);
  summary_->wrap_mode(Fl_Text_Display::WRAP_AT_BOUNDS, 0);
  summary_->textsize(12);
  table_ = new Fl_Browser(x + kMargin, y + 236, w - 2 * kMargin, h - 236 - kMargin);
  table_->column_widths(kTableColumns);
  table_->column_char('\t');
  table_->format_char(0);  // a value's text shows as it is, "@" included
  table_->textfont(FL_COURIER);
  table_->textsize(13);
  resizable(table_);
  end();
}

DataPanel::~DataPanel() {
  summary_->buffer(nullptr);
  delete summary_buffer_;
}

void DataPanel::show_series(const OpenedSeries& opened, int first_period) {
  summary_buffer_->text(opened.summary.c_str());
  table_->clear();
  table_->add("Periodo\tValor");
  int period = first_period;
  for (const SeriesValue& value : opened.series.values)
    table_->add((std::to_string(period++) + "\t" + value_text(value)).c_str());
}

}  // namespace tendencia
