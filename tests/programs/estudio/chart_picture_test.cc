#include "programs/estudio/chart_picture.h"

#include <gtest/gtest.h>

#include "chart/fan_chart.h"

namespace tendencia {
namespace {

bool has_colour(const std::vector<unsigned char>& rgb, Rgb colour) {
  for (std::size_t i = 0; i + 2 < rgb.size(); i += 3)
    if (std::abs(rgb[i] - colour.r * 255) < 3 && std::abs(rgb[i + 1] - colour.g * 255) < 3 &&
        std::abs(rgb[i + 2] - colour.b * 255) < 3)
      return true;
  return false;
}

TEST(ChartPixels, DrawsTheObservedSeriesAtAnySize) {
  DataSeries series{{SeriesValue::of_number(3), SeriesValue::of_text("\"n/d\""),
                     SeriesValue::of_number(5), SeriesValue::of_number(4)}};
  ForecastReport report = observed_only(series, 2001, "Serie");
  ASSERT_EQ(report.observed.size(), 3u);  // the text value has no point
  EXPECT_EQ(report.observed[1].period, 2003);
  for (auto [w, h] : {std::pair{900, 440}, std::pair{1, 1}, std::pair{333, 777}}) {
    std::vector<unsigned char> rgb = chart_pixels(report, w, h, ",");
    ASSERT_EQ(rgb.size(), static_cast<std::size_t>(w * h * 3));
    if (w > 100) {
      EXPECT_TRUE(has_colour(rgb, kObservedColour)) << w << "x" << h;
    }
  }
}

}  // namespace
}  // namespace tendencia
