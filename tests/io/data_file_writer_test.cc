#include "io/data_file_writer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <sstream>

#include "io/data_series.h"

namespace tendencia {
namespace {

std::uint64_t bits(double value) {
  std::uint64_t out;
  std::memcpy(&out, &value, sizeof out);
  return out;
}

TEST(DataFileWriter, WritesTheProgramsOwnLayout) {
  EXPECT_EQ(data_file_bytes("", "", {132.89, 143.8, -0.5, 1e300}),
            "A\xf1o o periodo         NUMERO\r\n"
            "1                     132.89\r\n"
            "2                      143.8\r\n"
            "3                       -0.5\r\n"
            "4                     1e+300\r\n");
  // Long titles keep two blanks between them, so the chart tells them apart;
  // a title is one line whatever the header held, and letters the code page
  // lacks become "?".
  EXPECT_EQ(data_file_bytes("Periodo de la serie", "Ventas\r\nnetas €→", {1}),
            "Periodo de la serie  Ventas  netas \x80?\r\n"
            "1                          1\r\n");
}

TEST(DataFileWriter, ACalendarsLabelsOpenTheRows) {
  EXPECT_EQ(data_file_bytes("Mes", "Pasajeros", {112, 118, 132},
                            Calendar{CalendarKind::Monthly, 1949 * 12 + 11}),
            "Mes                Pasajeros\r\n"
            "1949-12                  112\r\n"
            "1950-01                  118\r\n"
            "1950-02                  132\r\n");
  EXPECT_EQ(data_file_bytes("D\xc3\xad" "a", "", {5}, Calendar{CalendarKind::Daily, 0}),
            "D\xed" "a                   NUMERO\r\n"
            "1970-01-01                 5\r\n");
}

TEST(DataFileWriter, EveryValueReadsBackAsTheSameDouble) {
  std::vector<double> values = {0.1,
                                -0.0,
                                1.0 / 3,
                                std::numeric_limits<double>::max(),
                                std::numeric_limits<double>::lowest(),
                                std::numeric_limits<double>::min(),
                                std::numeric_limits<double>::denorm_min(),
                                123456789012345678.0,
                                2.5e-300};
  std::mt19937_64 random(20010101);
  while (values.size() < kMaxSeriesValues) {
    std::uint64_t pattern = random();
    double value;
    std::memcpy(&value, &pattern, sizeof value);
    if (std::isfinite(value)) values.push_back(value);
  }
  std::istringstream in(data_file_bytes("A", "B", values));
  DataSeries series = read_series(in, "prueba");
  ASSERT_EQ(series.values.size(), values.size());
  for (std::size_t i = 0; i < values.size(); ++i) {
    ASSERT_FALSE(series.values[i].is_text) << i;
    ASSERT_EQ(bits(series.values[i].number), bits(values[i])) << values[i];
  }
}

}  // namespace
}  // namespace tendencia
