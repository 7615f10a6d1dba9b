// The terms of F(X), and the data they are fitted on, chosen by the data: a
// family of candidates (every trend shape alone and with each season the
// periodogram finds, the recent level as a step, on the series, its logarithm
// and its latest values), each validated by rolling origins
// (fit/rolling_validation.h) and ranked by its MASE on the series' own values.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "fit/data_choice.h"
#include "fit/periodogram.h"
#include "fit/rolling_validation.h"
#include "fit/term_set.h"
#include "fit/trend_fit.h"

namespace tendencia {

struct AutomaticSettings {
  ValidationSettings validation;
  // Weigh the logarithm and the latest values beside the series itself.
  bool data_choices = true;
};

// A set's MASE is raised by this share for every point it needs to be fitted
// (fewest_points_to_fit): among candidates that project about as well, the
// plainer one holds better beyond the origins it was measured on.
constexpr double kPricePerCoefficient = 0.04;

struct CandidateOutcome {
  TermSet terms;
  DataChoice data;
  std::optional<Validation> validation;
  std::string skipped;  // why it is not ranked; empty when it is
};

struct AutomaticChoice {
  std::vector<CandidateOutcome> ranked;   // best first; the first is the choice
  Validation validation;                  // the choice's, with its calibrated t
  FittedTrend fit;                        // the choice's fit to the whole of its data
  std::vector<CandidateOutcome> skipped;  // in the family's order
  std::vector<double> peak_periods;       // the periodogram's significant peaks (periods)
  ValidationSettings settings;
  int screened = 0;                       // candidates first measured on a few origins
  // Candidates ranked before the choice whose fit to the whole of their data
  // was refused: "data, terms: why".
  std::vector<std::string> passed_over;
};

// The sets of terms: constante with each trend group (potencia, exponencial,
// logistica; potencia2 and logistica2 alone are the same functions as
// potencia and logistica); where the periodogram has a peak, constante coseno
// and constante with each trend group and coseno;
// with a second peak, the same with coseno and coseno2. Then the recent level:
// constante escalón and constante potencia escalón (a drift), alone and with
// each season; and the level of the mean, constante media.
std::vector<TermSet> candidate_sets(int periodogram_peaks);

// The data choices weighed for Y(1..n) at horizon H: the series; its
// logarithm when every value is above 0; its latest kFewestLatestValues
// values (and their logarithm) when the series holds twice as many and H more.
std::vector<DataChoice> candidate_data(const std::vector<double>& y, int horizon);

// Is the pair worth a validation? Not a level alone (recent or the mean's)
// on a logarithm.
bool worth_weighing(const TermSet& terms, const DataChoice& data);

// Validates every candidate (on two threads) on the same origins, from the
// middle of the series on: first on a few of them, then the best on all, and
// ranks those that validate: first the ones that fail at no more than a fifth
// of their origins, then at no more than half; within each by their MASE on
// the series' own values (sMAPE where no MASE is computable), raised 4 % for
// every point the set needs; then fewer coefficients. A candidate is skipped,
// with its reason, when the series is too short to validate it or every
// origin fails. The choice is then fitted to the whole of its data. Throws
// FitRefused when none is ranked, with every candidate's reason.
AutomaticChoice choose_terms(const std::vector<double>& y, const AutomaticSettings& settings);

// The ranking as tendencia-ajuste --automatico prints it, in Spanish: the
// periodogram's peaks, one row per ranked candidate (data, terms, MASE, the
// naive projection's MASE, coverage, failed origins), the skipped ones with
// their reasons, and the choice.
std::string automatic_ranking_report(const AutomaticChoice& choice);

}  // namespace tendencia
