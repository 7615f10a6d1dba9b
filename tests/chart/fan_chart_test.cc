#include "chart/fan_chart.h"

#include <gtest/gtest.h>

#include <regex>
#include <sstream>

#include "support/forecast_report_text.h"
#include "support/temp_directory.h"

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
  write_fan_chart(chart, "k");
  std::vector<SvgPath> paths = svg_paths(read_file("Gk.SVG"));
  EXPECT_TRUE(std::filesystem::exists("Gk.PNG"));

  int markers = 0;
  for (const SvgPath& p : paths)
    markers += p.curved && p.style.find("fill:" + svg_colour(kObservedColour)) != std::string::npos;
  EXPECT_EQ(markers, 3 + 1);  // and the legend's
  const SvgPath* observed = largest(paths, "stroke:" + svg_colour(kObservedColour));
  ASSERT_NE(observed, nullptr);
  EXPECT_EQ(observed->points.size(), 3u);

  // The projected trend is the thick line; the report's band is the widest.
  const SvgPath* trend = largest(paths, "stroke-width:2.5;", "stroke:" + svg_colour(kTrendColour));
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
  write_fan_chart(fan_chart_of(report, {}), "z");
  std::vector<SvgPath> paths = svg_paths(read_file("Gz.SVG"));
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
  write_fan_chart(fan_chart_of(report, {}), "h");
  EXPECT_GT(std::filesystem::file_size("Gh.PNG"), 1000u);
}

// The program as the user calls it.
TEST_F(FanChartDrawing, TheProgramRefusesAndWritesNothing) {
  auto run = [](const std::string& name) {
    std::string command = std::string(TENDENCIA_CHART_BINARY) + " '" + name + "' > out.txt 2> err.txt";
    int raw = std::system(command.c_str());
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  };
  EXPECT_EQ(run("nada"), 1);  // missing
  EXPECT_NE(read_file("err.txt").find("no se encuentra el fichero Enada.TXT"), std::string::npos);
  write_file("Ecorto.TXT", known_report(3, 1));
  EXPECT_EQ(run("corto"), 1);
  EXPECT_NE(read_file("err.txt").find("incompleto"), std::string::npos) << read_file("err.txt");
  write_file("Eotro.TXT", "Not a report\r\n");
  EXPECT_EQ(run("otro"), 1);
  EXPECT_FALSE(std::filesystem::exists("Gnada.SVG") || std::filesystem::exists("Gcorto.SVG") ||
               std::filesystem::exists("Gcorto.PNG") || std::filesystem::exists("Gotro.PNG"));
  write_file("Ebien.TXT", known_report());
  EXPECT_EQ(run("bien"), 0);
  EXPECT_TRUE(std::filesystem::exists("Gbien.SVG") && std::filesystem::exists("Gbien.PNG"));
}

}  // namespace
}  // namespace tendencia
