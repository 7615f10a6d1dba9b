// Series made from known coefficients of F(X) plus Gaussian noise from a fixed
// seed, the same on every machine (mt19937_64 and Box-Muller are fully
// specified, unlike std::normal_distribution).
#pragma once

#include <cmath>
#include <random>
#include <vector>

#include "model/trend_function.h"

namespace tendencia::testing {

inline std::vector<double> synthetic_series(const Coefficients& truth, int n, double noise,
                                            unsigned seed) {
  std::mt19937_64 bits(seed);
  auto uniform = [&] { return (static_cast<double>(bits() >> 11) + 0.5) * 0x1p-53; };
  std::vector<double> y;
  for (int x = 1; x <= n; ++x) {
    double gaussian =
        std::sqrt(-2.0 * std::log(uniform())) * std::cos(6.283185307179586 * uniform());
    y.push_back(evaluate(truth, static_cast<Int16>(x)) + noise * gaussian);
  }
  return y;
}

// A drift and a yearly season of monthly values: 100 + 0.5·X + 10·cos(2πX/12 + 0.3), noise 2.
inline std::vector<double> monthly_seasonal_series(int n) {
  Coefficients truth;
  truth.b[0] = 100;
  truth.b[1] = 0.5;
  truth.b[2] = 1.0;
  truth.b[9] = 10;
  truth.b[10] = 6.283185307179586 / 12;
  truth.b[11] = 0.3;
  return synthetic_series(truth, n, 2.0, 5);
}

}  // namespace tendencia::testing
