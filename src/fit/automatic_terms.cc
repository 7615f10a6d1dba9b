#include "fit/automatic_terms.h"

#include "fit/periodogram.h"
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

// Every candidate is first measured on this many of the ranking's origins;
// the best kFinalists of them on all of them.
constexpr int kScreenOrigins = 6;
constexpr std::size_t kFinalists = 6;

// A candidate that fails at more than this share of its origins is measured
// on too few of them to be set beside the others.
constexpr double kMostMissingShare = 0.2;

// A candidate whose rolling MASE passes this projects more than ten times
// worse than the naive projection: whatever its rank, it is no trend to trust.
constexpr double kUntrustedMase = 10.0;

void evaluate_candidate(const std::vector<double>& y, ValidationSettings settings,
                        CandidateOutcome& outcome) {
  // Past half its origins failed, a set ranks with the unreliable ones
  // whatever the rest would give.
  settings.most_failures = settings.origins / 2 + 1;
  outcome.validation.reset();
  outcome.skipped.clear();
  try {
    outcome.validation = validate_terms(y, outcome.terms, outcome.data, settings);
  } catch (const std::exception& refused) {
    outcome.skipped = refused.what();
  }
}

// The ranking's measure: first the candidates that validate at all but a few
// of their origins, then those that fail at no more than half of them, then
// the rest and every one whose MASE passes kUntrustedMase; within each, MASE
// (sMAPE after every MASE where none is computable) raised by
// kPricePerCoefficient for every point the set needs; then fewer
// coefficients, then the series itself before a choice of its data.
using RankKey = std::tuple<int, int, double, int, int>;

RankKey rank_key(const CandidateOutcome& c) {
  const Validation& v = *c.validation;
  const int missing = v.missing_origins();
  int reliability = missing <= kMostMissingShare * v.origin_count() ? 0
                    : 2 * missing <= v.origin_count()                ? 1
                                                                     : 2;
  if (v.total.mase && *v.total.mase > kUntrustedMase) reliability = 2;
  const int points = fewest_points_to_fit(c.terms);
  const double price = 1.0 + kPricePerCoefficient * points;
  const int data_rank = (c.data.logarithm ? 1 : 0) + (c.data.latest ? 2 : 0);
  if (v.total.mase) return {reliability, 0, *v.total.mase * price, points, data_rank};
  return {reliability, 1, v.total.smape * price, points, data_rank};
}

// Validates the outcomes at `which`; each is independent of the others, so
// two threads share them.
void evaluate_all(const std::vector<double>& y, const ValidationSettings& settings,
                  std::vector<CandidateOutcome>& outcomes, const std::vector<std::size_t>& which) {
  std::atomic<std::size_t> next{0};
  auto work = [&] {
    for (std::size_t i = next++; i < which.size(); i = next++)
      evaluate_candidate(y, settings, outcomes[which[i]]);
  };
  std::thread helper(work);
  work();
  helper.join();
}

// The indices of the ranked outcomes among `which`, best first.
std::vector<std::size_t> ranking(const std::vector<CandidateOutcome>& outcomes,
                                 const std::vector<std::size_t>& which) {
  std::vector<std::pair<RankKey, std::size_t>> order;
  for (std::size_t i : which)
    if (outcomes[i].skipped.empty() && outcomes[i].validation)
      order.push_back({rank_key(outcomes[i]), i});
  std::stable_sort(order.begin(), order.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<std::size_t> ranked;
  for (const auto& entry : order) ranked.push_back(entry.second);
  return ranked;
}

}  // namespace

