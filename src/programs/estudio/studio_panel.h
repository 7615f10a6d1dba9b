// What the window's parts have in common: the window's actions their buttons
// start, a bold title at the top, the margin their widgets keep from the
// panel's edges, a table that takes the rest of the panel, and text displays
// that own their buffer.
#pragma once

#include <FL/Fl_Browser.H>
#include <FL/Fl_Group.H>
#include <FL/Fl_Text_Display.H>
#include <FL/Fl_Widget.H>

namespace tendencia {

// What the window does for each button or choice, called with `window`. Each
// panel hooks up its own widgets, so the window never reaches into a panel.
struct StudioActions {
  Fl_Callback* open;
  Fl_Callback* fit;
  Fl_Callback* project;
  Fl_Callback* save;
  Fl_Callback* step_dialogue;
  Fl_Callback* t_choice;  // the level or "calibrada" changed
  void* window;
};

class StudioPanel : public Fl_Group {
 protected:
  static constexpr int kMargin = 10;

  // The title is a string literal: FLTK keeps a label's pointer.
  StudioPanel(int x, int y, int w, int h, const char* title);

  // A table from `top` down to the bottom margin, the part that grows with the
  // window. Its rows are cells split by tabs, each shown as it is ("@" too);
  // `column_widths` ends with 0 and must outlive the table.
  Fl_Browser* add_table(int top, const int* column_widths, int text_size);
};

// FLTK leaves a display's buffer to whoever made it, and the buffer must be
// let go before it is deleted: this display makes its own and does both.
class OwnBufferTextDisplay : public Fl_Text_Display {
 public:
  OwnBufferTextDisplay(int x, int y, int w, int h);
  ~OwnBufferTextDisplay() override;
};

}  // namespace tendencia
