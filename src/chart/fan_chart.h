// The fan chart drawn with cairo: the observed values as a line with markers,
// the fitted trend under them, the projected trend inside nested prediction
// bands, the titles, the legend and the axes, laid out for any size so that no
// text leaves the image.
#pragma once

#include <cairo.h>

#include <string>
#include <vector>

#include "chart/fan_chart_data.h"

namespace tendencia {

constexpr int kChartWidth = 1000;
constexpr int kChartHeight = 600;

// Where a text was drawn: its ink, in the surface's units.
struct TextBox {
  std::string text;
  double left = 0, top = 0, right = 0, bottom = 0;
};

// Draws `chart` over the whole of a `width` by `height` area of `cr` (any
// cairo surface: SVG, PNG, a window), painting its background first. Every
// text drawn is put in `texts`, when given, with the box it covers.
void draw_fan_chart(cairo_t* cr, const FanChart& chart, double width, double height,
                    std::vector<TextBox>* texts = nullptr);

// The chart, kChartWidth by kChartHeight, as the bytes of an SVG file and of
// a PNG file; ReportRefused when cairo cannot make them.
std::string fan_chart_svg(const FanChart& chart);
std::string fan_chart_png(const FanChart& chart);

// Writes "G" + name + ".SVG" and "G" + name + ".PNG" in `folder`
// (io/problem_files.h), each whole or not at all, as every file of a problem
// (io/whole_file_writer.h): a full disk leaves the previous chart as it was.
// ReportRefused when cairo cannot draw it; a Failure naming the file when it
// cannot be written.
void write_fan_chart(const FanChart& chart, const std::string& folder, const std::string& name);

}  // namespace tendencia
