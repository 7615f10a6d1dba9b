#include "fit/automatic_terms.h"
#include "fit/report_columns.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <thread>
#include <tuple>

namespace tendencia {
namespace {

using G = TermGroup;

constexpr double kTwoPi = 6.283185307179586;
// A candidate whose fit still crawls after this many iterations is too
// ill-posed to be chosen; the time is better spent on the others.
constexpr int kCandidatePolishIterations = 300;

// y minus its least-squares cubic in X (Gram-Schmidt on 1, u, u², u³ with u
// the centred and scaled X), so a smooth trend leaves little at the lowest
// frequencies.
std::vector<double> without_cubic_trend(const std::vector<double>& y) {
  const std::size_t n = y.size();
  std::vector<std::vector<double>> basis;
  std::vector<double> r = y;
  for (int degree = 0; degree <= 3; ++degree) {
    std::vector<double> p(n);
    for (std::size_t i = 0; i < n; ++i) {
      const double u = (static_cast<double>(i) - (static_cast<double>(n) - 1) / 2) /
                       static_cast<double>(n);
      p[i] = std::pow(u, degree);
    }
    for (const std::vector<double>& q : basis) {
      double dot = 0.0;
      for (std::size_t i = 0; i < n; ++i) dot += p[i] * q[i];
      for (std::size_t i = 0; i < n; ++i) p[i] -= dot * q[i];
    }
    double norm = 0.0;
    for (double v : p) norm += v * v;
    norm = std::sqrt(norm);
    if (!(norm > 1e-12)) continue;
    for (double& v : p) v /= norm;
    double dot = 0.0;
    for (std::size_t i = 0; i < n; ++i) dot += r[i] * p[i];
    for (std::size_t i = 0; i < n; ++i) r[i] -= dot * p[i];
    basis.push_back(p);
  }
  return r;
}

// |Σ r(X)·e^(-iωX)|² over X = 1..n.
double ordinate(const std::vector<double>& r, double w) {
  double re = 0.0, im = 0.0;
  for (std::size_t t = 0; t < r.size(); ++t) {
    re += r[t] * std::cos(w * static_cast<double>(t + 1));
    im += r[t] * std::sin(w * static_cast<double>(t + 1));
  }
  return re * re + im * im;
}

// The ordinates at ω_j = 2πj/n, j = 1..⌊(n-1)/2⌋.
std::vector<double> periodogram(const std::vector<double>& r) {
  std::vector<double> ordinates;
  const std::size_t n = r.size();
  for (std::size_t j = 1; 2 * j < n; ++j)
    ordinates.push_back(ordinate(r, kTwoPi * static_cast<double>(j) / static_cast<double>(n)));
  return ordinates;
}

// The strongest frequency within one Fourier step of ω, on a grid of 1/16 step.
double finest_frequency(const std::vector<double>& r, double w, double step) {
  double best = w, strongest = ordinate(r, w);
  for (int i = -16; i <= 16; ++i) {
    const double candidate = w + step * i / 16.0;
    if (candidate <= 0.0) continue;
    const double o = ordinate(r, candidate);
    if (o > strongest) strongest = o, best = candidate;
  }
  return best;
}

// r minus its least-squares a·cos(ωX) + b·sin(ωX).
std::vector<double> without_cosine(const std::vector<double>& r, double w) {
  double cc = 0, ss = 0, cs = 0, rc = 0, rs = 0;
  for (std::size_t t = 0; t < r.size(); ++t) {
    const double c = std::cos(w * static_cast<double>(t + 1)), s = std::sin(w * static_cast<double>(t + 1));
    cc += c * c, ss += s * s, cs += c * s, rc += r[t] * c, rs += r[t] * s;
  }
  const double det = cc * ss - cs * cs;
  if (!(std::abs(det) > 0.0)) return r;
  const double a = (rc * ss - rs * cs) / det, b = (rs * cc - rc * cs) / det;
  std::vector<double> left(r.size());
  for (std::size_t t = 0; t < r.size(); ++t)
    left[t] = r[t] - a * std::cos(w * static_cast<double>(t + 1)) -
              b * std::sin(w * static_cast<double>(t + 1));
  return left;
}

// Fisher's g test: is the largest of these ordinates a peak at 1 %?
// P(g > x) ≈ m·(1 - x)^(m - 1), the first term of its exact series.
std::optional<std::size_t> significant_peak(const std::vector<double>& ordinates,
                                            const std::vector<bool>& excluded) {
  double sum = 0.0, largest = -1.0;
  std::size_t at = 0, m = 0;
  for (std::size_t j = 0; j < ordinates.size(); ++j) {
    if (excluded[j]) continue;
    ++m;
    sum += ordinates[j];
    if (ordinates[j] > largest) largest = ordinates[j], at = j;
  }
  if (m < 3 || !(sum > 0.0)) return std::nullopt;
  const double g = largest / sum;
  const double p = static_cast<double>(m) * std::pow(1.0 - g, static_cast<double>(m - 1));
  if (p < 0.01) return at;
  return std::nullopt;
}

std::size_t coefficient_count(const std::vector<TermGroup>& groups) {
  std::size_t count = 0;
  for (TermGroup g : groups) count += term_coefficients(g).size();
  return count;
}

void evaluate_candidate(const std::vector<double>& y, ValidationSettings settings,
                        CandidateOutcome& outcome) {
  // Past half its origins failed, a set ranks with the unreliable ones
  // whatever the rest would give.
  settings.most_failures = settings.origins / 2 + 1;
  try {
    outcome.fit = fit_trend(y, outcome.groups, {}, kCandidatePolishIterations);
    outcome.validation = validate_terms(y, outcome.groups, *outcome.fit, settings);
  } catch (const std::exception& refused) {
    outcome.skipped = refused.what();
    return;
  }
}

// A set whose rolling MASE passes this projects more than ten times worse
// than the naive projection: whatever its rank, it is no trend to trust.
constexpr double kUntrustedMase = 10.0;

// The ranking's measure: first the sets that validate at every origin, then
// those that fail at no more than half of them, then the rest and every set
// whose MASE passes kUntrustedMase; within each, MASE where computable, else
// sMAPE after every MASE; fewer coefficients on a tie.
using RankKey = std::tuple<int, int, double, std::size_t>;

RankKey rank_key(const std::vector<TermGroup>& groups, const Validation& v) {
  int reliability = v.failed_origins == 0 ? 0 : 2 * v.failed_origins <= v.origin_count() ? 1 : 2;
  if (v.total.mase && *v.total.mase > kUntrustedMase) reliability = 2;
  if (v.total.mase) return {reliability, 0, *v.total.mase, coefficient_count(groups)};
  return {reliability, 1, v.total.smape, coefficient_count(groups)};
}

// Fits and validates outcomes[first..]; each candidate is independent of the
// others, so two threads share them.
void evaluate_all(const std::vector<double>& y, const ValidationSettings& settings,
                  std::vector<CandidateOutcome>& outcomes, std::size_t first) {
  std::atomic<std::size_t> next{first};
  auto work = [&] {
    for (std::size_t i = next++; i < outcomes.size(); i = next++)
      evaluate_candidate(y, settings, outcomes[i]);
  };
  std::thread helper(work);
  work();
  helper.join();
}

}  // namespace

std::string term_set_name(const std::vector<TermGroup>& groups) {
  std::string name;
  for (TermGroup g : groups) name += std::string(name.empty() ? "" : " ") + term_name(g);
  return name;
}

std::vector<std::vector<TermGroup>> candidate_sets(int peaks) {
  // Every trend shape, alone and with each season the periodogram found: no
  // pairing is preferred, so no pairing can be missing.
  const TermGroup trends[] = {G::Power, G::Exponential, G::Logarithm, G::Hyperbola, G::Logistic};
  std::vector<std::vector<TermGroup>> seasons = {{}};
  if (peaks >= 1) seasons.push_back({G::Cosine});
  if (peaks >= 2) seasons.push_back({G::Cosine, G::SecondCosine});
  std::vector<std::vector<TermGroup>> sets;
  for (const std::vector<TermGroup>& season : seasons) {
    if (!season.empty()) {
      sets.push_back({G::Constant});
      sets.back().insert(sets.back().end(), season.begin(), season.end());
    }
    for (TermGroup trend : trends) {
      sets.push_back({G::Constant, trend});
      sets.back().insert(sets.back().end(), season.begin(), season.end());
    }
  }
  return sets;
}

std::vector<double> periodogram_peaks(const std::vector<double>& y) {
  if (y.size() < 8) return {};
  std::vector<double> r = without_cubic_trend(y);
  std::vector<double> periods;
  for (int peak = 0; peak < 2; ++peak) {
    const std::vector<double> ordinates = periodogram(r);
    // One or two cycles over the whole series are what a trend that is no
    // quadratic leaves behind, not a season.
    std::vector<bool> excluded(ordinates.size(), false);
    for (std::size_t j = 0; j < 2 && j < excluded.size(); ++j) excluded[j] = true;
    std::optional<std::size_t> at = significant_peak(ordinates, excluded);
    if (!at) break;
    // The peak's own frequency, between the Fourier steps beside it; its
    // cosine is taken out so its leakage is no second peak.
    const double step = kTwoPi / static_cast<double>(r.size());
    const double frequency = finest_frequency(r, step * static_cast<double>(*at + 1), step);
    periods.push_back(kTwoPi / frequency);
    r = without_cosine(r, frequency);
  }
  return periods;
}

AutomaticChoice choose_terms(const std::vector<double>& y, const AutomaticSettings& settings) {
  AutomaticChoice choice;
  choice.settings = settings.validation;
  choice.peak_periods = periodogram_peaks(y);
  std::vector<CandidateOutcome> outcomes;
  for (const auto& set : candidate_sets(static_cast<int>(choice.peak_periods.size())))
    outcomes.push_back({set, std::nullopt, std::nullopt, ""});
  evaluate_all(y, settings.validation, outcomes, 0);
  // Where no set without cosines validates at most of its origins with a MASE
  // to trust and the periodogram kept the cosines out, the cosine sets are
  // tried after all.
  const bool any_reliable =
      std::any_of(outcomes.begin(), outcomes.end(), [](const CandidateOutcome& c) {
        return c.skipped.empty() && std::get<0>(rank_key(c.groups, *c.validation)) < 2;
      });
  if (!any_reliable && choice.peak_periods.empty()) {
    const std::size_t first_fallback = outcomes.size();
    for (const auto& set : candidate_sets(2))
      if (std::find_if(outcomes.begin(), outcomes.end(), [&](const CandidateOutcome& c) {
            return c.groups == set;
          }) == outcomes.end())
        outcomes.push_back({set, std::nullopt, std::nullopt, ""});
    evaluate_all(y, settings.validation, outcomes, first_fallback);
  }

  std::vector<std::pair<RankKey, std::size_t>> order;
  for (std::size_t i = 0; i < outcomes.size(); ++i) {
    if (outcomes[i].skipped.empty() && outcomes[i].validation)
      order.push_back({rank_key(outcomes[i].groups, *outcomes[i].validation), i});
    else
      choice.skipped.push_back(outcomes[i]);
  }
  std::stable_sort(order.begin(), order.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  for (const auto& entry : order) choice.ranked.push_back(outcomes[entry.second]);
  if (choice.ranked.empty()) {
    std::string reasons;
    for (const CandidateOutcome& c : choice.skipped)
      reasons += "; " + term_set_name(c.groups) + ": " + c.skipped;
    throw FitRefused("ningún conjunto de términos candidato se puede ajustar y validar" + reasons);
  }
  // The origins a set won on are its luckiest: measured there, its errors, and
  // the calibrated t drawn from them, are too small. The choice is measured
  // again on twice as many origins, reaching back before the ranking's.
  const CandidateOutcome& chosen = choice.ranked.front();
  choice.validation = *chosen.validation;
  ValidationSettings longer = settings.validation;
  longer.origins = kChosenSetOriginFactor * settings.validation.origins;
  try {
    choice.validation = validate_terms(y, chosen.groups, *chosen.fit, longer);
  } catch (const FitRefused&) {
    // The ranking's origins are among these and validated, so no refusal is
    // expected; were there one, the ranking's measure would stand.
  }
  return choice;
}

std::string automatic_ranking_report(const AutomaticChoice& choice) {
  const ValidationSettings& s = choice.settings;
  char level[32];
  std::snprintf(level, sizeof level, "%g", s.level_percent);
  std::string text = "Elección automática de los términos: cada conjunto candidato se valida a " +
                     std::to_string(s.horizon) + (s.horizon == 1 ? " periodo" : " periodos") +
                     " y se ordena por su MASE; coberturas del intervalo al " + level + " %\n";
  if (choice.peak_periods.empty()) {
    text += "El periodograma no muestra ningún pico: no se prueban cosenos\n";
  } else {
    text += "El periodograma muestra " +
            std::string(choice.peak_periods.size() == 1 ? "un pico" : "dos picos") +
            " (periodo";
    for (std::size_t i = 0; i < choice.peak_periods.size(); ++i)
      text += (i == 0 ? " " : " y ") + fixed(choice.peak_periods[i], 1);
    text += ")\n";
  }
  text += "\n" + column("Puesto", 7) + column("Términos", 36) + column("MASE", 10) +
          column("Cobertura %", 12) + "Orígenes fallidos\n";
  int place = 0;
  for (const CandidateOutcome& c : choice.ranked) {
    const Validation& v = *c.validation;
    text += column(std::to_string(++place), 7) + column(term_set_name(c.groups), 36) +
            column(v.total.mase ? fixed(*v.total.mase, 3) : "no calculable", 10) +
            column(fixed(100.0 * v.total.coverage, 1), 12) + std::to_string(v.failed_origins) +
            " de " + std::to_string(v.origin_count()) + "\n";
  }
  if (!choice.skipped.empty()) {
    text += "\nDescartados:\n";
    for (const CandidateOutcome& c : choice.skipped)
      text += "  " + term_set_name(c.groups) + ": " + c.skipped + "\n";
  }
  text += "\nElegido: " + term_set_name(choice.ranked.front().groups) + "\n";
  const int origins = choice.validation.origin_count();
  const int ranked_on = choice.ranked.front().validation->origin_count();
  if (origins > ranked_on)
    text += "Su validación y su t calibrada se miden de nuevo en " + std::to_string(origins) +
            " orígenes: en los " + std::to_string(ranked_on) +
            " en que ganó, sus errores son los más favorables\n";
  return text;
}

}  // namespace tendencia
