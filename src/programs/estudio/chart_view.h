// The window's chart: the fan chart drawn by the chart's cairo code at the
// view's own size, redrawn when the window resizes.
#pragma once

#include <FL/Fl_Widget.H>

#include <optional>
#include <vector>

#include "chart/fan_chart_data.h"

namespace tendencia {

class ChartView : public Fl_Widget {
 public:
  ChartView(int x, int y, int w, int h);

  void show(FanChart chart);
  void draw() override;
  // A new size is a new picture, also when the window's border is dragged.
  void resize(int x, int y, int w, int h) override;

 private:
  std::optional<FanChart> chart_;
  // The picture of the last size drawn, remade only when the size or the
  // chart changes.
  std::vector<unsigned char> pixels_;
  int pixels_w_ = 0, pixels_h_ = 0;
};

}  // namespace tendencia
