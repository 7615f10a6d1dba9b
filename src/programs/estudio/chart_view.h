// The window's chart: the fan chart drawn by the chart's cairo code at the
// view's own size, redrawn when the window resizes.
#pragma once

#include <FL/Fl_Widget.H>

#include <optional>
#include <string>
#include <vector>

#include "chart/forecast_report.h"

namespace tendencia {

class ChartView : public Fl_Widget {
 public:
  ChartView(int x, int y, int w, int h);

  // Shows `report` (observed values only, or a whole projection).
  void show(ForecastReport report, std::string decimal);
  void draw() override;

 private:
  std::optional<ForecastReport> report_;
  std::string decimal_ = ".";
  // The picture of the last size drawn, remade only when the size or the
  // report changes.
  std::vector<unsigned char> pixels_;
  int pixels_w_ = 0, pixels_h_ = 0;
};

}  // namespace tendencia
