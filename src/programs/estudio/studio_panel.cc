#include "programs/estudio/studio_panel.h"

#include <FL/Fl_Box.H>
#include <FL/Fl_Text_Buffer.H>

namespace tendencia {

StudioPanel::StudioPanel(int x, int y, int w, int h, const char* title) : Fl_Group(x, y, w, h) {
  auto* box = new Fl_Box(x + kMargin, y + 6, w - 2 * kMargin, 20, title);
  box->labelfont(FL_HELVETICA_BOLD);
  box->align(FL_ALIGN_LEFT | FL_ALIGN_INSIDE);
}

Fl_Browser* StudioPanel::add_table(int top, const int* column_widths, int text_size) {
  auto* table = new Fl_Browser(x() + kMargin, top, w() - 2 * kMargin, y() + h() - top - kMargin);
  table->column_widths(column_widths);
  table->column_char('\t');
  table->format_char(0);
  table->textfont(FL_COURIER);
  table->textsize(text_size);
  resizable(table);
  return table;
}

OwnBufferTextDisplay::OwnBufferTextDisplay(int x, int y, int w, int h)
    : Fl_Text_Display(x, y, w, h) {
  buffer(new Fl_Text_Buffer());
}

OwnBufferTextDisplay::~OwnBufferTextDisplay() {
  Fl_Text_Buffer* own = buffer();
  buffer(nullptr);
  delete own;
}

}  // namespace tendencia
