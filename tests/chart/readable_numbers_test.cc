#include "chart/readable_numbers.h"

#include <gtest/gtest.h>

#include <cmath>

#include "chart/band_levels.h"
#include "chart/chart_command_line.h"

namespace tendencia {
namespace {

const std::string kMinus = "\xE2\x88\x92";

TEST(ReadableNumbers, FewDigitsTheReportsSeparatorAndATrueMinus) {
  EXPECT_EQ(readable_number(1.01583842491202, 5, "."), "1.0158");
  EXPECT_EQ(readable_number(-5.37556984367387, 5, ","), kMinus + "5,3756");
  EXPECT_EQ(readable_number(2.5, 5, "."), "2.5");
  EXPECT_EQ(readable_number(0.0, 5, "."), "0");
  EXPECT_EQ(readable_number(-0.0, 5, "."), "0");
  EXPECT_EQ(readable_number(123456789, 5, "."), "123460000");
  EXPECT_EQ(readable_number(99999.5, 5, "."), "100000");
  EXPECT_EQ(readable_number(1.5e12, 5, ","), "1,5E+12");
  EXPECT_EQ(readable_number(-1.23456e-7, 4, "."), kMinus + "1.235E-07");
  EXPECT_EQ(readable_number(1.7976931348623157e308, 6, "."), "1.79769E+308");
  EXPECT_EQ(readable_number(5e-324, 5, "."), "4.9407E-324");
}

TEST(ReadableNumbers, TickLabelsHaveTheDecimalsTheirStepNeeds) {
  EXPECT_EQ(tick_text(2010, 5, "."), "2010");
  EXPECT_EQ(tick_text(-32768, 1, "."), kMinus + "32768");
  EXPECT_EQ(tick_text(0.30000000000000004, 0.1, ","), "0,3");
  EXPECT_EQ(tick_text(-1e-17, 0.1, "."), "0.0");  // never "-0"
  EXPECT_EQ(tick_text(0.00025, 0.00005, "."), "0.00025");
  EXPECT_EQ(tick_text(-1.5e9, 1e8, "."), kMinus + "1.5E+09");
  EXPECT_EQ(tick_text(1e308, 2e307, "."), "1E+308");
}

TEST(BandLevels, AListOfLevelsBetweenOneAndNinetyNinePointNine) {
  EXPECT_EQ(parse_band_levels("50,80,95"), (std::vector<double>{50, 80, 95}));
  EXPECT_EQ(parse_band_levels(" 99.9 , 1"), (std::vector<double>{99.9, 1}));
  for (const char* wrong : {"", ",", "50,", "0.99", "99.95", "100", "-50", "cincuenta", "50;80",
                            "1,2,3,4,5,6", "1E+400", "nan"})
    EXPECT_THROW(parse_band_levels(wrong), LevelsRefused) << wrong;
  // The report's own level always, the usual ones below it when none are asked.
  EXPECT_EQ(band_levels(95, {}), (std::vector<double>{50, 80, 95}));
  EXPECT_EQ(band_levels(90, {}), (std::vector<double>{50, 80, 90}));
  EXPECT_EQ(band_levels(60, {}), (std::vector<double>{50, 60}));
  EXPECT_EQ(band_levels(95, {99, 95, 60, 99}), (std::vector<double>{60, 95, 99}));
}

TEST(ChartCommandLine, TheNameThenTheOptionsInAnyOrder) {
  ChartCommandLine line = parse_chart_command_line({"ventas"});
  EXPECT_EQ(line.name, "ventas");
  EXPECT_FALSE(line.table);
  EXPECT_TRUE(line.levels.empty());
  line = parse_chart_command_line({"ventas", "--niveles", "80,95", "--csv"});
  EXPECT_TRUE(line.table);
  EXPECT_EQ(line.levels, (std::vector<double>{80, 95}));
  for (std::vector<std::string> wrong :
       std::vector<std::vector<std::string>>{{},
                                             {"--csv"},
                                             {""},
                                             {"ventas", "--csv", "--csv"},
                                             {"ventas", "--niveles"},
                                             {"ventas", "--niveles", "200"},
                                             {"ventas", "--niveles", "80", "--niveles", "80"},
                                             {"ventas", "otra"}})
    EXPECT_THROW(parse_chart_command_line(wrong), ChartUsageError);
}

}  // namespace
}  // namespace tendencia
