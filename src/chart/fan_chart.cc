#include "chart/fan_chart.h"

#include <cairo-svg.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "io/problem_files.h"
#include "io/report_texts.h"

namespace tendencia {
namespace {

constexpr double kLeft = 90, kRight = 30, kTop = 80, kBottom = 60;

struct Scale {
  double lo, hi, pixel_lo, pixel_hi;
  double operator()(double v) const {
    return pixel_lo + (v - lo) / (hi - lo) * (pixel_hi - pixel_lo);
  }
};

// A round step (1, 2 or 5 times a power of ten) giving about `count` ticks.
double round_step(double range, int count, bool whole) {
  double raw = range / count;
  double power = std::pow(10.0, std::floor(std::log10(raw)));
  double step = power * 10;
  for (double m : {1.0, 2.0, 5.0})
    if (m * power >= raw) {
      step = m * power;
      break;
    }
  return whole ? std::max(1.0, std::round(step)) : step;
}

std::string tick_text(double v, double step, const std::string& decimal) {
  int decimals = step >= 1 ? 0 : static_cast<int>(std::ceil(-std::log10(step) - 1e-9));
  char buffer[64];
  if (std::fabs(v) >= 1e9 || (v != 0 && std::fabs(v) < 1e-4))
    std::snprintf(buffer, sizeof buffer, "%.3G", v);
  else
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, std::fabs(v) < step / 2 ? 0.0 : v);
  std::string text = buffer;
  std::size_t dot = text.find('.');
  if (dot != std::string::npos) text.replace(dot, 1, decimal);
  return text;
}

void colour(cairo_t* cr, Rgb c, double alpha = 1.0) { cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha); }

void text_at(cairo_t* cr, const std::string& text, double x, double y, double align_x,
             double align_y) {
  cairo_text_extents_t e;
  cairo_text_extents(cr, text.c_str(), &e);
  cairo_move_to(cr, x - e.width * align_x - e.x_bearing, y - e.height * align_y - e.y_bearing);
  cairo_show_text(cr, text.c_str());
}

}  // namespace