std::vector<TermSet> candidate_sets(int peaks) {
  // Every trend shape, alone and with each season the periodogram found: no
  // pairing is preferred, so no pairing can be missing. The logarithm and the
  // hyperbola are left to the user: on the benchmark's series their fits
  // mostly ran off to a limit, and where they did not, they won the ranking
  // by chance more often than they projected well.
  const TermGroup trends[] = {G::Power, G::Exponential, G::Logistic};
  std::vector<std::vector<TermGroup>> seasons = {{}};
  if (peaks >= 1) seasons.push_back({G::Cosine});
  if (peaks >= 2) seasons.push_back({G::Cosine, G::SecondCosine});
  std::vector<TermSet> sets;
  auto add = [&](std::vector<TermGroup> groups, bool step) {
    std::vector<TermGroup> ordered;
    for (TermGroup g : all_term_groups())
      if (std::find(groups.begin(), groups.end(), g) != groups.end()) ordered.push_back(g);
    sets.push_back({ordered, step});
  };
  for (const std::vector<TermGroup>& season : seasons) {
    if (!season.empty()) {
      std::vector<TermGroup> groups = {G::Constant};
      groups.insert(groups.end(), season.begin(), season.end());
      add(groups, false);
    }
    for (TermGroup trend : trends) {
      std::vector<TermGroup> groups = {G::Constant, trend};
      groups.insert(groups.end(), season.begin(), season.end());
      add(groups, false);
    }
  }
  // The recent level, alone, with a drift, and with each season.
  for (const std::vector<TermGroup>& season : seasons) {
    for (bool drift : {false, true}) {
      std::vector<TermGroup> groups = {G::Constant, G::Logistic};
      if (drift) groups.push_back(G::Power);
      groups.insert(groups.end(), season.begin(), season.end());
      add(groups, true);
    }
  }
  // The level of the mean: a series with no trend and no season the family
  // can express is projected best by its mean, not by its last value.
  sets.push_back({{G::Constant, G::Logistic}, true, true});
  return sets;
}

std::vector<DataChoice> candidate_data(const std::vector<double>& y, int horizon) {
  std::vector<DataChoice> choices = {{false, 0}};
  const bool positive = applies_to({true, 0}, y);
  if (positive) choices.push_back({true, 0});
  // A window of the latest values leaves as many before it as it holds, so
  // its origins reach back as far as the series' own. Longer windows, tried
  // beside it, did no better.
  if (2 * kFewestLatestValues + horizon <= static_cast<int>(y.size())) {
    choices.push_back({false, kFewestLatestValues});
    if (positive) choices.push_back({true, kFewestLatestValues});
  }
  return choices;
}

bool worth_weighing(const TermSet& terms, const DataChoice& data) {
  // The recent level alone projects the same value on a series and on its
  // logarithm; only the interval differs, and the exponential widens it. A
  // level alone says the series has no trend, and the logarithm is for
  // series that grow by a share of themselves: the mean's level is not
  // weighed on it either.
  return !(data.logarithm && terms.level_step && terms.groups.size() == 2);
}

