#include "programs/estudio/chart_view.h"

#include <FL/fl_draw.H>

#include <utility>

#include "programs/estudio/chart_picture.h"

namespace tendencia {

ChartView::ChartView(int x, int y, int w, int h) : Fl_Widget(x, y, w, h) {
  box(FL_FLAT_BOX);
  color(FL_WHITE);
}

void ChartView::show(ForecastReport report, std::string decimal) {
  report_ = std::move(report);
  decimal_ = std::move(decimal);
  pixels_.clear();
  redraw();
}

void ChartView::draw() {
  if (!report_ || w() < 1 || h() < 1) {
    draw_box();
    return;
  }
  if (pixels_.empty() || pixels_w_ != w() || pixels_h_ != h()) {
    pixels_ = chart_pixels(*report_, w(), h(), decimal_);
    pixels_w_ = w(), pixels_h_ = h();
  }
  fl_draw_image(pixels_.data(), x(), y(), w(), h(), 3);
}

}  // namespace tendencia
