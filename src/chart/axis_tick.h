// A labelled mark on an axis of the chart.
#pragma once

#include <string>

namespace tendencia {

struct AxisTick {
  double at = 0.0;  // a period or a value, in the axis' own units
  std::string text;
};

}  // namespace tendencia
