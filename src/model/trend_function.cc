#include "model/trend_function.h"

#include "core/checked_math.h"
#include "text/number_forms.h"

namespace tendencia {

double evaluate(const Coefficients& coefficients, Int16 x_index) {
  using namespace checked;
  const auto& b = coefficients.b;
  const double x = x_index;
  try {
    // The operations run in a fixed order, the same on every call; that order
    // decides which failure stops the run when several terms would fail.
    double e6 = exp(mul(b[6], x));
    double l8 = log(add(x, b[8]));
    double p = pow(x, b[2]);
    double s = add(b[0], mul(b[1], p));
    p = pow(x, b[4]);
    s = add(s, mul(b[3], p));
    s = add(s, mul(b[5], e6));
    s = add(s, mul(b[7], l8));
    double c1 = cos(add(mul(b[10], x), b[11]));
    double c2 = cos(add(mul(b[13], x), b[14]));
    s = add(s, mul(b[9], c1));
    s = add(s, mul(b[12], c2));
    double n = mul(b[15], x);
    double d = add(b[16], x);
    s = add(s, div(n, d));
    double e18 = exp(mul(b[18], x));
    double e20 = exp(mul(b[20], x));
    n = mul(b[17], e18);
    d = add(1.0, mul(b[19], e20));
    s = add(s, div(n, d));
    double e22 = exp(mul(b[22], x));
    double e24 = exp(mul(b[24], x));
    n = mul(b[21], e22);
    d = add(1.0, mul(b[23], e24));
    s = add(s, div(n, d));
    return s;
  } catch (Failure& failure) {
    // The place is named only when something failed: F runs 30,000 times a report.
    failure.locate("F(X) en X = " + std::to_string(x_index));
    throw;
  }
}

std::array<std::string, 4> formula_lines(const Coefficients& coefficients) {
  auto S = [&](int k) { return sign_blank_form(coefficients.b[k]); };
  return {
      "F(X) = " + S(0) + " + " + S(1) + "*X^(" + S(2) + ") + " + S(3) + "*X^(" + S(4) +
          ") + " + S(5) + "*exp(" + S(6) + "*X) + " + S(7) + "*log(X+" + S(8) + ")",
      "      + " + S(9) + "*cos(" + S(10) + "*X+" + S(11) + ") + " + S(12) + "*cos(" +
          S(13) + "*X+" + S(14) + ")",
      "      + " + S(15) + "*X/(" + S(16) + "+X) + " + S(17) + "*exp(" + S(18) +
          "*X)/(1+" + S(19) + "*exp(" + S(20) + "*X))",
      "      + " + S(21) + "*exp(" + S(22) + "*X)/(1+" + S(23) + "*exp(" + S(24) + "*X))",
  };
}

}  // namespace tendencia
