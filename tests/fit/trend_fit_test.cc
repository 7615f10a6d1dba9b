// Fits of series made from known coefficients: the fit must end no worse than
// the truth, and its answers must carry tendencia's run to the end.
#include "fit/trend_fit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "core/failure.h"
#include "fit/fit_report.h"
#include "fit/series_residuals.h"
#include "io/data_series.h"
#include "run/run_sequence.h"
#include "support/scripted_dialogue.h"
#include "support/synthetic_series.h"
#include "support/temp_directory.h"

namespace tendencia {
namespace {

using namespace testing;
using G = TermGroup;

constexpr double kYear = 6.283185307179586 / 12;  // a season of 12 periods

struct KnownSeries {
  std::string name;
  std::vector<TermGroup> groups;
  std::vector<std::pair<int, double>> truth;
  int n;
  double noise;
};

Coefficients coefficients_of(const std::vector<std::pair<int, double>>& values) {
  Coefficients c;
  for (auto [k, v] : values) c.b[static_cast<std::size_t>(k)] = v;
  return c;
}

std::vector<std::string> lines_of(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::string data_file_text(const std::vector<double>& y) {
  std::string text = "Periodo NUMERO\r\n";
  for (std::size_t i = 0; i < y.size(); ++i)
    text += std::to_string(i + 1) + " " + exact_form(y[i]) + "\r\n";
  return text;
}

// A whole run of tendencia on the series with the answers the fit prints; the
// failure it stops with, or "" when it reaches its farewell.
std::string tendencia_run(const std::vector<double>& y, const Coefficients& fitted) {
  TempDirectory folder;
  write_file(folder.file("Dserie.TXT"), data_file_text(y));
  RunAnswers answers{"serie", "3", "95", {}, "2.01", "2001"};  // a typed t: every point is used
  const std::vector<std::string> lines = lines_of(coefficient_answers(fitted));
  std::copy(lines.begin(), lines.end(), answers.coefficients.begin());
  ScriptedDialogue dialogue(answer_lines(answers, y.size()));
  try {
    run_sequence(dialogue, Separators{}, folder.folder());
  } catch (const std::exception& e) {
    return e.what();
  }
  if (dialogue.shown().empty() || dialogue.shown().back().text != "¡Hasta la proxima!")
    return "the run did not reach its farewell";
  return "";
}

class FitOfKnownSeries : public ::testing::TestWithParam<KnownSeries> {};

TEST_P(FitOfKnownSeries, EndsNoWorseThanTheTruthAndItsAnswersCompleteTendenciasRun) {
  const KnownSeries& known = GetParam();
  const Coefficients truth = coefficients_of(known.truth);
  const std::vector<double> y = synthetic_series(truth, known.n, known.noise, 2024);
  const FittedTrend fit = fit_trend(y, known.groups, {});

  const double true_rss = residual_sum_of_squares(truth, y).value();
  EXPECT_LE(fit.residual_sum_of_squares, true_rss * (1 + 1e-9));
  EXPECT_TRUE(fit.converged);
  EXPECT_EQ(fit.degrees_of_freedom, known.n - static_cast<int>(fit.fitted.size()));
  for (int k = 0; k < 25; ++k) {
    if (std::find(fit.fitted.begin(), fit.fitted.end(), k) == fit.fitted.end()) {
      EXPECT_EQ(fit.coefficients.b[static_cast<std::size_t>(k)], 0.0) << "b" << k;
    }
  }
  ASSERT_TRUE(fit.residual_standard_error.has_value());
  EXPECT_NEAR(*fit.residual_standard_error, known.noise, known.noise * 0.5);
  EXPECT_EQ(tendencia_run(y, fit.coefficients), "");
}

const double kTau = 6.283185307179586;
const double kStep = std::exp(-6.0);  // a logistic step centred at X = 20

// Name, terms, the coefficients the series is made from, N, the noise's
// standard deviation.
const KnownSeries kKnownSeries[] = {
    {"potencia", {G::Power}, {{1, 3}, {2, 0.7}}, 30, 0.1},
    {"constante_potencia", {G::Constant, G::Power}, {{0, 100}, {1, 5}, {2, 1.3}}, 30, 1},
    {"potencia2", {G::SecondPower}, {{3, 2}, {4, 1.5}}, 30, 0.5},
    {"constante_potencia2", {G::Constant, G::SecondPower}, {{0, -40}, {3, 60}, {4, 0.4}}, 30, 1},
    {"exponencial", {G::Exponential}, {{5, 10}, {6, 0.05}}, 40, 0.3},
    {"constante_exponencial", {G::Constant, G::Exponential}, {{0, 50}, {5, 40}, {6, -0.1}}, 40,
     0.5},
    {"logaritmo", {G::Logarithm}, {{7, 20}, {8, 2}}, 30, 0.3},
    {"constante_logaritmo", {G::Constant, G::Logarithm}, {{0, 10}, {7, 20}, {8, 5}}, 30, 0.2},
    {"coseno", {G::Cosine}, {{9, 5}, {10, kYear}, {11, 0.5}}, 48, 0.5},
    {"constante_coseno", {G::Constant, G::Cosine}, {{0, 100}, {9, 5}, {10, kTau / 7}, {11, -1}},
     48, 0.5},
    {"coseno2", {G::SecondCosine}, {{12, 3}, {13, kTau / 20}, {14, 2}}, 40, 0.3},
    {"constante_coseno2", {G::Constant, G::SecondCosine}, {{0, 7}, {12, 3}, {13, kYear}, {14, 2}},
     40, 0.3},
    {"hiperbola", {G::Hyperbola}, {{15, 100}, {16, 10}}, 30, 0.5},
    {"constante_hiperbola", {G::Constant, G::Hyperbola}, {{0, 20}, {15, 100}, {16, 10}}, 30, 0.5},
    {"logistica", {G::Logistic}, {{17, 100 * kStep}, {18, 0.3}, {19, kStep}, {20, 0.3}}, 40, 1},
    {"constante_logistica", {G::Constant, G::Logistic},
     {{0, 20}, {17, 100 * kStep}, {18, 0.3}, {19, kStep}, {20, 0.3}}, 40, 1},
    {"logistica2", {G::SecondLogistic}, {{21, 50 * kStep}, {22, 0.3}, {23, kStep}, {24, 0.3}},
     40, 1},
    {"constante_logistica2", {G::Constant, G::SecondLogistic},
     {{0, 80}, {21, -50 * kStep}, {22, 0.3}, {23, kStep}, {24, 0.3}}, 40, 1},
    // A trend with a yearly season.
    {"constante_potencia_coseno", {G::Constant, G::Power, G::Cosine},
     {{0, 100}, {1, 5}, {2, 0.8}, {9, 8}, {10, kYear}, {11, 1}}, 60, 1},
};

INSTANTIATE_TEST_SUITE_P(EveryGroup, FitOfKnownSeries, ::testing::ValuesIn(kKnownSeries),
                         [](const ::testing::TestParamInfo<KnownSeries>& info) {
                           return info.param.name;
                         });

TEST(TrendFit, AConstantAloneIsRefusedBecauseTendenciasLineNeedsAVaryingF) {
  std::vector<double> y = synthetic_series(coefficients_of({{0, 50}}), 20, 1, 7);
  try {
    fit_trend(y, {G::Constant}, {});
    FAIL() << "a constant F was accepted";
  } catch (const FitRefused& refused) {
    EXPECT_NE(std::string(refused.what()).find("F(X) apenas varía en X = 1..20"),
              std::string::npos)
        << refused.what();
  }
}

TEST(TrendFit, TheExampleSalesSeriesGivesItsKnownTrend) {
  std::ifstream in(TENDENCIA_EXAMPLES "/Dventas.TXT", std::ios::binary);
  DataSeries series = read_series(in, "Dventas.TXT");
  std::vector<double> y;
  for (const SeriesValue& v : series.values) y.push_back(v.number);
  FittedTrend fit = fit_trend(y, {G::Constant, G::Power}, {});
  EXPECT_NEAR(fit.coefficients.b[0], 120, 2);
  EXPECT_NEAR(fit.coefficients.b[1], 15, 2);
  EXPECT_NEAR(fit.coefficients.b[2], 0.9, 0.05);
  // The same fit by SciPy's curve_fit (tools/compare_with_scipy.py): its
  // coefficients, standard errors and residual sum of squares. The minimum is
  // so flat along b0, b1 that the sum of squares settles them to about 1e-8.
  EXPECT_NEAR(fit.coefficients.b[0], 120.28202338, 1e-5);
  EXPECT_NEAR(fit.coefficients.b[1], 13.40350942, 1e-5);
  EXPECT_NEAR(fit.coefficients.b[2], 0.93901525, 1e-7);
  EXPECT_NEAR(fit.standard_error[0].value(), 3.64791227, 1e-5);
  EXPECT_NEAR(fit.standard_error[1].value(), 1.5798694, 1e-5);
  EXPECT_NEAR(fit.standard_error[2].value(), 0.03584177, 1e-7);
  EXPECT_NEAR(fit.residual_sum_of_squares, 167.67878078285176, 1e-9);
  EXPECT_NEAR(fit.residual_standard_error.value(), std::sqrt(167.67878078285176 / 17), 1e-9);
  EXPECT_EQ(fit.degrees_of_freedom, 17);
}

TEST(TrendFit, TheUsersStartIsTriedAndOneThatCannotBeEvaluatedIsRefused) {
  std::vector<double> y =
      synthetic_series(coefficients_of({{0, 10}, {7, 20}, {8, 5}}), 30, 0.2, 3);
  FittedTrend automatic = fit_trend(y, {G::Constant, G::Logarithm}, {});
  FittedTrend own = fit_trend(y, {G::Constant, G::Logarithm}, {{8, 4.0}, {7, 19.0}});
  EXPECT_EQ(own.starts, automatic.starts + 1);
  EXPECT_NEAR(own.residual_sum_of_squares, automatic.residual_sum_of_squares,
              1e-9 * automatic.residual_sum_of_squares);
  try {
    fit_trend(y, {G::Constant, G::Logarithm}, {{8, -1.0}});
    FAIL() << "log(1 - 1) was accepted as a start";
  } catch (const CommandLineRefused& refused) {
    EXPECT_EQ(std::string(refused.what()),
              "F(X) no se puede evaluar en el punto de partida de --inicio: logaritmo de un "
              "número no positivo (F(X) en X = 1)");
  }
}

TEST(TrendFit, FewerPointsThanCoefficientsAreRefused) {
  try {
    fit_trend({1, 2, 3}, {G::Constant, G::Logistic}, {});
    FAIL();
  } catch (const FitRefused& refused) {
    EXPECT_EQ(std::string(refused.what()),
              "hay 3 puntos y 5 coeficientes que ajustar; hacen falta al menos tantos puntos "
              "como coeficientes");
  }
}

}  // namespace
}  // namespace tendencia
