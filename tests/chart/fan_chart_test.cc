#include "chart/fan_chart.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <regex>
#include <sstream>

#include "support/forecast_report_text.h"
#include "support/command.h"

namespace tendencia {
namespace {

using namespace testing;

struct SvgPath {
  std::string style;
  std::vector<std::pair<double, double>> points;  // the M and L vertices
  bool curved = false;
};

std::vector<SvgPath> svg_paths(const std::string& svg) {
  std::vector<SvgPath> paths;
  std::regex element(R"re(<path style="([^"]*)" d="([^"]*)")re");
  for (auto it = std::sregex_iterator(svg.begin(), svg.end(), element); it != std::sregex_iterator(); ++it) {
    SvgPath path;
    path.style = (*it)[1];
    std::istringstream d((*it)[2]);
    bool closed = false;
    for (std::string command; d >> command;) {
      if (command == "Z") {
        closed = true;  // cairo moves back to the start after closing: not a vertex
      } else if (command == "M" || command == "L") {
        double x, y;
        d >> x >> y;
        if (!closed) path.points.push_back({x, y});
      } else if (command == "C") {
        path.curved = true;
        double ignored;
        for (int k = 0; k < 6; ++k) d >> ignored;
      }
    }
    paths.push_back(path);
  }
  return paths;
}

std::string svg_colour(Rgb c) {
  auto percent = [](double v) {
    std::ostringstream out;
    out << v * 100 << "%";
    return out.str();
  };
  return "rgb(" + percent(c.r) + "," + percent(c.g) + "," + percent(c.b) + ")";
}

// The path of that style with the most vertices (legend swatches have few).
const SvgPath* largest(const std::vector<SvgPath>& paths, const std::string& key,
                       const std::string& other_key = "") {
  const SvgPath* best = nullptr;
  for (const SvgPath& p : paths)
    if (p.style.find(key) != std::string::npos && p.style.find(other_key) != std::string::npos &&
        (!best || p.points.size() > best->points.size()))
      best = &p;
  return best;
}

class FanChartDrawing : public ::testing::Test {
 protected:
  TempDirectory directory;
};

TEST_F(FanChartDrawing, TheSvgHoldsEveryPointAndABandAroundTheTrend) {
  std::string text = known_report();
  text.replace(text.find(" 2003         6\r\n"), 17, " 2003         seis\r\n");
  ForecastReport report = parse_forecast_report(text);
  ASSERT_EQ(report.observed.size(), 3u);  // a text value is skipped
  const FanChart chart = fan_chart_of(report, {});
  write_fan_chart(chart, directory.folder(), "k");
  std::vector<SvgPath> paths = svg_paths(read_file(directory.file("Gk.SVG")));
  EXPECT_TRUE(std::filesystem::exists(directory.file("Gk.PNG")));

  int markers = 0;
  for (const SvgPath& p : paths)
    markers += p.curved && p.style.find("fill:" + svg_colour(kObservedColour)) != std::string::npos;
  EXPECT_EQ(markers, 3 + 1);  // and the legend's
  const SvgPath* observed = largest(paths, "stroke:" + svg_colour(kObservedColour));
  ASSERT_NE(observed, nullptr);
  EXPECT_EQ(observed->points.size(), 3u);

  // The projected trend is the thick line; the report's band is the widest.
  const SvgPath* trend = largest(paths, "stroke-width:2;", "stroke:" + svg_colour(kTrendColour));
  ASSERT_EQ(chart.bands.size(), 3u);
  ASSERT_TRUE(chart.bands[0].stated);
  const SvgPath* band = largest(paths, "fill:" + svg_colour(chart.bands[0].colour));
  ASSERT_NE(trend, nullptr);
  ASSERT_NE(band, nullptr);
  ASSERT_EQ(trend->points.size(), 3u);
  ASSERT_EQ(band->points.size(), 6u);
  for (std::size_t k = 0; k < trend->points.size(); ++k) {
    auto [x, y] = trend->points[k];
    auto upper = band->points[k];
    auto lower = band->points[band->points.size() - 1 - k];
    EXPECT_DOUBLE_EQ(upper.first, x);
    EXPECT_DOUBLE_EQ(lower.first, x);
    EXPECT_LT(upper.second, y) << "period " << k;  // screen y grows downwards
    EXPECT_GT(lower.second, y) << "period " << k;
  }
  // The periods run left to right, the projection after the observations.
  EXPECT_LT(observed->points.back().first, trend->points.front().first);
}

TEST_F(FanChartDrawing, NoProjectedPointsDrawsTheObservedValuesOnly) {
  ForecastReport report = parse_forecast_report(known_report(0, 0));
  write_fan_chart(fan_chart_of(report, {}), directory.folder(), "z");
  std::vector<SvgPath> paths = svg_paths(read_file(directory.file("Gz.SVG")));
  // No band, not even in the legend.
  for (Rgb colour : kBandColours) EXPECT_EQ(largest(paths, "fill:" + svg_colour(colour)), nullptr);
  EXPECT_EQ(largest(paths, "stroke:" + svg_colour(kObservedColour))->points.size(), 4u);
  EXPECT_EQ(parse_forecast_report(known_report(-3, 0)).projected.size(), 0u);
}

TEST_F(FanChartDrawing, HandlesTheLongestReport) {
  std::string r = known_report(32000, 0);
  for (int l = 1; l <= 32000; ++l)
    r += " " + std::to_string(l) + "          " + std::to_string(l * 0.5) + "   " +
         std::to_string(l * 0.5 - 1) + "   " + std::to_string(l * 0.5 + 1) + " \r\n";
  ForecastReport report = parse_forecast_report(r);
  ASSERT_EQ(report.projected.size(), 32000u);
  write_fan_chart(fan_chart_of(report, {}), directory.folder(), "h");
  EXPECT_GT(std::filesystem::file_size(directory.file("Gh.PNG")), 1000u);
}

// A report of `observed` values from `first_period` on and `projected` rows,
// its values about `centre`, `spread` apart; F(X) = X.
ForecastReport synthetic_report(int first_period, int observed, int projected, double centre,
                                double spread) {
  ForecastReport report;
  report.points_considered = observed;
  report.level = 95;
  report.student_t = 1.96;
  StatedTrend trend;
  trend.coefficients.b[1] = 1;
  trend.coefficients.b[2] = 1;
  trend.slope = spread / (observed + projected);
  trend.intercept = centre;
  report.trend = trend;
  for (int i = 1; i <= observed; ++i) {
    const int period = first_period + i - 1;
    const double value = centre + trend.slope * i + spread * 0.1 * std::sin(i);
    report.observed_rows.push_back({period, std::to_string(period), "v"});
    report.observed.push_back({period, value});
  }
  for (int i = observed + 1; i <= observed + projected; ++i) {
    ProjectedRow row;
    row.period = first_period + i - 1;
    row.trend = centre + trend.slope * i;
    const double half_width = spread * 0.05 * std::sqrt((i - observed) / double(projected));
    row.lower = row.trend - half_width;
    row.upper = row.trend + half_width;
    report.projected.push_back(row);
  }
  report.points_announced = projected;
  return report;
}

std::string outside(const TextBox& box, double width, double height) {
  if (box.left >= 0 && box.top >= 0 && box.right <= width && box.bottom <= height) return "";
  std::ostringstream out;
  out << "\"" << box.text << "\" at (" << box.left << ", " << box.top << ")-(" << box.right
      << ", " << box.bottom << ")";
  return out.str();
}

// Every text inside the image: series of 1 to 1000 values, projections up to
// the last period there is, labels as wide as a 16-bit period or a number in
// exponent form, long titles, six bands, at the files' size and a window's.
TEST(FanChartText, NoTextLeavesTheImage) {
  const std::string long_title(300, 'T');
  const std::string long_caption = "Fecha de la observación mensual en la estación de Mauna Loa";
  struct Size {
    double width, height;
  };
  for (Size size : {Size{kChartWidth, kChartHeight}, Size{560, 360}}) {
    cairo_surface_t* image = cairo_image_surface_create(CAIRO_FORMAT_RGB24, static_cast<int>(size.width),
                                                        static_cast<int>(size.height));
    cairo_t* cr = cairo_create(image);
    for (int first : {1, 1959, -32768})
      for (int observed : {1, 2, 7, 468, 1000})
        for (int projected : {0, 1, 60, 32767 - 1000 - first}) {
          if (projected > 32767 - first - observed + 1) projected = 32767 - first - observed + 1;
          for (auto [centre, spread] : {std::pair{100.0, 50.0}, std::pair{-1.5e9, 1e8},
                                        std::pair{0.0, 3e-5}, std::pair{0.0, 1e308}}) {
            const ForecastReport report = synthetic_report(first, observed, projected, centre, spread);
            const FanChart chart = fan_chart_of(
                report, {"Mes  " + long_title, "", {10, 30, 50, 70, 99.9}, {}});
            const FanChart captioned = [&] {
              FanChart c = chart;
              c.period_caption = long_caption;
              return c;
            }();
            for (const FanChart* drawn : {&chart, &captioned}) {
              if (drawn == &captioned && centre != 100.0) continue;
              std::vector<TextBox> texts;
              draw_fan_chart(cr, *drawn, size.width, size.height, &texts);
              ASSERT_GE(texts.size(), 8u);
              for (const TextBox& box : texts)
                EXPECT_EQ(outside(box, size.width, size.height), "")
                    << size.width << "x" << size.height << ", from " << first << ", " << observed
                    << " observed, " << projected << " projected, about " << centre;
            }
          }
        }
    EXPECT_EQ(cairo_status(cr), CAIRO_STATUS_SUCCESS);
    cairo_destroy(cr);
    cairo_surface_destroy(image);
  }
}

// A window shrunk to nothing still gets a drawing, texts shortened to nothing.
TEST(FanChartText, TinySizesDrawWithoutFailing) {
  const FanChart chart = fan_chart_of(synthetic_report(2001, 20, 5, 100, 50), {"Mes  Ventas", "v", {}, {}});
  for (double side : {0.0, 1.0, 30.0, 80.0}) {
    cairo_surface_t* surface = cairo_recording_surface_create(CAIRO_CONTENT_COLOR, nullptr);
    cairo_t* cr = cairo_create(surface);
    std::vector<TextBox> texts;
    draw_fan_chart(cr, chart, side * 2, side, &texts);
    EXPECT_EQ(cairo_status(cr), CAIRO_STATUS_SUCCESS) << side;
    for (const TextBox& box : texts)
      EXPECT_TRUE(std::isfinite(box.left) && std::isfinite(box.top)) << box.text;
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
  }
}

TEST(FanChartText, TheTitlesLegendAndLabelsAreDrawn) {
  const ForecastReport report = synthetic_report(2001, 20, 5, 100, 50);
  const FanChart chart = fan_chart_of(report, {"Mes           Ventas", "v", {}, {}});
  cairo_surface_t* image = cairo_image_surface_create(CAIRO_FORMAT_RGB24, kChartWidth, kChartHeight);
  cairo_t* cr = cairo_create(image);
  std::vector<TextBox> texts;
  draw_fan_chart(cr, chart, kChartWidth, kChartHeight, &texts);
  cairo_destroy(cr);
  cairo_surface_destroy(image);
  std::vector<std::string> shown;
  for (const TextBox& box : texts) shown.push_back(box.text);
  for (const char* text : {"Ventas", "Tendencia y bandas de predicción al 50, 80 y 95 %", "Observado",
                           "Tendencia", "Banda al 50 %", "Banda al 80 %", "Banda al 95 %", "Mes",
                           "Proyección", "2010", "2020"})
    EXPECT_NE(std::find(shown.begin(), shown.end(), text), shown.end()) << text;
  // The title is the first line, the note the last, the plot between them.
  EXPECT_EQ(texts.front().text, "Ventas");
  EXPECT_EQ(texts.back().text.rfind("Recta de regresión: Y = ", 0), 0u) << texts.back().text;
}

std::vector<TextBox> drawn_texts(const FanChart& chart, double width, double height) {
  cairo_surface_t* surface = cairo_recording_surface_create(CAIRO_CONTENT_COLOR, nullptr);
  cairo_t* cr = cairo_create(surface);
  std::vector<TextBox> texts;
  draw_fan_chart(cr, chart, width, height, &texts);
  cairo_destroy(cr);
  cairo_surface_destroy(surface);
  return texts;
}

// A label of the period axis: the value axis' numbers here are below 1000.
bool is_period_label(const TextBox& box) {
  return box.text.size() >= 4 && box.text[0] >= '1' && box.text[0] <= '9' &&
         box.text.find_first_of(" .,") == std::string::npos;
}

// The tick labels below the plot, left to right, and their middles.
std::vector<std::pair<std::string, double>> period_axis(const std::vector<TextBox>& texts) {
  std::vector<std::pair<std::string, double>> ticks;
  for (const TextBox& box : texts)
    if (is_period_label(box))
      ticks.push_back({box.text, (box.left + box.right) / 2});
  return ticks;
}

// Twelve years of months and two projected: the axis names the years 1949 to
// 1962, each under its January, twelve periods apart.
TEST(FanChartText, AMonthlySeriesHasItsYearsOnThePeriodAxis) {
  FanChart chart = fan_chart_of(synthetic_report(1, 144, 24, 300, 200),
                                {"Mes  Pasajeros", "p", {}, Calendar{CalendarKind::Monthly, 1949 * 12}});
  ASSERT_TRUE(chart.calendar);
  auto ticks = period_axis(drawn_texts(chart, kChartWidth, kChartHeight));
  ASSERT_EQ(ticks.size(), 14u);
  for (std::size_t i = 0; i < ticks.size(); ++i) EXPECT_EQ(ticks[i].first, std::to_string(1949 + i));
  const double year = (ticks[13].second - ticks[0].second) / 13;
  for (std::size_t i = 1; i < ticks.size(); ++i)
    EXPECT_NEAR(ticks[i].second - ticks[i - 1].second, year, 1.5) << ticks[i].first;
  // The plot spans periods 0.5 to 168.5: January 1949, period 1, is half a
  // period in, and a year is twelve periods.
  const double period = year / 12;
  EXPECT_NEAR(ticks[0].second - (ticks[13].second - 156 * period), 0, 1e-6);

  // A narrow window: fewer years, still at their places; a short span: months.
  ticks = period_axis(drawn_texts(chart, 400, 300));
  ASSERT_GE(ticks.size(), 2u);
  EXPECT_LE(ticks.size(), 7u);
  chart = fan_chart_of(synthetic_report(1, 7, 3, 300, 200),
                       {"", "p", {}, Calendar{CalendarKind::Monthly, 1949 * 12 + 10}});
  ticks = period_axis(drawn_texts(chart, kChartWidth, kChartHeight));
  ASSERT_EQ(ticks.size(), 10u);
  EXPECT_EQ(ticks.front().first, "1949-11");
  EXPECT_EQ(ticks.back().first, "1950-08");
}

// Whatever the calendar, the size and the length, the ticks' labels stay
// inside the image and never overlap.
TEST(FanChartText, CalendarLabelsStayInsideTheImageAndApart) {
  const Calendar calendars[] = {{CalendarKind::Yearly, 1000},
                                {CalendarKind::Quarterly, 1971 * 4},
                                {CalendarKind::Monthly, 1949 * 12},
                                {CalendarKind::Weekly, day_number({1999, 12, 26})},
                                {CalendarKind::Daily, day_number({2024, 2, 28})},
                                {CalendarKind::WorkingDays, day_number({2022, 1, 7})}};
  for (const Calendar& calendar : calendars)
    for (auto [width, height] : {std::pair{1000.0, 600.0}, std::pair{560.0, 360.0}, std::pair{90.0, 40.0}})
      for (int observed : {1, 7, 468, 1000})
        for (int projected : {0, 60, 3000}) {
          const FanChart chart =
              fan_chart_of(synthetic_report(1, observed, projected, 100, 50), {"", "c", {}, calendar});
          ASSERT_TRUE(chart.calendar);
          const std::vector<TextBox> texts = drawn_texts(chart, width, height);
          std::ostringstream where;
          where << calendar_name(calendar.kind) << ", " << width << "x" << height << ", " << observed
                << " + " << projected;
          if (width < 500) continue;  // drawn without failing; the texts are cut to nothing there
          EXPECT_FALSE(period_axis(texts).empty()) << where.str();
          for (const TextBox& box : texts) EXPECT_EQ(outside(box, width, height), "") << where.str();
          const TextBox* previous = nullptr;
          for (const TextBox& box : texts) {
            if (!is_period_label(box)) continue;
            if (previous) {
              EXPECT_LT(previous->right, box.left) << where.str() << ": " << box.text;
            }
            previous = &box;
          }
        }
}

// The program as the user calls it.
TEST(FanChartProgram, RefusesAndWritesNothing) {
  WorkFolder work;
  CommandResult printed;
  auto run = [&](const std::string& name) {
    printed = work.run(std::string(TENDENCIA_GRAFICO_BINARY) + " '" + name + "'");
    return printed.status;
  };
  EXPECT_EQ(run("nada"), 1);  // missing
  EXPECT_NE(printed.err.find("no se encuentra el fichero Enada.TXT"), std::string::npos);
  write_file(work.file("Ecorto.TXT"), known_report(3, 1));
  EXPECT_EQ(run("corto"), 1);
  EXPECT_NE(printed.err.find("incompleto"), std::string::npos) << printed.err;
  write_file(work.file("Eotro.TXT"), "Not a report\r\n");
  EXPECT_EQ(run("otro"), 1);
  EXPECT_EQ(files_in(work.folder()), (std::vector<std::string>{"Ecorto.TXT", "Eotro.TXT"}));
  write_file(work.file("Ebien.TXT"), known_report());
  EXPECT_EQ(run("bien"), 0);
  EXPECT_TRUE(std::filesystem::exists(work.file("Gbien.SVG")) &&
              std::filesystem::exists(work.file("Gbien.PNG")));
}

}  // namespace
}  // namespace tendencia
