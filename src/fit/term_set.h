// A set of F(X)'s groups as the automatic choice weighs it: the groups, and
// whether the logistic is held as a step at the last value, which makes the
// recent level a term of F(X) (with the constant alone it projects the last
// value, as the naive projection does), or at the first, which makes the
// level of the mean one (with the constant alone it projects the mean).
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "model/trend_terms.h"

namespace tendencia {

struct TermSet {
  std::vector<TermGroup> groups;  // in the order of F(X), each once
  bool level_step = false;        // groups then hold the logistic, kept as the step
  // The step rises after the first value instead of before the last: its
  // height is the mean of the other values' level.
  bool mean_level = false;

  bool operator==(const TermSet& other) const {
    return groups == other.groups && level_step == other.level_step &&
           (!level_step || mean_level == other.mean_level);
  }
};

// "constante potencia coseno", with "escalón" for the logistic held as the
// step at the last value and "media" for the step after the first.
std::string term_set_name(const TermSet& set);

// The coefficients a fit of the set to n values holds: for the step, b18 = 0,
// b20 = -r and b19 = e^(r·c), so that b17/(1 + b19·e^(b20·X)) rises from 0 to
// b17 between X = c - 0.5 and X = c + 0.5. At the last value c = n - 0.5 and
// r is 10, or less where e^(r·c) would leave the double range; after the
// first c = 1.5 and r = 100, so that every value but the first sits on the
// step's top to the last digit. Empty for a set without the step.
std::vector<std::pair<int, double>> held_coefficients(const TermSet& set, int n);

// The fewest points a fit of the set is validated on at an origin: two more
// than the coefficients it fits, and at least 3 for tendencia's line.
int fewest_points_to_fit(const TermSet& set);

}  // namespace tendencia
