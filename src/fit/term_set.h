// A set of F(X)'s groups as the automatic choice weighs it: the groups, and
// whether the logistic is held as a step at the last value, which makes the
// recent level a term of F(X) (with the constant alone it projects the last
// value, as the naive projection does).
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "model/trend_terms.h"

namespace tendencia {

struct TermSet {
  std::vector<TermGroup> groups;  // in the order of F(X), each once
  bool level_step = false;        // groups then hold the logistic, kept as the step
  // The step rises before the last `level_values` values: the level of their
  // mean (1, the last value alone).
  int level_values = 1;

  bool operator==(const TermSet& other) const {
    return groups == other.groups && level_step == other.level_step &&
           (!level_step || level_values == other.level_values);
  }
};

// "constante potencia coseno", with "escalón" for the logistic held as a step
// ("escalón 4" when it rises before the last 4 values).
std::string term_set_name(const TermSet& set);

// The coefficients a fit of the set to n values holds: for the step, b18 = 0,
// b20 = -r and b19 = e^(r·c) with c = n - level_values + 0.5, so that
// b17/(1 + b19·e^(b20·X)) rises from 0 to b17 between X = c - 0.5 and
// X = c + 0.5, r as steep as e^(r·c) allows within the double range. Empty
// for a set without the step.
std::vector<std::pair<int, double>> held_coefficients(const TermSet& set, int n);

// The fewest points a fit of the set is validated on at an origin: two more
// than the coefficients it fits, and at least 3 for tendencia's line.
int fewest_points_to_fit(const TermSet& set);

}  // namespace tendencia
