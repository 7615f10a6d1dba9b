// The terms of F(X) chosen by the data: a fixed family of candidate sets, each
// fitted and validated by rolling origins (fit/rolling_validation.h), ranked
// by their MASE.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "fit/rolling_validation.h"
#include "model/trend_terms.h"
#include "fit/trend_fit.h"

namespace tendencia {

struct AutomaticSettings {
  ValidationSettings validation;
};

struct CandidateOutcome {
  std::vector<TermGroup> groups;
  std::optional<FittedTrend> fit;         // the fit to the whole series
  std::optional<Validation> validation;
  std::string skipped;                    // why it is not ranked; empty when it is
};

// The chosen set's validation rests on this many times the ranking's origins.
constexpr int kChosenSetOriginFactor = 2;

struct AutomaticChoice {
  std::vector<CandidateOutcome> ranked;   // best first; the first is the choice
  Validation validation;                  // the choice's, on the longer run of origins
  std::vector<CandidateOutcome> skipped;  // in the family's order
  std::vector<double> peak_periods;       // the periodogram's significant peaks (periods)
  ValidationSettings settings;
};

// The candidate family: constante with each trend group (potencia,
// exponencial, logaritmo, hiperbola, logistica; potencia2 and logistica2 alone
// are the same functions as potencia and logistica); where the periodogram has
// a peak, constante coseno and constante with each trend group and coseno; with
// a second peak, constante coseno coseno2 and constante with each trend group,
// coseno and coseno2. Without seasons first, then by season.
std::vector<std::vector<TermGroup>> candidate_sets(int periodogram_peaks);

// The periods (2π/ω) of the significant peaks of the periodogram of Y(1..n)
// after a cubic trend is taken out, strongest first, at most 2, each of at
// least three cycles: Fisher's test of the largest ordinate at 1 %, then again
// once the cosine of the first peak is taken out. Empty for fewer than 8
// values.
std::vector<double> periodogram_peaks(const std::vector<double>& y);

// Fits and validates every candidate (on two threads) and ranks the ones that
// validate: those that validate at every origin first, each part by its total
// MASE (sMAPE where no MASE is computable), fewer coefficients first on a tie. A candidate is skipped, with its reason, when
// its fit to the whole series is refused (a limit, no convergence), when the
// series is too short to validate it, or when more than half its origins fail.
// The choice is then validated again on kChosenSetOriginFactor times as many
// origins where the series allows (AutomaticChoice::validation).
// Throws FitRefused when none is ranked, with every candidate's reason.
AutomaticChoice choose_terms(const std::vector<double>& y, const AutomaticSettings& settings);

// The ranking as tendencia-ajuste --automatico prints it, in Spanish: the
// periodogram's peaks, one row per ranked set (terms, MASE, coverage, failed
// origins), the skipped sets with their reasons, and the choice.
std::string automatic_ranking_report(const AutomaticChoice& choice);

// "constante potencia coseno": the names of a set, as the command line takes them.
std::string term_set_name(const std::vector<TermGroup>& groups);

}  // namespace tendencia
