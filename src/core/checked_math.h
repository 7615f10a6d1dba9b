// Double arithmetic that stops the run instead of producing infinity or
// not-a-number. Each helper checks the one operation it performs, so the order in
// which a formula calls them decides which failure is reported first.
#pragma once

#include <cmath>

#include "core/failure.h"

namespace tendencia::checked {

inline double finite(double r) {
  if (!std::isfinite(r)) throw Failure(FailureKind::Overflow);
  return r;
}

inline double add(double a, double b) { return finite(a + b); }
inline double sub(double a, double b) { return finite(a - b); }
inline double mul(double a, double b) { return finite(a * b); }

inline double div(double a, double b) {
  if (b == 0.0) throw Failure(FailureKind::DivisionByZero);
  return finite(a / b);
}

// exp(0), x^0 and cos(0) are exactly 1, so they skip the library call: a trend
// with empty coefficients computes these terms at every period of the report.
inline double exp(double a) {
  if (a == 0.0) return 1.0;
  return finite(std::exp(a));
}

inline double log(double a) {
  if (!(a > 0.0)) throw Failure(FailureKind::LogarithmOfNonPositive);
  return finite(std::log(a));
}

inline double pow(double base, double exponent) {
  if (base == 0.0 && exponent < 0.0) throw Failure(FailureKind::DivisionByZero);
  if (exponent == 0.0) return 1.0;
  double r = std::pow(base, exponent);
  if (std::isnan(r)) throw Failure(FailureKind::PowerWithoutRealValue);
  return finite(r);
}

inline double cos(double a) {
  if (a == 0.0) return 1.0;
  return finite(std::cos(a));
}

inline double sqrt(double a) {
  if (a < 0.0) throw Failure(FailureKind::SquareRootOfNegative);
  return std::sqrt(a);
}

}  // namespace tendencia::checked
