// The speed of tendencia-ajuste's validation and automatic choice, on series
// as long as a data file holds: --automatico --validar 18 on 500 monthly
// values (at most 3 s on 2 cores; with every data choice, as --datos weighs
// them) and --validar 10 for one set on 1000 values (at most 1 s), each
// including the fit to the whole series. Every origin is fitted on its own
// values.
#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <vector>

#include "fit/automatic_terms.h"
#include "fit/rolling_validation.h"
#include "fit/trend_fit.h"

namespace tendencia {
namespace {

// A trend, a season of 12 and Gaussian noise from a fixed seed.
std::vector<double> monthly_series(int n) {
  std::mt19937_64 bits(42);
  std::normal_distribution<double> noise(0.0, 2.0);
  std::vector<double> y;
  for (int x = 1; x <= n; ++x)
    y.push_back(100 + 0.3 * x + 10 * std::cos(6.283185307179586 * x / 12 + 0.5) + noise(bits));
  return y;
}

void AutomaticChoice500(benchmark::State& state) {
  const std::vector<double> y = monthly_series(500);
  AutomaticSettings settings;
  settings.validation.horizon = 18;
  settings.validation.period = 12;
  settings.data_choices = true;
  for (auto _ : state) benchmark::DoNotOptimize(choose_terms(y, settings));
}
BENCHMARK(AutomaticChoice500)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void OneSetValidated1000(benchmark::State& state) {
  const std::vector<double> y = monthly_series(1000);
  const TermSet terms = {{TermGroup::Constant, TermGroup::Power, TermGroup::Cosine}, false};
  ValidationSettings settings;
  settings.horizon = 10;
  for (auto _ : state) {
    benchmark::DoNotOptimize(fit_trend(y, terms.groups, {}));
    benchmark::DoNotOptimize(validate_terms(y, terms, {}, settings));
  }
}
BENCHMARK(OneSetValidated1000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// The validation alone: its 20 origins, each fitted on its own values.
void ValidationOnly1000(benchmark::State& state) {
  const std::vector<double> y = monthly_series(1000);
  const TermSet terms = {{TermGroup::Constant, TermGroup::Power, TermGroup::Cosine}, false};
  ValidationSettings settings;
  settings.horizon = 10;
  for (auto _ : state) benchmark::DoNotOptimize(validate_terms(y, terms, {}, settings));
}
BENCHMARK(ValidationOnly1000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

}  // namespace
}  // namespace tendencia

BENCHMARK_MAIN();
