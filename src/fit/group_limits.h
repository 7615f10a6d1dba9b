// An optimum at a limit: the fitted coefficients of a group run off to where
// the group becomes a simpler function (a logarithm or a hyperbola whose shift
// grows without end is a straight line, an exponential whose rate shrinks to 0
// is a line, a logistic that saturates is an exponential). There the solver
// wanders or "converges" with standard errors far beyond the coefficients, and
// the simpler function fits as well; the group that expresses it should be
// fitted instead.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "fit/term_groups.h"
#include "fit/trend_fit.h"

namespace tendencia {

struct GroupLimit {
  TermGroup group;                  // the group at a limit
  std::string limit;                // how its coefficients run: "b8 → ∞"
  std::string becomes;              // what it becomes: "una recta"
  std::vector<TermGroup> instead;   // the set that expresses the limit, in F's order
};

// Is `fit` (of `groups` to Y(1..n), converged or not) at a limit? One rule for
// every group: the group's coefficients are ill determined (the solver did not
// converge, a standard error is missing or more than 10 times its
// coefficient) and one of the group's limit functions (a constant, a line in
// X, a logarithm of X, an exponential at the group's own rate, a jump at the
// last value for a power whose exponent runs off), refitted with
// a constant in the group's place, leaves a residual sum of squares no larger
// than the fit's (within 1e-4 of it). The simplest such limit of the first
// such group is returned; nothing when no group is at a limit.
std::optional<GroupLimit> group_at_limit(const FittedTrend& fit, const std::vector<double>& y,
                                         const std::vector<TermGroup>& groups);

// The Spanish sentence for a limit, without a final period: "el mejor ajuste
// lleva logaritmo a un límite (b8 → ∞), donde se vuelve una recta; use
// constante potencia".
std::string limit_message(const GroupLimit& limit, const std::vector<TermGroup>& groups);

}  // namespace tendencia
