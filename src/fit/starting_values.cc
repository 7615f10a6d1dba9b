#include "fit/starting_values.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

#include "fit/least_squares.h"
#include "fit/periodogram.h"
#include "fit/recording_operations.h"
#include "fit/series_residuals.h"

namespace tendencia {
namespace {

using Column = std::vector<double>;
// Values of some of a group's inner coefficients: (k, value of bk).
using Shape = std::vector<std::pair<int, double>>;

// Combinations of shapes tried; each costs one small linear fit (and one
// periodogram when the terms include a cosine).
constexpr std::size_t kMaxCombinations = 48;

// A transform of X = 1..n, for the lines through transformed data.
template <typename Transform>
Column column_of(std::size_t n, Transform transform) {
  Column c(n);
  for (std::size_t i = 0; i < n; ++i) c[i] = transform(static_cast<double>(i + 1));
  return c;
}

// F(X) at X = 1..n through the one formula of F, for coefficients where only one
// group's are not 0: that group's term. Nothing where F cannot be evaluated.
std::optional<Column> term_column(const Coefficients& c, std::size_t n) {
  Column column(n);
  RecordingOperations<double> operations;
  for (std::size_t i = 0; i < n; ++i)
    column[i] = trend_value(c.b, static_cast<double>(i + 1), operations);
  if (operations.failed) return std::nullopt;
  return column;
}

// The outer coefficient of a group, the one F(X) is linear in: b0, b1, b3, ...
std::size_t outer_index(TermGroup group) {
  return static_cast<std::size_t>(coefficient_of(group, kOuter));
}

// The coefficient that shapes a group's term: its exponent, rate, shift or
// frequency.
std::size_t shape_index(TermGroup group) {
  return static_cast<std::size_t>(coefficient_of(group, kShape));
}

bool is_cosine(TermGroup g) { return g == TermGroup::Cosine || g == TermGroup::SecondCosine; }

// The group's term with its outer coefficient 1 and its inner ones from `shape`.
Coefficients unit_term(TermGroup group, const Coefficients& shape) {
  Coefficients c;
  for (int k : term_coefficients(group))
    c.b[static_cast<std::size_t>(k)] = shape.b[static_cast<std::size_t>(k)];
  c.b[outer_index(group)] = 1.0;
  return c;
}

// The line v = intercept + slope·u by least squares.
struct Line {
  double intercept = 0.0, slope = 0.0;
  bool usable = false;
};

Line line_through(const std::vector<double>& u, const std::vector<double>& v) {
  Line line;
  if (u.size() < 2) return line;
  LinearFit fit = linear_fit({Column(u.size(), 1.0), u}, v);
  if (!fit.usable) return line;
  line.intercept = fit.coefficients[0];
  line.slope = fit.coefficients[1];
  line.usable = std::isfinite(line.slope) && std::isfinite(line.intercept);
  return line;
}

// What every guess needs to know about the series.
struct SeriesFacts {
  std::size_t n = 0;
  double lowest = 0.0, highest = 0.0, range = 1.0;
  bool has_constant = false;
  Line trend;  // Y against X
  // Levels to subtract before a transform, so what is left has one sign: just
  // below or above the series when the constant can take the level back, else 0.
  std::vector<double> bases;
};

SeriesFacts facts_of(const std::vector<double>& y, bool has_constant) {
  SeriesFacts facts;
  facts.n = y.size();
  facts.lowest = *std::min_element(y.begin(), y.end());
  facts.highest = *std::max_element(y.begin(), y.end());
  facts.range = facts.highest - facts.lowest;
  if (!(facts.range > 0.0) || !std::isfinite(facts.range)) facts.range = 1.0;
  facts.has_constant = has_constant;
  facts.trend = line_through(column_of(y.size(), [](double x) { return x; }), y);
  if (has_constant)
    facts.bases = {facts.lowest - 0.05 * facts.range, facts.highest + 0.05 * facts.range};
  else
    facts.bases = {0.0};
  return facts;
}

// log|y - base| when y - base keeps one sign and is never 0; empty otherwise.
std::vector<double> log_distance(const std::vector<double>& y, double base) {
  std::vector<double> v;
  double sign = y.front() - base > 0.0 ? 1.0 : -1.0;
  for (double value : y) {
    double d = sign * (value - base);
    if (!(d > 0.0)) return {};
    v.push_back(std::log(d));
  }
  return v;
}

// The inner coefficient bk of a group's term from the best of a few linear fits
// of Y on (1 when the constant is chosen, the term with bk = p), best first.
std::vector<double> best_by_scan(TermGroup group, std::size_t k, const std::vector<double>& grid,
                                 const SeriesFacts& facts, const std::vector<double>& y,
                                 std::size_t count) {
  std::vector<std::pair<double, double>> scored;  // (rss, p)
  for (double p : grid) {
    Coefficients shape;
    shape.b[k] = p;
    std::optional<Column> term = term_column(unit_term(group, shape), facts.n);
    if (!term) continue;
    std::vector<Column> columns;
    if (facts.has_constant) columns.push_back(Column(facts.n, 1.0));
    columns.push_back(*term);
    LinearFit fit = linear_fit(columns, y);
    if (fit.usable) scored.push_back({fit.rss, p});
  }
  std::stable_sort(scored.begin(), scored.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<double> best;
  for (std::size_t i = 0; i < scored.size() && i < count; ++i) best.push_back(scored[i].second);
  return best;
}

void add_distinct(std::vector<double>& values, double v) {
  if (!std::isfinite(v)) return;
  for (double w : values)
    if (std::abs(w - v) <= 1e-9 * std::max(1.0, std::abs(v))) return;
  values.push_back(v);
}

std::vector<Shape> shapes_of(std::size_t k, const std::vector<double>& values) {
  std::vector<Shape> shapes;
  for (double v : values) shapes.push_back({{static_cast<int>(k), v}});
  return shapes;
}

// Power: the slope of log|Y - base| against log X.
std::vector<double> exponent_guesses(TermGroup group, const SeriesFacts& facts,
                                     const std::vector<double>& y) {
  std::vector<double> guesses;
  Column log_x = column_of(facts.n, [](double x) { return std::log(x); });
  for (double base : facts.bases) {
    std::vector<double> v = log_distance(y, base);
    if (v.empty()) continue;
    Line line = line_through(log_x, v);
    if (line.usable && std::abs(line.slope) <= 10.0 && line.slope != 0.0)
      add_distinct(guesses, line.slope);
  }
  for (double p : best_by_scan(group, shape_index(group),
                               {-2, -1, -0.5, 0.25, 0.5, 0.75, 1, 1.5, 2, 3}, facts, y, 2))
    add_distinct(guesses, p);
  return guesses;
}

// Exponential: the slope of log|Y - base| against X.
std::vector<double> rate_guesses(const SeriesFacts& facts, const std::vector<double>& y) {
  std::vector<double> guesses;
  Column x = column_of(facts.n, [](double v) { return v; });
  const double n = static_cast<double>(facts.n);
  for (double base : facts.bases) {
    std::vector<double> v = log_distance(y, base);
    if (v.empty()) continue;
    Line line = line_through(x, v);
    if (line.usable && std::abs(line.slope) * n <= 200.0 && line.slope != 0.0)
      add_distinct(guesses, line.slope);
  }
  std::vector<double> grid;
  for (double g : {-4.0, -2.0, -1.0, -0.5, 0.5, 1.0, 2.0, 4.0}) grid.push_back(g / n);
  for (double p : best_by_scan(TermGroup::Exponential, shape_index(TermGroup::Exponential), grid,
                               facts, y, 2))
    add_distinct(guesses, p);
  return guesses;
}

// Shifts b for log(X + b) and X/(b + X): a few near 0, the others in
// proportion to the length of the series.
std::vector<double> shift_grid(const SeriesFacts& facts, std::vector<double> near_zero) {
  for (double g : {0.05, 0.1, 0.25, 0.5, 1.0, 2.0, 5.0})
    near_zero.push_back(g * static_cast<double>(facts.n));
  return near_zero;
}

// Logarithm: Y against log(X + b8) for the shifts of the grid.
std::vector<double> log_shift_guesses(const SeriesFacts& facts, const std::vector<double>& y) {
  std::vector<double> guesses;
  for (double p : best_by_scan(TermGroup::Logarithm, shape_index(TermGroup::Logarithm),
                               shift_grid(facts, {-0.9, -0.5, 0, 0.5, 1, 2}), facts, y, 2))
    add_distinct(guesses, p);
  add_distinct(guesses, 0.0);
  return guesses;
}

// Hyperbola: 1/(Y - base) = 1/b15 + (b16/b15)·(1/X), a line in 1/X.
std::vector<double> hyperbola_shift_guesses(const SeriesFacts& facts,
                                            const std::vector<double>& y) {
  std::vector<double> guesses;
  Column reciprocal_x = column_of(facts.n, [](double x) { return 1.0 / x; });
  std::vector<double> bases = facts.bases;
  if (facts.has_constant) bases.push_back(0.0);
  for (double base : bases) {
    std::vector<double> v;
    for (double value : y)
      if (value != base) v.push_back(1.0 / (value - base));
    if (v.size() != y.size()) continue;
    Line line = line_through(reciprocal_x, v);
    if (!line.usable || line.intercept == 0.0) continue;
    double shift = line.slope / line.intercept;
    if (shift > -1.0 && shift < 1e6) add_distinct(guesses, shift);
  }
  for (double p : best_by_scan(TermGroup::Hyperbola, shape_index(TermGroup::Hyperbola),
                               shift_grid(facts, {-0.5, 0.5, 1, 2}), facts, y, 2))
    add_distinct(guesses, p);
  return guesses;
}

// Logistic: a step of the series' range centred where its trend line crosses
// the middle of the range, as steep as the series is near there (the slope of
// L/(1 + exp(-k(X - x0))) at x0 is k·L/4). It enters F(X) as
// b·exp(kX)/(1 + exp(-k·x0)·exp(kX)).
std::vector<Shape> logistic_guesses(TermGroup group, const SeriesFacts& facts,
                                    const std::vector<double>& y) {
  const bool second = group == TermGroup::SecondLogistic;
  const double n = static_cast<double>(facts.n);
  double middle = 0.5 * (facts.lowest + facts.highest);
  double centre = 0.5 * (1.0 + n);
  if (facts.trend.usable && facts.trend.slope != 0.0)
    centre = std::clamp((middle - facts.trend.intercept) / facts.trend.slope, 1.0, n);
  double local_slope = facts.trend.usable ? facts.trend.slope : 0.0;
  std::vector<double> near_x, near_y;
  for (std::size_t i = 0; i < facts.n; ++i) {
    double x = static_cast<double>(i + 1);
    if (std::abs(x - centre) <= std::max(2.0, n / 6.0)) {
      near_x.push_back(x);
      near_y.push_back(y[i]);
    }
  }
  Line near = line_through(near_x, near_y);
  if (near.usable && near.slope != 0.0) local_slope = near.slope;
  double k = 4.0 * local_slope / facts.range;
  double sign = k < 0.0 ? -1.0 : 1.0;
  k = sign * std::clamp(std::abs(k) * n, 1.0, 200.0) / n;

  std::vector<std::pair<double, double>> steps;  // (k, x0)
  if (second)
    steps = {{k, 0.25 * n}, {k, 0.75 * n}, {k, centre}};
  else
    steps = {{k, centre}, {0.5 * k, centre}, {2.0 * k, centre}, {k, n}};
  std::vector<Shape> shapes;
  for (auto [rate, x0] : steps) {
    rate = sign * std::min(std::abs(rate) * n, 200.0) / n;
    shapes.push_back({{coefficient_of(group, kShape), rate},
                      {coefficient_of(group, kDenominatorScale), std::exp(-rate * x0)},
                      {coefficient_of(group, kDenominatorRate), rate}});
  }
  return shapes;
}

// The shapes tried for one group; the constant has none, and the cosines get
// theirs later from the periodogram.
std::vector<Shape> shape_guesses(TermGroup group, const SeriesFacts& facts,
                                 const std::vector<double>& y) {
  switch (group) {
    case TermGroup::Power:
      return shapes_of(shape_index(group), exponent_guesses(group, facts, y));
    case TermGroup::SecondPower: {
      // Beside the first power, the second starts from the other guesses first.
      std::vector<double> guesses = exponent_guesses(group, facts, y);
      if (guesses.size() > 1) std::rotate(guesses.begin(), guesses.begin() + 1, guesses.end());
      return shapes_of(shape_index(group), guesses);
    }
    case TermGroup::Exponential:
      return shapes_of(shape_index(group), rate_guesses(facts, y));
    case TermGroup::Logarithm:
      return shapes_of(shape_index(group), log_shift_guesses(facts, y));
    case TermGroup::Hyperbola:
      return shapes_of(shape_index(group), hyperbola_shift_guesses(facts, y));
    case TermGroup::Logistic:
    case TermGroup::SecondLogistic:
      return logistic_guesses(group, facts, y);
    case TermGroup::Constant:
    case TermGroup::Cosine:
    case TermGroup::SecondCosine:
      break;
  }
  return {Shape{}};
}

// The columns of one group given its inner coefficients in `shape`, appended
// to `columns`; a cosine gives two, cos(wX) and sin(wX) = cos(wX - π/2), so
// its phase is linear too. False when a column cannot be evaluated.
bool append_columns(TermGroup group, const Coefficients& shape, std::size_t n,
                    std::vector<Column>& columns) {
  Coefficients unit = unit_term(group, shape);
  if (!is_cosine(group)) {
    std::optional<Column> column = term_column(unit, n);
    if (column) columns.push_back(*column);
    return column.has_value();
  }
  const auto phase = static_cast<std::size_t>(coefficient_of(group, kPhase));
  for (double value : {0.0, -kPi / 2}) {
    unit.b[phase] = value;
    std::optional<Column> column = term_column(unit, n);
    if (!column) return false;
    columns.push_back(*column);
  }
  return true;
}

// Stores the linear fit's coefficients as the groups' outer coefficients; a
// cosine's A·cos(wX) + B·sin(wX) becomes its amplitude and phase.
void store_outer(TermGroup group, const std::vector<double>& fitted, std::size_t& at,
                 Coefficients& c) {
  const std::size_t outer = outer_index(group);
  if (!is_cosine(group)) {
    c.b[outer] = fitted[at++];
    return;
  }
  double a = fitted[at++], b = fitted[at++];
  c.b[outer] = std::hypot(a, b);
  c.b[static_cast<std::size_t>(coefficient_of(group, kPhase))] = std::atan2(-b, a);
}

// The linear fit of the groups given their shapes; what Y leaves over in
// `residual` when asked. False when a column cannot be evaluated.
bool fit_outer(const std::vector<TermGroup>& groups, Coefficients& c, const std::vector<double>& y,
               std::vector<double>* residual = nullptr) {
  std::vector<Column> columns;
  for (TermGroup g : groups)
    if (!append_columns(g, c, y.size(), columns)) return false;
  LinearFit fit = linear_fit(columns, y);
  if (!fit.usable) return false;
  std::size_t at = 0;
  for (TermGroup g : groups) store_outer(g, fit.coefficients, at, c);
  if (residual) {
    residual->assign(y.begin(), y.end());
    for (std::size_t j = 0; j < columns.size(); ++j)
      for (std::size_t i = 0; i < y.size(); ++i)
        (*residual)[i] -= fit.coefficients[j] * columns[j][i];
  }
  return true;
}

// Index tuples over lists of the given sizes, those with the smallest index sum
// (the best guesses of every group together) first, at most `limit`.
std::vector<std::vector<std::size_t>> combinations(const std::vector<std::size_t>& sizes,
                                                   std::size_t limit) {
  std::vector<std::vector<std::size_t>> all;
  std::size_t most = 0;
  for (std::size_t s : sizes) most += s - 1;
  std::vector<std::size_t> tuple(sizes.size());
  for (std::size_t sum = 0; sum <= most && all.size() < limit; ++sum) {
    // Every tuple with this index sum, by odometer over the bounded digits.
    std::fill(tuple.begin(), tuple.end(), 0);
    for (;;) {
      std::size_t total = 0;
      for (std::size_t d : tuple) total += d;
      if (total == sum) all.push_back(tuple);
      if (all.size() == limit) break;
      std::size_t i = 0;
      while (i < tuple.size() && ++tuple[i] == sizes[i]) tuple[i++] = 0;
      if (i == tuple.size()) break;
    }
  }
  return all;
}

// Two terms of the same kind with the same shape are one term twice.
bool repeats_a_shape(const Coefficients& c, const std::vector<TermGroup>& groups) {
  auto has = [&](TermGroup g) {
    return std::find(groups.begin(), groups.end(), g) != groups.end();
  };
  auto same_shape = [&](TermGroup first, TermGroup second) {
    const std::vector<int> a = term_coefficients(first), b = term_coefficients(second);
    for (std::size_t place = kShape; place < a.size(); ++place)
      if (c.b[static_cast<std::size_t>(a[place])] != c.b[static_cast<std::size_t>(b[place])])
        return false;
    return true;
  };
  return (has(TermGroup::Power) && has(TermGroup::SecondPower) &&
          same_shape(TermGroup::Power, TermGroup::SecondPower)) ||
         (has(TermGroup::Logistic) && has(TermGroup::SecondLogistic) &&
          same_shape(TermGroup::Logistic, TermGroup::SecondLogistic));
}

}  // namespace

std::vector<Coefficients> automatic_starts(const std::vector<double>& y,
                                           const std::vector<TermGroup>& groups,
                                           std::size_t limit,
                                           const std::vector<std::pair<int, double>>& held) {
  if (y.empty() || limit == 0) return {};
  auto chosen = [&](TermGroup g) {
    return std::find(groups.begin(), groups.end(), g) != groups.end();
  };
  SeriesFacts facts = facts_of(y, chosen(TermGroup::Constant));

  std::vector<TermGroup> shaped;  // every group but the cosines
  std::vector<std::vector<Shape>> guesses;
  std::vector<std::size_t> sizes;
  for (TermGroup g : groups) {
    if (is_cosine(g)) continue;
    shaped.push_back(g);
    const std::vector<int> own = term_coefficients(g);
    Shape held_shape;
    for (const auto& [k, value] : held)
      if (std::find(own.begin(), own.end(), k) != own.end()) held_shape.push_back({k, value});
    guesses.push_back(held_shape.empty() ? shape_guesses(g, facts, y)
                                         : std::vector<Shape>{held_shape});
    if (guesses.back().empty()) guesses.back().push_back(Shape{});
    sizes.push_back(guesses.back().size());
  }
  const bool one_cosine = chosen(TermGroup::Cosine) != chosen(TermGroup::SecondCosine);
  const bool two_cosines = chosen(TermGroup::Cosine) && chosen(TermGroup::SecondCosine);
  const auto frequency = [](TermGroup g) {
    return static_cast<std::size_t>(coefficient_of(g, kShape));
  };
  const std::size_t first_frequency =
      frequency(chosen(TermGroup::Cosine) ? TermGroup::Cosine : TermGroup::SecondCosine);

  std::vector<std::pair<double, Coefficients>> starts;  // (rss, start)
  for (const std::vector<std::size_t>& tuple : combinations(sizes, kMaxCombinations)) {
    Coefficients shape;
    for (std::size_t g = 0; g < tuple.size(); ++g)
      for (auto [k, v] : guesses[g][tuple[g]]) shape.b[static_cast<std::size_t>(k)] = v;
    if (repeats_a_shape(shape, groups)) continue;

    std::vector<Coefficients> candidates;
    if (one_cosine || two_cosines) {
      // The cosines' frequencies come from what the other terms leave over.
      std::vector<double> left = y;
      Coefficients others = shape;
      if (!shaped.empty() && !fit_outer(shaped, others, y, &left)) continue;
      std::vector<double> w = strongest_frequencies(left, 3);
      if (w.empty()) w.push_back(2.0 * kPi / static_cast<double>(y.size()));
      for (std::size_t i = 0; i < w.size() && i < 2; ++i) {
        Coefficients c = shape;
        if (two_cosines) {
          if (w.size() < 2) break;
          c.b[frequency(TermGroup::Cosine)] = w[0];
          c.b[frequency(TermGroup::SecondCosine)] = w[i + 1 < w.size() ? i + 1 : 1];
        } else {
          c.b[first_frequency] = w[i];
        }
        candidates.push_back(c);
      }
    } else {
      candidates.push_back(shape);
    }
    for (Coefficients& c : candidates) {
      if (!fit_outer(groups, c, y)) continue;
      if (std::optional<double> rss = residual_sum_of_squares(c, y)) starts.push_back({*rss, c});
    }
  }
  std::stable_sort(starts.begin(), starts.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<Coefficients> best;
  for (const auto& [rss, c] : starts) {
    bool repeated = std::any_of(best.begin(), best.end(),
                                [&](const Coefficients& other) { return other.b == c.b; });
    if (!repeated) best.push_back(c);
    if (best.size() == limit) break;
  }
  return best;
}

}  // namespace tendencia
