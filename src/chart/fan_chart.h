// The forecast as a fan chart: observed values as a line with markers, the
// projected trend as a line, the prediction interval as a shaded band.
#pragma once

#include <cairo.h>

#include <string>

#include "chart/forecast_report.h"

namespace tendencia {

struct Rgb {
  double r, g, b;
};

// The colours double as the marks by which the tests find each element in
// the SVG.
constexpr Rgb kObservedColour{0.10, 0.30, 0.60};
constexpr Rgb kTrendColour{0.80, 0.25, 0.10};
constexpr Rgb kBandColour{0.95, 0.65, 0.45};
constexpr int kChartWidth = 1000;
constexpr int kChartHeight = 600;

// One drawing routine for every cairo surface (SVG and PNG alike).
void draw_fan_chart(cairo_t* cr, const ForecastReport& report, const std::string& decimal);

// Writes "G" + name + ".SVG" and "G" + name + ".PNG"; throws ReportRefused when
// a file cannot be written.
void write_fan_chart(const ForecastReport& report, const std::string& name,
                     const std::string& decimal);

}  // namespace tendencia
