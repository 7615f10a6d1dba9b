#include "ui/desktop_dialogue.h"

#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Return_Button.H>
#include <FL/fl_draw.H>

#include <algorithm>
#include <cerrno>
#include <cstdarg>
#include <cstdlib>
#include <cstdio>
#include <memory>

namespace tendencia {
namespace {

constexpr int kMargin = 16;
constexpr int kButtonWidth = 100;
constexpr int kButtonHeight = 30;
constexpr int kInputHeight = 28;
constexpr Fl_Font kTextFont = FL_COURIER;
constexpr int kTextSize = 14;

// Draws its text as it is: no "@" symbols, no "&" shortcuts, no "%" formats, so
// a problem name holding them is shown literally.
class PlainText : public Fl_Widget {
 public:
  PlainText(int x, int y, int w, int h, std::string text, Fl_Color color)
      : Fl_Widget(x, y, w, h), text_(std::move(text)), color_(color) {}

  static void measure(const std::string& text, int& w, int& h) {
    fl_font(kTextFont, kTextSize);
    w = 0, h = 0;
    fl_measure(text.c_str(), w, h, 0);
  }

  void draw() override {
    fl_font(kTextFont, kTextSize);
    fl_color(color_);
    fl_draw(text_.c_str(), x(), y(), w(), h(), FL_ALIGN_LEFT | FL_ALIGN_TOP | FL_ALIGN_INSIDE,
            nullptr, 0);
  }

 private:
  std::string text_;
  Fl_Color color_;
};

struct Box {
  std::unique_ptr<Fl_Double_Window> window;
  Fl_Input* input = nullptr;
  bool accepted = false;
};

void accept(Fl_Widget*, void* data) {
  auto* box = static_cast<Box*>(data);
  box->accepted = true;
  box->window->hide();
}

// The close button and Escape land here: both are Cancel.
void cancel(Fl_Widget*, void* data) {
  auto* box = static_cast<Box*>(data);
  box->accepted = false;
  box->window->hide();
}

// Builds, shows and waits for one modal box; returns whether it was accepted.
bool run_box(Box& box, const std::string& text, bool with_input, Fl_Color color) {
  int text_w, text_h;
  PlainText::measure(text, text_w, text_h);
  int inner_w = std::max(text_w, 2 * kButtonWidth + kMargin);
  if (with_input) inner_w = std::max(inner_w, 360);
  int w = inner_w + 2 * kMargin;
  int y = kMargin + text_h + kMargin;
  int input_y = y;
  if (with_input) y += kInputHeight + kMargin;
  int h = y + kButtonHeight + kMargin;

  box.window = std::make_unique<Fl_Double_Window>(w, h, "Tendencia");
  box.window->callback(cancel, &box);
  new PlainText(kMargin, kMargin, inner_w, text_h, text, color);
  if (with_input) box.input = new Fl_Input(kMargin, input_y, inner_w, kInputHeight);
  auto* ok = new Fl_Return_Button(w - kMargin - kButtonWidth, y, kButtonWidth, kButtonHeight,
                                  "Aceptar");
  ok->callback(accept, &box);
  if (with_input) {
    auto* no = new Fl_Button(w - 2 * (kMargin + kButtonWidth) + kMargin, y, kButtonWidth,
                             kButtonHeight, "Cancelar");
    no->callback(cancel, &box);
  }
  box.window->end();
  box.window->set_modal();
  box.window->position((Fl::w() - w) / 2, (Fl::h() - h) / 2);
  box.window->show();
  if (box.input != nullptr) box.input->take_focus();
  while (box.window->shown()) Fl::wait();
  return box.accepted;
}

}  // namespace

void DesktopDialogue::show_message(const std::string& text) {
  Box box;
  run_box(box, text, false, FL_BLACK);
}

std::string DesktopDialogue::ask(const std::string& prompt) {
  Box box;
  if (!run_box(box, prompt, true, FL_BLACK)) return {};
  return box.input->value();
}

void DesktopDialogue::show_failure(const std::string& report) {
  std::fprintf(stderr, "%s\n", report.c_str());
  std::fflush(stderr);
  Box box;
  run_box(box, report, false, FL_DARK_RED);
}

namespace {

void display_failure(const char* format, ...) {
  std::fprintf(stderr, "%s: no se puede abrir la pantalla gráfica (", program_invocation_short_name);
  va_list arguments;
  va_start(arguments, format);
  std::vfprintf(stderr, format, arguments);
  va_end(arguments);
  std::fprintf(stderr, ")\n");
  std::exit(1);
}

}  // namespace

void stop_on_display_failure() { Fl::fatal = display_failure; }

}  // namespace tendencia
