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

// The one home of the formula, over any scalar type T and an operations policy
// `ops` giving add, mul, div, exp, log, pow(x, T) and cos. The operations run in
// a fixed order, the same on every call; that order decides which failure is
// reported when several terms would fail, so the checked policy of `evaluate`
// and the recording policy of the fit see the same failure first.
template <typename T, typename Ops>
T trend_value(const std::array<T, 25>& b, double x, Ops& ops) {
  T e6 = ops.exp(ops.mul(b[6], x));
  T l8 = ops.log(ops.add(x, b[8]));
  T p = ops.pow(x, b[2]);
  T s = ops.add(b[0], ops.mul(b[1], p));
  p = ops.pow(x, b[4]);
  s = ops.add(s, ops.mul(b[3], p));
  s = ops.add(s, ops.mul(b[5], e6));
  s = ops.add(s, ops.mul(b[7], l8));
  T c1 = ops.cos(ops.add(ops.mul(b[10], x), b[11]));
  T c2 = ops.cos(ops.add(ops.mul(b[13], x), b[14]));
  s = ops.add(s, ops.mul(b[9], c1));
  s = ops.add(s, ops.mul(b[12], c2));
  T n = ops.mul(b[15], x);
  T d = ops.add(b[16], x);
  s = ops.add(s, ops.div(n, d));
  T e18 = ops.exp(ops.mul(b[18], x));
  T e20 = ops.exp(ops.mul(b[20], x));
  n = ops.mul(b[17], e18);
  d = ops.add(1.0, ops.mul(b[19], e20));
  s = ops.add(s, ops.div(n, d));
  T e22 = ops.exp(ops.mul(b[22], x));
  T e24 = ops.exp(ops.mul(b[24], x));
  n = ops.mul(b[21], e22);
  d = ops.add(1.0, ops.mul(b[23], e24));
  s = ops.add(s, ops.div(n, d));
  return s;
}

// F(X). Every term is computed at every call, whatever its coefficients, so a
// term with a zero outer coefficient can still stop the run (log(0), 0/0, ...).
double evaluate(const Coefficients& c, Int16 x);

// The four formula lines of the report, each the plain concatenation of its items.
std::array<std::string, 4> formula_lines(const Coefficients& c);

}  // namespace tendencia
