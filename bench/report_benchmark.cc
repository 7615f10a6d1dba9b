// How fast the longest possible report is made: N = 1000 observed values and
// M = 31767 projected periods, so X runs up to 32767 (about 32,800 lines, 2.9 MB).
//
//   make bench
//
// The benchmarks, in one run:
//   TrendFunction       F(X) at X = 1..32767 alone
//   WriteBytes          the finished report's bytes written to a file alone
//   ReportSequence      the whole report sequence: fit, formatting, writing
//   ReportWithSnprintf  the same report made the straightforward way, every
//                       number through snprintf("%.15G")
//   FormattingOnly      the report's numbers through the print form alone
//   DigitsToChars       the same numbers' digits by std::to_chars with precision 15
//   DigitsFifteen       the same numbers' digits by fifteen_digits, the way the
//                       program writes them; both report ns per number
// Before timing anything it checks that the two ways give identical bytes.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "io/byte_sink.h"
#include "io/data_series.h"
#include "io/results_report.h"
#include "model/regression_line.h"
#include "model/student_table.h"
#include "model/trend_function.h"
#include "run/regression_report.h"
#include "support/scripted_dialogue.h"
#include "text/fifteen_digits.h"
#include "text/number_forms.h"

namespace tendencia {
namespace {

constexpr Int16 kObserved = 1000;
constexpr Int16 kProjected = 31767;
const char* const kPath = "bench-report.TXT";

struct Problem {
  Coefficients coefficients;
  DataSeries series;
  TSelection selection;
};

const Problem& problem() {
  static const Problem p = [] {
    Problem p;
    auto& b = p.coefficients.b;
    b[0] = 100, b[1] = 2, b[2] = 0.8, b[5] = 0.5, b[6] = 0.0001, b[7] = 3, b[8] = 1;
    b[9] = 1.5, b[10] = 0.3, b[15] = 50, b[16] = 10;
    b[17] = 1, b[18] = 0.0001, b[19] = 0.5, b[20] = 0.0002;
    for (int i = 1; i <= kObserved; ++i)
      p.series.values.push_back(SeriesValue::of_number(
          100 + 2 * std::pow(i, 0.8) + 3 * std::log(i + 1.0) + 0.37 * (i % 7)));
    p.selection.t = {StudentT::Kind::Typed, 0.0, "1.96"};
    p.selection.points = kObserved;
    return p;
  }();
  return p;
}

// Y(1..N), every value a number already.
std::vector<double> observed_numbers() {
  std::vector<double> y;
  for (const SeriesValue& v : problem().series.values) y.push_back(v.number);
  return y;
}

void report_sequence(const char* path) {
  const Problem& p = problem();
  ScriptedDialogue dialogue({"1"});  // labels equal X, up to 32767
  ResultsReport report(FileSink::create(path), Separators{});
  write_regression_report(p.coefficients, p.series, p.selection, kProjected, dialogue, report);
  report.close();
}

// The straightforward way: the same lines, each number through snprintf, each
// line through fputs.
std::string print_form_with_snprintf(double v) {
  char digits[40];
  std::snprintf(digits, sizeof digits, "%.15G", std::fabs(v));
  return std::string(v < 0 ? "-" : " ") + (v == 0 ? "0" : digits) + " ";
}

std::string pad_to_next_zone(std::string line) {
  line.resize((line.size() / 14 + 1) * 14, ' ');
  return line;
}

void report_with_snprintf(const char* path) {
  const Problem& p = problem();
  const RegressionLine line = regression_line(p.coefficients, observed_numbers());
  std::FILE* out = std::fopen(path, "wb");
  std::fputs("\r\n", out);
  std::fputs(("Recta de regresion: Y = " + slope_text_form(line.slope, Separators{}) + " F(X) + " +
              print_form_with_snprintf(line.intercept) + "\r\n\r\n").c_str(), out);
  std::fputs("A\xf1o o periodo  TENDENCIA                  MINIMO                      MAXIMO    \r\n\r\n",
             out);
  for (int i = 1; i <= kObserved; ++i)
    std::fputs((pad_to_next_zone(print_form_with_snprintf(i)) +
                print_form_with_snprintf(p.series.values[i - 1].number) + "\r\n").c_str(), out);
  for (int l = 1; l <= kProjected; ++l) {
    ProjectedPoint q = project(line, p.coefficients, kObserved, 1.96, static_cast<Int16>(l));
    std::string line = pad_to_next_zone(print_form_with_snprintf(kObserved + l));
    line = pad_to_next_zone(line + print_form_with_snprintf(q.trend));
    line = pad_to_next_zone(line + print_form_with_snprintf(q.lower));
    line += print_form_with_snprintf(q.upper) + "\r\n";
    std::fputs(line.c_str(), out);
  }
  std::fclose(out);
}

std::string contents(const char* path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void BM_TrendFunction(benchmark::State& state) {
  const Coefficients& c = problem().coefficients;
  for (auto _ : state) {
    double sum = 0;
    for (int x = 1; x <= 32767; ++x) sum += evaluate(c, static_cast<Int16>(x));
    benchmark::DoNotOptimize(sum);
  }
}
BENCHMARK(BM_TrendFunction)->Unit(benchmark::kMillisecond);

void BM_WriteBytes(benchmark::State& state) {
  report_sequence(kPath);
  const std::string bytes = contents(kPath);
  for (auto _ : state) {
    auto sink = FileSink::create(kPath);
    sink->write(bytes);
    sink->close();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_WriteBytes)->Unit(benchmark::kMillisecond);

void BM_ReportSequence(benchmark::State& state) {
  for (auto _ : state) report_sequence(kPath);
}
BENCHMARK(BM_ReportSequence)->Unit(benchmark::kMillisecond);

void BM_ReportWithSnprintf(benchmark::State& state) {
  for (auto _ : state) report_with_snprintf(kPath);
}
BENCHMARK(BM_ReportWithSnprintf)->Unit(benchmark::kMillisecond);

// The numbers of the report's projected rows: X, trend, lower and upper bound.
const std::vector<double>& projected_numbers() {
  static const std::vector<double> numbers = [] {
    const Problem& p = problem();
    const RegressionLine line = regression_line(p.coefficients, observed_numbers());
    std::vector<double> numbers;
    for (int l = 1; l <= kProjected; ++l) {
      ProjectedPoint q = project(line, p.coefficients, kObserved, 1.96, static_cast<Int16>(l));
      numbers.insert(numbers.end(), {1.0 * (kObserved + l), q.trend, q.lower, q.upper});
    }
    return numbers;
  }();
  return numbers;
}

void BM_FormattingOnly(benchmark::State& state) {
  const std::vector<double>& numbers = projected_numbers();
  Separators separators;
  std::string out;
  for (auto _ : state) {
    out.clear();
    for (double v : numbers) append_print_form(out, v, separators);
    benchmark::DoNotOptimize(out.data());
  }
}
BENCHMARK(BM_FormattingOnly)->Unit(benchmark::kMillisecond);

// The digits of every projected-row number by one digit writer; the counter
// per_number is the time of one number.
template <std::size_t (*write_digits)(double, char*)>
void digits_of_report_numbers(benchmark::State& state) {
  const std::vector<double>& numbers = projected_numbers();
  char out[kMaxNumberChars];
  for (auto _ : state) {
    std::size_t total = 0;
    for (double v : numbers) total += write_digits(std::fabs(v), out);
    benchmark::DoNotOptimize(total);
  }
  state.counters["per_number"] = benchmark::Counter(
      static_cast<double>(numbers.size()),
      benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// fifteen_digits_exact is std::to_chars with precision 15, the way the digits
// were written before fifteen_digits.
void BM_DigitsToChars(benchmark::State& state) {
  digits_of_report_numbers<fifteen_digits_exact>(state);
}
BENCHMARK(BM_DigitsToChars)->Unit(benchmark::kMillisecond);

void BM_DigitsFifteen(benchmark::State& state) {
  digits_of_report_numbers<fifteen_digits>(state);
}
BENCHMARK(BM_DigitsFifteen)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tendencia

int main(int argc, char** argv) {
  using namespace tendencia;
  report_sequence(kPath);
  std::string fast = contents(kPath);
  report_with_snprintf(kPath);
  std::string slow = contents(kPath);
  if (fast != slow || fast.size() < 2000000) {
    std::fprintf(stderr, "the two reports differ (%zu and %zu bytes)\n", fast.size(), slow.size());
    return 1;
  }
  std::printf("report: %zu bytes, identical both ways\n", fast.size());
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::remove(kPath);
  return 0;
}
