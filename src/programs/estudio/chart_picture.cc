#include "programs/estudio/chart_picture.h"

#include <cairo.h>

#include <cstddef>
#include <cstdint>
#include <memory>

#include "chart/fan_chart.h"

namespace tendencia {

std::vector<unsigned char> chart_pixels(const ForecastReport& report, int width, int height,
                                        const std::string& decimal) {
  std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)> surface(
      cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height), cairo_surface_destroy);
  cairo_t* cr = cairo_create(surface.get());
  // The chart is laid out for kChartWidth × kChartHeight; stretched to the
  // window's part so it fills it.
  cairo_scale(cr, static_cast<double>(width) / kChartWidth,
              static_cast<double>(height) / kChartHeight);
  draw_fan_chart(cr, report, decimal);
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

ForecastReport observed_only(const DataSeries& series, int first_period, const std::string& title) {
  ForecastReport report;
  report.level_line = title;
  for (std::size_t i = 0; i < series.values.size(); ++i)
    if (!series.values[i].is_text)
      report.observed.push_back({first_period + static_cast<int>(i), series.values[i].number});
  return report;
}

}  // namespace tendencia
