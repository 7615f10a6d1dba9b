#include "fit/rolling_validation.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "core/failure.h"
#include "fit/forecast_scores.h"
#include "fit/report_columns.h"
#include "model/regression_line.h"
#include "model/student_quantile.h"
#include "model/student_table.h"

namespace tendencia {
namespace {

// At an origin the fit starts from a few guesses of its own and from the
// previous origin's fit, and polishes the best once: a fresh search costs a
// few solves, and the previous fit, made on fewer values, is often nearest.
constexpr std::size_t kOriginStarts = 3;
constexpr int kOriginSurveyIterations = 20;
constexpr std::size_t kOriginPolished = 1;
constexpr int kOriginPolishIterations = 150;

// The sums behind one horizon's scores (or the total's).
struct Tally {
  int values = 0, scaled = 0, inside = 0;
  double scaled_sum = 0, naive_scaled_sum = 0, smape_sum = 0;

  HorizonScore score(int horizon) const {
    HorizonScore s;
    s.horizon = horizon;
    s.values = values;
    if (scaled > 0) {
      s.mase = scaled_sum / scaled;
      s.naive_mase = naive_scaled_sum / scaled;
    }
    if (values > 0) {
      s.smape = smape_sum / values;
      s.coverage = static_cast<double>(inside) / values;
    }
    return s;
  }
};

// At least P % of `count` values and of the one still to come: the
// ⌈P·(count + 1)/100⌉-th smallest (conformal prediction's finite-sample
// rule), kept from rounding up a product that is whole. It passes `count`
// when there are too few values for the rule.
std::size_t conformal_rank(std::size_t count, double level_percent) {
  const double rank = std::ceil(level_percent * (static_cast<double>(count) + 1) / 100.0 - 1e-9);
  return std::max<std::size_t>(static_cast<std::size_t>(rank), 1);
}

// The naive projection of Y(k + l) from Y(1..k): the last value, or with a
// season of m the value one season before the projected one.
double naive_projection(const std::vector<double>& y, int k, int l, int period) {
  const int m = k > period ? period : 1;
  const int back = m * ((l + m - 1) / m);
  return y[static_cast<std::size_t>(k + l - back - 1)];
}

// The origins: at most `count`, spread evenly over first..last, increasing.
std::vector<int> spread_origins(int first, int last, int count) {
  std::vector<int> origins;
  if (count <= 1 || first >= last) return {last};
  count = std::min(count, last - first + 1);
  for (int i = 0; i < count; ++i) {
    const int k = first + static_cast<int>(std::lround(static_cast<double>(i) * (last - first) /
                                                        (count - 1)));
    if (origins.empty() || k > origins.back()) origins.push_back(k);
  }
  return origins;
}

struct OriginResult {
  Coefficients fit;
  std::vector<double> scaled_errors;  // h = 1..H
  OriginProjection projected;
};

// One origin k: the fit to what the run would be given of Y(1..k), tendencia's
// line over the same values, and the H projected values against the observed
// ones. Only a whole origin counts: a failure leaves the tallies untouched.
OriginResult score_origin(const std::vector<double>& y, int k, const TermSet& terms,
                          const DataChoice& data, const std::optional<Coefficients>& previous,
                          const ValidationSettings& settings, std::vector<Tally>& tallies) {
  const std::vector<double> part = values_for_run(data, y, static_cast<std::size_t>(k));
  const int points = static_cast<int>(part.size());
  const FittedTrend fit = fit_as_validated(part, terms, previous);
  const RegressionLine line = regression_line(fit.coefficients, part);
  const double t = tendencia_t(settings.level_percent, points);
  std::vector<ProjectedPoint> projected;
  for (int l = 1; l <= settings.horizon; ++l)
    projected.push_back(project(line, fit.coefficients, static_cast<Int16>(points), t,
                                static_cast<Int16>(l)));
  OriginResult result{fit.coefficients, {}, {k, {}, {}}};
  const std::optional<double> scale = naive_scale(y, k, settings.period);
  for (int l = 1; l <= settings.horizon; ++l) {
    const ProjectedPoint& p = projected[static_cast<std::size_t>(l - 1)];
    const double observed = y[static_cast<std::size_t>(k + l - 1)];
    const double trend = in_series_units(data, p.trend);
    const double lower = in_series_units(data, p.lower), upper = in_series_units(data, p.upper);
    const double naive = naive_projection(y, k, l, settings.period);
    for (Tally* tally : {&tallies[static_cast<std::size_t>(l)], &tallies[0]}) {
      ++tally->values;
      if (scale) {
        ++tally->scaled;
        tally->scaled_sum += std::abs(observed - trend) / *scale;
        tally->naive_scaled_sum += std::abs(observed - naive) / *scale;
      }
      tally->smape_sum += symmetric_percentage_error(observed, trend);
      if (lower <= observed && observed <= upper) ++tally->inside;
    }
    result.projected.trend.push_back(p.trend);
    result.projected.half_width.push_back(p.h);
    const double error = std::abs(in_run_units(data, observed) - p.trend);
    result.scaled_errors.push_back(p.h > 0.0 ? error / p.h : error > 0.0 ? HUGE_VAL : 0.0);
  }
  return result;
}

std::string score_row(const std::string& label, const HorizonScore& s) {
  std::string ratio = s.mase && s.naive_mase && *s.naive_mase > 0.0
                          ? fixed(*s.mase / *s.naive_mase, 2) : "-";
  return column(label, 10) + column(std::to_string(s.values), 8) +
         column(s.mase ? fixed(*s.mase, 3) : "no calculable", 8) +
         column(s.naive_mase ? fixed(*s.naive_mase, 3) : "no calculable", 9) + column(ratio, 8) +
         column(fixed(s.smape, 2), 9) + column(fixed(100.0 * s.coverage, 1), 12) +
         fixed(100.0 * s.calibrated_coverage, 1) + "\n";
}

std::string level_text(double level_percent) {
  char text[32];
  std::snprintf(text, sizeof text, "%g", level_percent);
  return text;
}

}  // namespace

FittedTrend fit_as_validated(const std::vector<double>& values, const TermSet& terms,
                             const std::optional<Coefficients>& previous) {
  FitOptions options;
  options.held = held_coefficients(terms, static_cast<int>(values.size()));
  options.extra_start = previous;
  options.automatic_starts = kOriginStarts;
  options.survey_iterations = kOriginSurveyIterations;
  options.polished = kOriginPolished;
  options.polish_iterations = kOriginPolishIterations;
  options.tight = false;
  return fit_trend(values, terms.groups, {}, options);
}

int values_needed_to_validate(const TermSet& terms, const DataChoice& data, int horizon) {
  return std::max(fewest_points_to_fit(terms), data.latest) + horizon;
}

double tendencia_t(double level_percent, int points) {
  const int index = confidence_index(level_percent);
  if (index != 0 && points >= 3 && points <= 32)
    return table_t(index, static_cast<Int16>(points)).table_value;
  return student_quantile(level_percent, points - 2).value_or(0.0);
}

std::optional<double> calibrated_t(std::vector<double> scaled_errors, double level_percent) {
  if (scaled_errors.empty()) return std::nullopt;
  std::sort(scaled_errors.begin(), scaled_errors.end());
  const double count = static_cast<double>(scaled_errors.size());
  const std::size_t needed = conformal_rank(scaled_errors.size(), level_percent);
  double t = 0;
  if (needed <= scaled_errors.size()) {
    t = scaled_errors[needed - 1];
  } else {
    // Too few errors for that rule: no order statistic holds P % of one more
    // value, and the largest of m holds at best m/(m + 1) of it (91 % of 10).
    // Taken as normal with the spread these errors show, a new one over their
    // root mean square is Student's T with m degrees of freedom; never
    // narrower than the largest error seen.
    double squares = 0;
    for (double e : scaled_errors) squares += e * e;
    const std::optional<double> quantile = student_quantile(level_percent, count);
    if (!quantile) return std::nullopt;
    t = std::max(scaled_errors.back(), std::sqrt(squares / count) * *quantile);
  }
  return std::isfinite(t) ? std::optional<double>(t) : std::nullopt;
}

Validation validate_terms(const std::vector<double>& y, const TermSet& terms,
                          const DataChoice& data, const ValidationSettings& settings) {
  const int n = static_cast<int>(y.size());
  const int horizon = settings.horizon;
  if (horizon < 1) throw FitRefused("el horizonte de la validación debe ser al menos 1");
  const int fewest = std::max(fewest_points_to_fit(terms), data.latest);
  const int needed = fewest + horizon;
  if (n < needed)
    throw FitRefused("la serie tiene " + std::to_string(n) + " valores y validar estos términos " +
                     "a " + std::to_string(horizon) + " periodos necesita al menos " +
                     std::to_string(needed) + " (" + std::to_string(fewest) +
                     " para el ajuste y " + std::to_string(horizon) + " para comparar)");
  if (!applies_to(data, y))
    throw FitRefused("los datos \"" + data_choice_name(data) + "\" no se pueden tomar de esta serie");
  Validation v;
  v.terms = terms;
  v.data = data;
  v.settings = settings;
  const int last = n - horizon;
  const int earliest = settings.earliest_origin > 0 ? settings.earliest_origin : (n + 1) / 2;
  v.origins = spread_origins(std::clamp(earliest, fewest, last), last, std::max(1, settings.origins));
  std::vector<Tally> tallies(static_cast<std::size_t>(horizon + 1));
  v.scaled_errors.assign(static_cast<std::size_t>(horizon), {});
  // Forward in time, so the fit carried from one origin to the next has seen
  // nothing after the later one either.
  std::optional<Coefficients> previous;
  for (std::size_t i = 0; i < v.origins.size(); ++i) {
    if (v.failed_origins >= settings.most_failures) {
      v.untried_origins = static_cast<int>(v.origins.size() - i);
      break;
    }
    const int k = v.origins[i];
    try {
      OriginResult r = score_origin(y, k, terms, data, previous, settings, tallies);
      previous = r.fit;
      v.projected.push_back(std::move(r.projected));
      for (int h = 0; h < horizon; ++h)
        v.scaled_errors[static_cast<std::size_t>(h)].push_back(r.scaled_errors[static_cast<std::size_t>(h)]);
    } catch (const std::exception& failure) {
      if (v.failed_origins++ == 0)
        v.first_failure = "k = " + std::to_string(k) + ": " + failure.what();
    }
  }
  if (v.projected.empty()) {
    const int failed = v.failed_origins;
    std::string where = failed == 1 ? std::string("su único origen")
                                    : "los " + std::to_string(failed) + " orígenes";
    if (v.untried_origins > 0)
      where = std::string(failed == 1 ? "el primer origen" : "los " + std::to_string(failed) +
                                                                 " primeros orígenes") +
              " y no se prueba" + (v.untried_origins == 1 ? " el otro" : "n los otros " +
                                   std::to_string(v.untried_origins));
    throw FitRefused("la validación falla en " + where + " (" + v.first_failure + ")");
  }
  v.last_fit = previous;
  for (int h = 1; h <= horizon; ++h) {
    HorizonScore s = tallies[static_cast<std::size_t>(h)].score(h);
    s.calibrated_t = calibrated_t(v.scaled_errors[static_cast<std::size_t>(h - 1)],
                                  settings.level_percent);
    v.by_horizon.push_back(s);
  }
  // The far horizon's t; where it has none, the largest another horizon needs.
  v.calibrated_t = v.by_horizon.back().calibrated_t;
  if (!v.calibrated_t)
    for (const HorizonScore& s : v.by_horizon)
      if (s.calibrated_t && (!v.calibrated_t || *s.calibrated_t > *v.calibrated_t))
        v.calibrated_t = s.calibrated_t;
  v.total = tallies[0].score(0);
  if (v.calibrated_t) {
    int inside_all = 0, all = 0;
    for (HorizonScore& s : v.by_horizon) {
      const std::vector<double>& errors = v.scaled_errors[static_cast<std::size_t>(s.horizon - 1)];
      const auto inside = std::count_if(errors.begin(), errors.end(),
                                        [&](double e) { return e <= *v.calibrated_t; });
      s.calibrated_coverage = errors.empty() ? 0.0 : static_cast<double>(inside) / errors.size();
      inside_all += static_cast<int>(inside);
      all += static_cast<int>(errors.size());
    }
    v.total.calibrated_coverage = all ? static_cast<double>(inside_all) / all : 0.0;
  }
  const int last_points = static_cast<int>(values_for_run(data, y, static_cast<std::size_t>(v.last_origin())).size());
  v.t_at_last_origin = tendencia_t(settings.level_percent, last_points);
  return v;
}

bool beats_naive(const Validation& v) {
  return v.total.mase && v.total.naive_mase && *v.total.mase < *v.total.naive_mase;
}

std::string naive_warning(const Validation& v) {
  if (!v.total.mase || !v.total.naive_mase || beats_naive(v)) return "";
  const std::string naive = v.settings.period > 1 ? "la proyección ingenua estacional"
                                                  : "la proyección ingenua (el último valor)";
  return "Aviso: " + term_set_name(v.terms) + " no mejora " + naive +
         " en los mismos orígenes: MASE " + fixed(*v.total.mase, 3) + " frente a " +
         fixed(*v.total.naive_mase, 3) + ".";
}

std::string validation_report(const Validation& v) {
  const int origins = v.origin_count();
  const std::string level = level_text(v.settings.level_percent);
  std::string text = "Validación con orígenes móviles: " + std::to_string(origins) +
                     (origins == 1 ? " origen" : " orígenes") + " (ajuste a X = 1..k, k = " +
                     std::to_string(v.first_origin()) + " a " + std::to_string(v.last_origin()) +
                     "), " + std::to_string(v.settings.horizon) +
                     (v.settings.horizon == 1 ? " periodo" : " periodos") + " proyectados desde cada uno\n";
  text += "Cada origen se ajusta sólo con los valores hasta él";
  if (v.data.logarithm || v.data.latest) text += "; datos: " + data_choice_name(v.data);
  text += "\nMASE escalado por el error del pronóstico ingenuo";
  text += v.settings.period > 1 ? " estacional (periodo " + std::to_string(v.settings.period) + ")"
                                : std::string();
  text += "; intervalo de tendencia al " + level + " %\n";
  if (v.missing_origins() > 0)
    text += "Orígenes fallidos: " + std::to_string(v.failed_origins) + " de " +
            std::to_string(origins) +
            (v.untried_origins ? "; sin probar: " + std::to_string(v.untried_origins) : "") +
            " (" + v.first_failure + ")\n";
  text += "\n" + column("Horizonte", 10) + column("Valores", 8) + column("MASE", 8) +
          column("Ingenuo", 9) + column("Razón", 8) + column("sMAPE %", 9) +
          column("Cobertura %", 12) + "Con t calibrada %\n";
  for (const HorizonScore& s : v.by_horizon) text += score_row(std::to_string(s.horizon), s);
  text += score_row("Total", v.total) + "\n";
  const std::string warning = naive_warning(v);
  if (!warning.empty()) text += warning + "\n";
  text += "t de tendencia en el último origen: " + fixed(v.t_at_last_origin, 4) + "\n";
  std::size_t fewest = v.scaled_errors.empty() ? 0 : v.scaled_errors.front().size();
  for (const auto& errors : v.scaled_errors) fewest = std::min(fewest, errors.size());
  if (v.calibrated_t) {
    int asking = 0;
    for (const HorizonScore& s : v.by_horizon)
      if (s.calibrated_t && *s.calibrated_t == *v.calibrated_t) asking = s.horizon;
    text += "t calibrada al " + level + " %: " + fixed(*v.calibrated_t, 4) +
            " (la que pide el horizonte " + std::to_string(asking) + "; " +
            std::to_string(fewest) + " valores por horizonte; la columna \"Con t calibrada\" "
            "dice lo que da en cada uno)\n";
  } else {
    text += "t calibrada: no calculable (" + std::to_string(fewest) + " valores por horizonte)\n";
  }
  if (fewest < 20)
    text += "Aviso: la t calibrada descansa en menos de 20 valores por horizonte; tómela con "
            "cautela.\n";
  const std::size_t far = v.scaled_errors.empty() ? 0 : v.scaled_errors.back().size();
  if (v.calibrated_t && far > 0 && conformal_rank(far, v.settings.level_percent) > far)
    text += "Con " + std::to_string(far) + " errores en el horizonte " +
            std::to_string(v.settings.horizon) + " ninguno basta para el " + level +
            " % del siguiente: la t sale de su dispersión (su raíz cuadrática media por la t "
            "de Student con " + std::to_string(far) + " grados de libertad) y nunca es menor "
            "que el mayor.\n";
  return text;
}

}  // namespace tendencia
