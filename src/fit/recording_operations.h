// The operations of F(X) (model/trend_function.h, trend_value) for the fit:
// where `evaluate` would stop the run, these record the failure and go on with a
// harmless value, so the solver hears "this step is not allowed" instead of an
// exception. Works for double and for ceres::Jet.
#pragma once

#include <ceres/jet.h>

#include <cmath>

namespace tendencia {

inline double scalar_part(double v) { return v; }
template <typename S, int N>
S scalar_part(const ceres::Jet<S, N>& v) {
  return v.a;
}

// A Jet is usable only when its derivatives are finite too: the solver builds
// its step from them.
inline bool usable(double v) { return std::isfinite(v); }
template <typename S, int N>
bool usable(const ceres::Jet<S, N>& v) {
  return std::isfinite(v.a) && v.v.array().isFinite().all();
}

// Each operation fails exactly where its checked counterpart in
// core/checked_math.h throws: a zero divisor, a logarithm of a non-positive
// number, a power without a real value, a result that is not finite.
template <typename T>
struct RecordingOperations {
  bool failed = false;

  T kept(const T& r) {
    if (usable(r)) return r;
    failed = true;
    return T(0.0);
  }

  template <typename A, typename B>
  T add(const A& a, const B& b) {
    return kept(T(a + b));
  }
  template <typename A, typename B>
  T mul(const A& a, const B& b) {
    return kept(T(a * b));
  }
  T div(const T& a, const T& b) {
    if (scalar_part(b) == 0.0) return fail();
    return kept(a / b);
  }
  T exp(const T& a) {
    using std::exp;
    return kept(exp(a));
  }
  T log(const T& a) {
    using std::log;
    if (!(scalar_part(a) > 0.0)) return fail();
    return kept(log(a));
  }
  T pow(double base, const T& exponent) {
    using std::pow;
    if (base == 0.0 && scalar_part(exponent) < 0.0) return fail();
    if (base < 0.0 && std::isnan(std::pow(base, scalar_part(exponent)))) return fail();
    return kept(pow(base, exponent));
  }
  T cos(const T& a) {
    using std::cos;
    return kept(cos(a));
  }

 private:
  T fail() {
    failed = true;
    return T(0.0);
  }
};

}  // namespace tendencia
