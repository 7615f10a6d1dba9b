#include "fit/term_set.h"

#include <algorithm>
#include <cmath>

namespace tendencia {
namespace {

// Steep enough that the step leaves under 1 % of itself at X = n - 1; for a
// long series the limit of e^(r·n) makes it softer, a level of the last few
// values.
constexpr double kStepRate = 10.0;
constexpr double kLargestExponent = 700.0;
// The mean's step at X = 1.5: X = 1 and X = 2 sit e^-50 from its foot and
// its top, below a double's rounding, while b19 = e^150 stays far from the
// double range's end for every program that evaluates F(X).
constexpr double kMeanStepRate = 100.0;

}  // namespace

std::string term_set_name(const TermSet& set) {
  std::string name;
  for (TermGroup g : set.groups) {
    const bool step = set.level_step && g == TermGroup::Logistic;
    std::string word = term_name(g);
    if (step) word = set.mean_level ? "media" : "escalón";
    name += std::string(name.empty() ? "" : " ") + word;
  }
  return name;
}

std::vector<std::pair<int, double>> held_coefficients(const TermSet& set, int n) {
  if (!set.level_step || n < 1) return {};
  const double centre = set.mean_level ? 1.5 : std::max(1.5, n - 0.5);
  const double rate = set.mean_level ? kMeanStepRate : std::min(kStepRate, kLargestExponent / centre);
  return {{coefficient_of(TermGroup::Logistic, kShape), 0.0},
          {coefficient_of(TermGroup::Logistic, kDenominatorScale), std::exp(rate * centre)},
          {coefficient_of(TermGroup::Logistic, kDenominatorRate), -rate}};
}

int fewest_points_to_fit(const TermSet& set) {
  int coefficients = 0;
  for (TermGroup g : set.groups) coefficients += static_cast<int>(term_coefficients(g).size());
  if (set.level_step) coefficients -= 3;
  return std::max(coefficients + 2, 3);
}

}  // namespace tendencia
