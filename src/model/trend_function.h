// The user's trend function F(X): a fixed sum of ten terms over 25 coefficients
// b0..b24. Here it is evaluated and written out; run/ asks the coefficients.
#pragma once

#include <array>
#include <string>

#include "core/int16_arithmetic.h"
#include "model/trend_terms.h"

namespace tendencia {

struct Coefficients {
  std::array<double, 25> b{};
};

// Which groups' terms trend_value computes: every one for the run. A fit may
// leave out the groups whose coefficients are all 0: their terms are then
// exactly 0 at every X >= 1 and cannot fail, so leaving them out changes no
// value and no failure, only the time spent.
using TermMask = unsigned;
constexpr TermMask kEveryTerm = ~0u;
constexpr TermMask term_bit(TermGroup group) { return 1u << static_cast<unsigned>(group); }

// The one home of the formula, over any scalar type T and an operations policy
// `ops` giving add, mul, div, exp, log, pow(x, T) and cos. The operations run in
// a fixed order, the same on every call; that order decides which failure is
// reported when several terms would fail, so the checked policy of `evaluate`
// and the recording policy of the fit see the same failure first.
template <typename T, typename Ops>
T trend_value(const std::array<T, 25>& b, double x, Ops& ops, TermMask terms = kEveryTerm) {
  auto has = [terms](TermGroup g) { return (terms & term_bit(g)) != 0; };
  using G = TermGroup;
  T e6 = has(G::Exponential) ? ops.exp(ops.mul(b[6], x)) : T(0.0);
  T l8 = has(G::Logarithm) ? ops.log(ops.add(x, b[8])) : T(0.0);
  T s = has(G::Power) ? ops.add(b[0], ops.mul(b[1], ops.pow(x, b[2]))) : ops.add(b[0], 0.0);
  if (has(G::SecondPower)) s = ops.add(s, ops.mul(b[3], ops.pow(x, b[4])));
  if (has(G::Exponential)) s = ops.add(s, ops.mul(b[5], e6));
  if (has(G::Logarithm)) s = ops.add(s, ops.mul(b[7], l8));
  T c1 = has(G::Cosine) ? ops.cos(ops.add(ops.mul(b[10], x), b[11])) : T(0.0);
  T c2 = has(G::SecondCosine) ? ops.cos(ops.add(ops.mul(b[13], x), b[14])) : T(0.0);
  if (has(G::Cosine)) s = ops.add(s, ops.mul(b[9], c1));
  if (has(G::SecondCosine)) s = ops.add(s, ops.mul(b[12], c2));
  // Numerators before denominators, one statement each: the order of a
  // function's arguments is not the order they are computed in.
  if (has(G::Hyperbola)) {
    T n = ops.mul(b[15], x);
    T d = ops.add(b[16], x);
    s = ops.add(s, ops.div(n, d));
  }
  // b[k]·exp(b[k+1]·X)/(1 + b[k+2]·exp(b[k+3]·X)): both exponentials, then
  // the numerator, the denominator and the quotient.
  auto logistic = [&](std::size_t k) {
    T rising = ops.exp(ops.mul(b[k + 1], x));
    T falling = ops.exp(ops.mul(b[k + 3], x));
    T n = ops.mul(b[k], rising);
    T d = ops.add(1.0, ops.mul(b[k + 2], falling));
    return ops.div(n, d);
  };
  if (has(G::Logistic)) s = ops.add(s, logistic(17));
  if (has(G::SecondLogistic)) s = ops.add(s, logistic(21));
  return s;
}

// F(X). Every term is computed at every call, whatever its coefficients, so a
// term with a zero outer coefficient can still stop the run (log(0), 0/0, ...).
double evaluate(const Coefficients& c, Int16 x);

// The four formula lines of the report, each the plain concatenation of its items.
std::array<std::string, 4> formula_lines(const Coefficients& c);

}  // namespace tendencia
