// The user's trend function F(X): a fixed sum of ten terms over 25 coefficients
// b0..b24. Here it is evaluated and written out; run/ asks the coefficients.
#pragma once

#include <array>
#include <string>

#include "core/int16_arithmetic.h"

namespace tendencia {

struct Coefficients {
  std::array<double, 25> b{};
};

// F(X). Every term is computed at every call, whatever its coefficients, so a
// term with a zero outer coefficient can still stop the run (log(0), 0/0, ...).
double evaluate(const Coefficients& c, Int16 x);

// The four formula lines of the report, each the plain concatenation of its items.
std::array<std::string, 4> formula_lines(const Coefficients& c);

}  // namespace tendencia
