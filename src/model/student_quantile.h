// The exact two-sided Student t critical value, for the levels and degrees of
// freedom the built-in tables do not hold (more than 30 degrees, a level other
// than 90, 95 or 99 %). Computed with Boost.Math; only the fit and the chart
// link it, so the terminal program still needs nothing but the standard library.
#pragma once

#include <optional>

namespace tendencia {

// The t with P(|T| <= t) = level / 100 for Student's T with `degrees` degrees
// of freedom: the quantile 1 - (1 - level/100)/2. Nothing for degrees below 1
// or a level outside (0, 100).
std::optional<double> student_quantile(double level_percent, double degrees);

}  // namespace tendencia
