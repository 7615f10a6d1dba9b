#include "model/trend_function.h"

#include "core/checked_math.h"
#include "text/number_forms.h"

namespace tendencia {

namespace {

// The checked operations of core/checked_math.h, each stopping the run with a
// Failure instead of giving infinity or not-a-number.
struct CheckedOperations {
  static double add(double a, double b) { return checked::add(a, b); }
  static double mul(double a, double b) { return checked::mul(a, b); }
  static double div(double a, double b) { return checked::div(a, b); }
  static double exp(double a) { return checked::exp(a); }
  static double log(double a) { return checked::log(a); }
  static double pow(double base, double exponent) { return checked::pow(base, exponent); }
  static double cos(double a) { return checked::cos(a); }
};

}  // namespace

double evaluate(const Coefficients& coefficients, Int16 x_index) {
  CheckedOperations operations;
  try {
    return trend_value(coefficients.b, x_index, operations);
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