AutomaticChoice choose_terms(const std::vector<double>& y, const AutomaticSettings& settings) {
  AutomaticChoice choice;
  choice.settings = settings.validation;
  choice.peak_periods = periodogram_peaks(y);
  std::vector<DataChoice> data = {{false, 0}};
  if (settings.data_choices) data = candidate_data(y, settings.validation.horizon);
  std::vector<CandidateOutcome> outcomes;
  for (const DataChoice& d : data)
    for (const TermSet& set : candidate_sets(static_cast<int>(choice.peak_periods.size())))
      if (worth_weighing(set, d)) outcomes.push_back({set, d, std::nullopt, ""});
  std::vector<std::size_t> everyone(outcomes.size());
  for (std::size_t i = 0; i < everyone.size(); ++i) everyone[i] = i;

  // Every candidate is measured on the same origins, from the middle of the
  // series on: an origin earlier than that fits on too few values to say how
  // the fit to the whole series will project, and its large errors would
  // drown the rest.
  ValidationSettings ranked_on = settings.validation;
  ranked_on.earliest_origin = std::max(settings.validation.earliest_origin,
                                       (static_cast<int>(y.size()) + 1) / 2);
  // A few of those origins tell the hopeless candidates from the rest; only
  // the best are measured on all of them.
  ValidationSettings screen = ranked_on;
  screen.origins = std::min(kScreenOrigins, ranked_on.origins);
  evaluate_all(y, screen, outcomes, everyone);
  choice.screened = static_cast<int>(outcomes.size());
  std::vector<std::size_t> finalists = ranking(outcomes, everyone);
  if (finalists.size() > kFinalists) finalists.resize(kFinalists);
  evaluate_all(y, ranked_on, outcomes, finalists);

  std::vector<std::size_t> ranked = ranking(outcomes, finalists);
  for (std::size_t i : ranked) choice.ranked.push_back(outcomes[i]);
  for (std::size_t i = 0; i < outcomes.size(); ++i)
    if (std::find(ranked.begin(), ranked.end(), i) == ranked.end() && !outcomes[i].skipped.empty())
      choice.skipped.push_back(outcomes[i]);
  if (choice.ranked.empty()) {
    std::string reasons;
    for (const CandidateOutcome& c : choice.skipped)
      reasons += "; " + data_choice_name(c.data) + ", " + term_set_name(c.terms) + ": " + c.skipped;
    throw FitRefused("ningún conjunto de términos candidato se puede ajustar y validar" + reasons);
  }
  // The choice is fitted to the whole of its data as it was at every origin.
  // Where that one fit is refused (a limit reached only with every value),
  // the next candidate is taken, and the ranking says so.
  for (std::size_t i = 0; i < choice.ranked.size(); ++i) {
    const CandidateOutcome& chosen = choice.ranked[i];
    try {
      choice.fit = fit_as_validated(values_for_run(chosen.data, y, y.size()), chosen.terms,
                                    chosen.validation->last_fit);
    } catch (const FitRefused& refused) {
      choice.passed_over.push_back(data_choice_name(chosen.data) + ", " +
                                   term_set_name(chosen.terms) + ": " + refused.what());
      continue;
    }
    choice.validation = *chosen.validation;
    std::rotate(choice.ranked.begin(), choice.ranked.begin() + static_cast<std::ptrdiff_t>(i),
                choice.ranked.begin() + static_cast<std::ptrdiff_t>(i) + 1);
    return choice;
  }
  std::string reasons;
  for (const std::string& reason : choice.passed_over) reasons += "; " + reason;
  throw FitRefused("ningún candidato validado se puede ajustar a toda la serie" + reasons);
}

std::string automatic_ranking_report(const AutomaticChoice& choice) {
  const ValidationSettings& s = choice.settings;
  char level[32];
  std::snprintf(level, sizeof level, "%g", s.level_percent);
  std::string text = "Elección automática de los términos y los datos: cada candidato se valida a " +
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
  text += "Se prueban " + std::to_string(choice.screened) + " candidatos en " +
          std::to_string(std::min(kScreenOrigins, s.origins)) + " orígenes y los " +
          std::to_string(kFinalists) + " mejores en todos; el MASE se encarece un " +
          fixed(100.0 * kPricePerCoefficient, 0) + " % por cada punto que el conjunto necesita\n";
  text += "\n" + column("Puesto", 7) + column("Datos", 22) + column("Términos", 36) +
          column("MASE", 8) + column("Ingenuo", 8) + column("Cobertura %", 12) +
          "Orígenes fallidos\n";
  int place = 0;
  for (const CandidateOutcome& c : choice.ranked) {
    const Validation& v = *c.validation;
    text += column(std::to_string(++place), 7) + column(data_choice_name(c.data), 22) +
            column(term_set_name(c.terms), 36) +
            column(v.total.mase ? fixed(*v.total.mase, 3) : "no calculable", 8) +
            column(v.total.naive_mase ? fixed(*v.total.naive_mase, 3) : "no calculable", 8) +
            column(fixed(100.0 * v.total.coverage, 1), 12) + std::to_string(v.missing_origins()) +
            " de " + std::to_string(v.origin_count()) + "\n";
  }
  if (!choice.skipped.empty()) {
    text += "\nDescartados:\n";
    for (const CandidateOutcome& c : choice.skipped)
      text += "  " + data_choice_name(c.data) + ", " + term_set_name(c.terms) + ": " + c.skipped +
              "\n";
  }
  const CandidateOutcome& chosen = choice.ranked.front();
  for (const std::string& passed : choice.passed_over)
    text += "\nNo se puede ajustar a toda la serie, y se pasa al siguiente: " + passed;
  if (!choice.passed_over.empty()) text += "\n";
  text += "\nElegido: " + term_set_name(chosen.terms) + " sobre " + data_choice_name(chosen.data) +
          "\n";
  const std::string warning = naive_warning(choice.validation);
  if (!warning.empty()) text += warning + "\n";
  return text;
}

}  // namespace tendencia
