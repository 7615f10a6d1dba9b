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
  OpenedSeries opened;
  opened.series = {{SeriesValue::of_number(3), SeriesValue::of_text("\"n/d\""),
                    SeriesValue::of_number(5), SeriesValue::of_number(4)}};
  opened.title_line = "Mes  Ventas";
  FanChart chart = observed_chart(opened, 2001, "v", ",");
  ASSERT_EQ(chart.observed.size(), 3u);  // the text value has no point
  EXPECT_EQ(chart.observed[1].period, 2003);
  EXPECT_EQ(chart.title, "Ventas");
  EXPECT_EQ(chart.period_caption, "Mes");
  EXPECT_EQ(chart.period_low, 2000.5);
  EXPECT_EQ(chart.period_high, 2004.5);  // the text value keeps its period
  EXPECT_TRUE(chart.bands.empty());
  EXPECT_FALSE(chart.calendar);
  opened.title_line = "";
  EXPECT_EQ(observed_chart(opened, 1, "v", ".").title, "v");
  for (auto [w, h] : {std::pair{900, 440}, std::pair{1, 1}, std::pair{333, 777}}) {
    std::vector<unsigned char> rgb = chart_pixels(chart, w, h);
    ASSERT_EQ(rgb.size(), static_cast<std::size_t>(w * h * 3));
    if (w > 100) {
      EXPECT_TRUE(has_colour(rgb, kObservedColour)) << w << "x" << h;
    }
  }
}

TEST(ChartPixels, AnOpenedSeriesWithACalendarIsDatedBeforeItIsProjected) {
  OpenedSeries opened;
  for (int i = 0; i < 30; ++i) opened.series.values.push_back(SeriesValue::of_number(i));
  opened.calendar = Calendar{CalendarKind::Monthly, 1949 * 12 + 2};
  const FanChart chart = observed_chart(opened, 1, "v", ".");
  ASSERT_TRUE(chart.calendar);
  EXPECT_EQ(label_of_period(*chart.calendar, 1), "1949-03");
  EXPECT_EQ(label_of_period(*chart.calendar, 30), "1951-08");
}

}  // namespace
}  // namespace tendencia
