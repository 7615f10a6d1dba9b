// Numbers as a chart shows them to people: few digits, the report's decimal
// separator, a true minus sign. The report's 15 digits stay in the report.
#pragma once

#include <string>

namespace tendencia {

// `value` (finite) rounded to `significant` digits (1..15), trailing zeros
// dropped, in exponent form ("1,5E-07") only beyond 1E+09 or below 1E-04;
// negatives open with U+2212. Empty for a value that is not finite.
std::string readable_number(double value, int significant, const std::string& decimal);

// An axis label for `value`, a multiple of `step` (finite, positive): as many
// decimals as the step needs, never "-0".
std::string tick_text(double value, double step, const std::string& decimal);

}  // namespace tendencia
