#include "model/trend_function.h"

#include "core/checked_math.h"
#include "model/trend_terms.h"
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
  return formula_text([&](int k) { return sign_blank_form(coefficients.b[k]); },
                      FormulaStyle{"", "      ", true});
}

}  // namespace tendencia
