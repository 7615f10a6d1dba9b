// The scores of a projection against the values it projected, as the M4
// competition defines them: errors scaled by the in-sample (seasonal) naive
// error, and the symmetric percentage error.
#pragma once

#include <optional>
#include <vector>

namespace tendencia {

// The mean absolute error of the seasonal naive projection Y(X) = Y(X - m)
// within Y(1..k) (y[0] is Y(1)): the divisor of MASE. With k <= m the plain
// naive error (m = 1) is used. Nothing when it is 0 or k < 2.
std::optional<double> naive_scale(const std::vector<double>& y, int k, int period);

// 200·|y - ŷ| / (|y| + |ŷ|), in percent; 0 when both are 0.
double symmetric_percentage_error(double observed, double projected);

}  // namespace tendencia
