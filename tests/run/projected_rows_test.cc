// The projected rows are made in blocks by two threads; whatever the count, and
// wherever a row fails or the file refuses a write, the report must be exactly
// that of rows made one by one.
#include "run/projected_rows.h"

#include <gtest/gtest.h>

#include "core/failure.h"
#include "support/recording_sink.h"
#include "text/number_forms.h"
#include "support/failure_text.h"

namespace tendencia {
namespace {

using testing::RecordingSink;
using testing::SinkLog;

const Separators kC;

// F(X) = 2 X^0.8 + 3 log(X + 1) + 50 X / (b16 + X): every row has long
// numbers, and b16 = -X0 divides by zero at X = X0 and nowhere else.
Coefficients trend(double b16) {
  Coefficients c;
  c.b[1] = 2;
  c.b[2] = 0.8;
  c.b[7] = 3;
  c.b[8] = 1;
  c.b[15] = 50;
  c.b[16] = b16;
  return c;
}

const std::vector<double> kNumbers = {3.5, 7.25, 8.0, 11.5};
constexpr Int16 kObserved = 4;
constexpr double kT = 2.776;

// The straightforward layout, a row at a time: each item padded to the next
// 14-column zone.
std::string rows_one_by_one(const Coefficients& c, Int16 last_observed, int count) {
  const RegressionLine line = regression_line(trend(10), kNumbers);
  std::string out;
  auto zone = [&](std::string item) {
    item.resize((item.size() / 14 + 1) * 14, ' ');
    return item;
  };
  for (int l = 1; l <= count; ++l) {
    ProjectedPoint p = project(line, c, kObserved, kT, static_cast<Int16>(l));
    out += zone(print_form(last_observed + l, kC)) + zone(print_form(p.trend, kC)) +
           zone(print_form(p.lower, kC)) + print_form(p.upper, kC) + "\r\n";
  }
  return out;
}

struct Written {
  std::string bytes;
  std::string failure;  // "kind @ place", empty when every row was written
};

Written write_rows(const Coefficients& c, Int16 last_observed, Int16 count, SinkLog log = {}) {
  const RegressionLine line = regression_line(trend(10), kNumbers);
  Written written;
  {
    ResultsReport report(std::make_unique<RecordingSink>(log), kC);
    try {
      write_projected_rows({line, c, kObserved, kT, last_observed, count}, report);
    } catch (const Failure& f) {
      written.failure = testing::failure_text(f);
    }
  }  // the report's end flushes what is pending, as a stopping run does
  written.bytes = log.written;
  return written;
}

TEST(ProjectedRows, AnyCountGivesTheRowsOfOneByOne) {
  // One row, a block less one, one block, a block and one, several blocks
  // (odd and even), and the most a report can have after four observed values.
  constexpr int B = kProjectedBlockRows;
  for (int count : {1, B - 1, B, B + 1, 2 * B, 3 * B + 1, 5000, 32763}) {
    Written written = write_rows(trend(10), kObserved, static_cast<Int16>(count));
    EXPECT_EQ(written.failure, "") << count;
    EXPECT_TRUE(written.bytes == rows_one_by_one(trend(10), kObserved, count))
        << "rows differ for M = " << count;
  }
}

TEST(ProjectedRows, AFailingRowStopsThereWithEveryEarlierRowWritten) {
  // Rows in the first block, at a block's first and last row, in blocks made
  // by either thread, and the very last row.
  constexpr int B = kProjectedBlockRows;
  for (int failing_row : {1, 2, B, B + 1, 2 * B + 1, 3 * B, 4321, 5000}) {
    const int x0 = kObserved + failing_row;
    Written written = write_rows(trend(-x0), kObserved, 5000);
    EXPECT_EQ(written.failure, "división por cero @ F(X) en X = " + std::to_string(x0));
    EXPECT_TRUE(written.bytes == rows_one_by_one(trend(-x0), kObserved, failing_row - 1))
        << "rows differ when row " << failing_row << " fails";
  }
}

TEST(ProjectedRows, ALabelBeyond32767StopsAtItsRow) {
  const Int16 last_observed = 32767 - 2000;
  Written written = write_rows(trend(10), last_observed, 3000);
  EXPECT_EQ(written.failure,
            "desbordamiento (resultado fuera de rango) @ etiqueta del periodo X = 2005");
  EXPECT_TRUE(written.bytes == rows_one_by_one(trend(10), last_observed, 2000));
}

TEST(ProjectedRows, AWriteRefusedBeforeAFailingRowIsTheFailureReported) {
  // The file is full at about the second block; F would fail much later.
  SinkLog full;
  full.refuse_beyond = 100000;
  Written written = write_rows(trend(-4004), kObserved, 5000, full);
  EXPECT_EQ(written.failure, "no se puede escribir el fichero @ fichero de resultados");
  const std::string complete = rows_one_by_one(trend(-4004), kObserved, 3999);
  EXPECT_GT(written.bytes.size(), 0u);
  EXPECT_LE(written.bytes.size(), 100000u);
  EXPECT_EQ(complete.compare(0, written.bytes.size(), written.bytes), 0)
      << "what reached the file is not the start of the rows";
}

}  // namespace
}  // namespace tendencia
