// Where the solver starts: values of the chosen coefficients guessed from the
// series itself, without the user.
#pragma once

#include <utility>
#include <vector>

#include "model/trend_terms.h"
#include "model/trend_function.h"

namespace tendencia {

// Several starts for fitting the groups to Y(1..n), best first (the least
// residual sum of squares at the start itself), at most `limit`. Each leaves
// the coefficients of other groups at 0 and has F evaluable at X = 1..n.
//
// The shape of each term (its exponent, rate, shift, frequency) comes from the
// series: linear fits of transformed data for the power (log-log), the
// exponential (log-linear), the logarithm and the hyperbola (1/Y against 1/X),
// the strongest frequencies of the periodogram of what the other terms leave
// for the cosines, the series' range and slope for the logistic terms, plus a
// few fixed shapes. For each combination of shapes the outer coefficients
// (b0, b1, b3, ...) and the cosines' amplitudes and phases are then a linear
// least-squares fit. Coefficients in `held` (k, value) keep their values in
// every start. Empty only when no combination could be evaluated.
std::vector<Coefficients> automatic_starts(const std::vector<double>& y,
                                           const std::vector<TermGroup>& groups, std::size_t limit,
                                           const std::vector<std::pair<int, double>>& held = {});

}  // namespace tendencia
