#include "programs/estudio/chart_picture.h"

#include <cairo.h>

#include <cstddef>
#include <cstdint>
#include <memory>

#include "chart/fan_chart.h"

namespace tendencia {

std::vector<unsigned char> chart_pixels(const FanChart& chart, int width, int height) {
  std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)> surface(
      cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height), cairo_surface_destroy);
  cairo_t* cr = cairo_create(surface.get());
  draw_fan_chart(cr, chart, width, height);
  cairo_destroy(cr);
  cairo_surface_flush(surface.get());

  std::vector<unsigned char> rgb(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3);
  const unsigned char* data = cairo_image_surface_get_data(surface.get());
  const int stride = cairo_image_surface_get_stride(surface.get());
  if (data == nullptr) return rgb;  // a surface cairo could not make: a blank picture
  std::size_t out = 0;
  for (int y = 0; y < height; ++y) {
    const auto* row = reinterpret_cast<const std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
    for (int x = 0; x < width; ++x) {
      std::uint32_t pixel = row[x];
      rgb[out++] = static_cast<unsigned char>(pixel >> 16);
      rgb[out++] = static_cast<unsigned char>(pixel >> 8);
      rgb[out++] = static_cast<unsigned char>(pixel);
    }
  }
  return rgb;
}

FanChart observed_chart(const OpenedSeries& opened, int first_period, const std::string& problem_name,
                        const std::string& decimal) {
  const DataSeries& series = opened.series;
  ForecastReport report;
  report.separators.decimal = decimal;
  for (std::size_t i = 0; i < series.values.size(); ++i) {
    const int period = first_period + static_cast<int>(i);
    report.observed_rows.push_back({period, std::to_string(period), ""});
    if (!series.values[i].is_text) report.observed.push_back({period, series.values[i].number});
  }
  report.points_considered = static_cast<int>(series.values.size());
  FanChart chart = fan_chart_of(report, {opened.title_line, problem_name, {}, opened.calendar});
  chart.subtitle = "Valores observados (sin proyectar todavía)";
  chart.note = std::to_string(series.values.size()) + " valores";
  return chart;
}

}  // namespace tendencia