void draw_fan_chart(cairo_t* cr, const ForecastReport& report, const std::string& decimal) {
  const double width = kChartWidth, height = kChartHeight;
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_paint(cr);

  // Ranges over everything drawn; a flat series still gets a visible span.
  double x_lo = 1e300, x_hi = -1e300, y_lo = 1e300, y_hi = -1e300;
  for (const ObservedPoint& p : report.observed) {
    x_lo = std::min<double>(x_lo, p.period), x_hi = std::max<double>(x_hi, p.period);
    y_lo = std::min(y_lo, p.value), y_hi = std::max(y_hi, p.value);
  }
  for (const ProjectedRow& p : report.projected) {
    x_lo = std::min<double>(x_lo, p.period), x_hi = std::max<double>(x_hi, p.period);
    y_lo = std::min({y_lo, p.lower, p.trend}), y_hi = std::max({y_hi, p.upper, p.trend});
  }
  if (x_lo > x_hi) x_lo = 0, x_hi = 1, y_lo = 0, y_hi = 1;
  // Half a period of room at each end keeps the first and last marks off the frame.
  x_lo -= 0.5, x_hi += 0.5;
  double y_span = y_hi - y_lo;
  if (!(y_span > std::fabs(y_hi) * 1e-12) || !std::isfinite(y_span)) {
    double pad = std::max(1.0, std::fabs(y_hi) * 0.1);
    y_lo -= pad, y_hi += pad;
  }
  double y_step = round_step(y_hi - y_lo, 8, false);
  if (std::isfinite(y_step) && y_step > 0) {
    y_lo = std::floor(y_lo / y_step) * y_step;
    y_hi = std::ceil(y_hi / y_step) * y_step;
  }
  const Scale sx{x_lo, x_hi, kLeft, width - kRight};
  const Scale sy{y_lo, y_hi, height - kBottom, kTop};

  cairo_select_font_face(cr, "sans-serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);

  // Grid and axes with round ticks; periods as whole numbers.
  cairo_set_line_width(cr, 1);
  cairo_set_font_size(cr, 12);
  double x_step = round_step(x_hi - x_lo, 10, true);
  for (double v = std::ceil(x_lo / x_step) * x_step; v <= x_hi + 1e-9; v += x_step) {
    cairo_set_source_rgb(cr, 0.9, 0.9, 0.9);
    cairo_move_to(cr, sx(v), kTop);
    cairo_line_to(cr, sx(v), height - kBottom);
    cairo_stroke(cr);
    cairo_set_source_rgb(cr, 0.2, 0.2, 0.2);
    text_at(cr, tick_text(v, 1, decimal), sx(v), height - kBottom + 8, 0.5, 0);
  }
  if (std::isfinite(y_step) && y_step > 0 && (y_hi - y_lo) / y_step < 100) {
    for (double v = y_lo; v <= y_hi + y_step / 2; v += y_step) {
      cairo_set_source_rgb(cr, 0.9, 0.9, 0.9);
      cairo_move_to(cr, kLeft, sy(v));
      cairo_line_to(cr, width - kRight, sy(v));
      cairo_stroke(cr);
      cairo_set_source_rgb(cr, 0.2, 0.2, 0.2);
      text_at(cr, tick_text(v, y_step, decimal), kLeft - 8, sy(v), 1, 0.5);
    }
  }
  cairo_set_source_rgb(cr, 0.2, 0.2, 0.2);
  cairo_rectangle(cr, kLeft, kTop, width - kLeft - kRight, height - kTop - kBottom);
  cairo_stroke(cr);
  text_at(cr, report_text::kPeriodTitle, (kLeft + width - kRight) / 2, height - 22, 0.5, 0);

  if (!report.projected.empty()) {
    // The band: upper bounds left to right, lower bounds back.
    colour(cr, kBandColour, 0.6);
    cairo_new_path(cr);  // text drawing leaves a current point behind
    for (const ProjectedRow& p : report.projected) cairo_line_to(cr, sx(p.period), sy(p.upper));
    for (auto p = report.projected.rbegin(); p != report.projected.rend(); ++p)
      cairo_line_to(cr, sx(p->period), sy(p->lower));
    cairo_close_path(cr);
    cairo_fill(cr);

    // Where the projection starts.
    double start = sx(report.projected.front().period - 0.5);
    cairo_set_source_rgb(cr, 0.4, 0.4, 0.4);
    double dashes[] = {5, 4};
    cairo_set_dash(cr, dashes, 2, 0);
    cairo_move_to(cr, start, kTop);
    cairo_line_to(cr, start, height - kBottom);
    cairo_stroke(cr);
    cairo_set_dash(cr, nullptr, 0, 0);
    text_at(cr, "Proyección", start + 4, kTop + 4, 0, 0);

    colour(cr, kTrendColour);
    cairo_set_line_width(cr, 2);
    cairo_new_path(cr);
    for (const ProjectedRow& p : report.projected) cairo_line_to(cr, sx(p.period), sy(p.trend));
    cairo_stroke(cr);
  }

  if (!report.observed.empty()) {
    colour(cr, kObservedColour);
    cairo_set_line_width(cr, 1.5);
    cairo_new_path(cr);
    for (const ObservedPoint& p : report.observed) cairo_line_to(cr, sx(p.period), sy(p.value));
    cairo_stroke(cr);
    double radius = report.observed.size() > 200 ? 1.5 : 3;
    for (const ObservedPoint& p : report.observed) {
      cairo_new_path(cr);
      cairo_arc(cr, sx(p.period), sy(p.value), radius, 0, 2 * M_PI);
      cairo_fill(cr);
    }
  }

  // Title and legend.
  cairo_set_source_rgb(cr, 0, 0, 0);
  cairo_set_font_size(cr, 15);
  std::string title = report.level_line;
  if (report.projected.empty()) title += "  (sin puntos extrapolados)";
  text_at(cr, title, kLeft, 14, 0, 0);
  cairo_set_font_size(cr, 13);
  text_at(cr, report.regression_line, kLeft, 36, 0, 0);

  // Legend: a 24-pixel swatch, then its label.
  const double ly = 58;
  auto entry = [&](double x, const char* label, auto&& swatch) {
    swatch(x);
    cairo_set_source_rgb(cr, 0, 0, 0);
    text_at(cr, label, x + 30, ly, 0, 0.5);
  };
  auto line_swatch = [&](Rgb c, double line_width) {
    return [&, c, line_width](double x) {
      colour(cr, c);
      cairo_set_line_width(cr, line_width);
      cairo_move_to(cr, x, ly);
      cairo_line_to(cr, x + 24, ly);
      cairo_stroke(cr);
    };
  };
  const double lx = width - kRight - 520;
  entry(lx, "Observado", line_swatch(kObservedColour, 1.5));
  entry(lx + 140, "Tendencia", line_swatch(kTrendColour, 2));
  entry(lx + 280, "Intervalo de predicción", [&](double x) {
    colour(cr, kBandColour, 0.6);
    cairo_rectangle(cr, x, ly - 6, 24, 12);
    cairo_fill(cr);
  });
}

void write_fan_chart(const ForecastReport& report, const std::string& name,
                     const std::string& decimal) {
  const std::string svg = chart_file_name(name, "SVG"), png = chart_file_name(name, "PNG");
  cairo_surface_t* vector = cairo_svg_surface_create(svg.c_str(), kChartWidth, kChartHeight);
  cairo_t* cr = cairo_create(vector);
  draw_fan_chart(cr, report, decimal);
  cairo_destroy(cr);
  cairo_surface_finish(vector);
  cairo_status_t svg_status = cairo_surface_status(vector);
  cairo_surface_destroy(vector);
  if (svg_status != CAIRO_STATUS_SUCCESS)
    throw ReportRefused("no se puede escribir el fichero " + svg);

  cairo_surface_t* image = cairo_image_surface_create(CAIRO_FORMAT_RGB24, kChartWidth, kChartHeight);
  cr = cairo_create(image);
  draw_fan_chart(cr, report, decimal);
  cairo_destroy(cr);
  cairo_status_t png_status = cairo_surface_write_to_png(image, png.c_str());
  cairo_surface_destroy(image);
  if (png_status != CAIRO_STATUS_SUCCESS)
    throw ReportRefused("no se puede escribir el fichero " + png);
}

}  // namespace tendencia
