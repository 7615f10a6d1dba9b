#include "programs/estudio/chart_view.h"

#include <FL/fl_draw.H>

#include <utility>

#include "programs/estudio/chart_picture.h"

namespace tendencia {

ChartView::ChartView(int x, int y, int w, int h) : Fl_Widget(x, y, w, h) {
  box(FL_FLAT_BOX);
  color(FL_WHITE);
}

void ChartView::show(FanChart chart) {
  chart_ = std::move(chart);
  pixels_.clear();
  redraw();
}

void ChartView::resize(int x, int y, int w, int h) {
  Fl_Widget::resize(x, y, w, h);
  redraw();
}

void ChartView::draw() {
  if (!chart_ || w() < 1 || h() < 1) {
    draw_box();
    return;
  }
  if (pixels_.empty() || pixels_w_ != w() || pixels_h_ != h()) {
    pixels_ = chart_pixels(*chart_, w(), h());
    pixels_w_ = w(), pixels_h_ = h();
  }
  fl_draw_image(pixels_.data(), x(), y(), w(), h(), 3);
}

}  // namespace tendencia
