#include "fit/fit_report.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <random>

#include "support/strings.h"
#include "text/conversions.h"

namespace tendencia {
namespace {

TEST(FitReport, EveryFiniteDoubleComesBackExactlyThroughTendenciasCoefficientConversion) {
  std::mt19937_64 bits(5);
  std::vector<double> values = {0.0,
                                -0.0,
                                1.0,
                                0.9,
                                -120.28202349933045,
                                1e-300,
                                std::numeric_limits<double>::denorm_min(),
                                std::numeric_limits<double>::min(),
                                std::numeric_limits<double>::max(),
                                -std::numeric_limits<double>::max(),
                                123456789012345678.0};
  while (values.size() < 50000) {
    std::uint64_t pattern = bits();
    double v;
    std::memcpy(&v, &pattern, sizeof v);
    if (std::isfinite(v)) values.push_back(v);
  }
  for (double v : values) {
    std::string text = exact_form(v);
    ASSERT_EQ(leading_number(text), v) << text;
    ASSERT_EQ(std::signbit(leading_number(text)), std::signbit(v)) << text;
  }
  EXPECT_EQ(exact_form(0.9), "0.90000000000000002");
  EXPECT_EQ(exact_form(120), "120");
  EXPECT_EQ(exact_form(-1.5e-7), "-1.4999999999999999e-07");
}

TEST(FitReport, AnswersAreTwentyFiveLinesFromB0ToB24) {
  Coefficients c;
  c.b[0] = 120.5;
  c.b[24] = -2;
  std::string answers = coefficient_answers(c);
  EXPECT_EQ(testing::occurrences(answers, "\n"), 25u);
  EXPECT_EQ(answers.substr(0, 8), "120.5\n0\n");
  EXPECT_TRUE(testing::ends_with(answers, "\n0\n-2\n"));
}

TEST(FitReport, SaysWhatWasFittedAndWritesNoInfinityOrNaN) {
  FittedTrend fit;
  fit.coefficients.b[0] = 120.25;
  fit.coefficients.b[1] = 15;
  fit.coefficients.b[2] = 0.9;
  fit.fitted = {0, 1, 2};
  fit.standard_error[0] = 3.14159;
  fit.standard_error[2] = 0.0123456;  // b1's is missing: JᵀJ singular
  fit.points = 3;
  fit.degrees_of_freedom = 0;
  fit.residual_sum_of_squares = 0;
  fit.iterations = 7;
  fit.converged = true;
  fit.starts = 1;
  std::string text = fit_report(fit, "Dventas.TXT", 20, {TermGroup::Constant, TermGroup::Power});
  EXPECT_EQ(text,
            "Ajuste de F(X) por mínimos cuadrados a la serie de Dventas.TXT\n"
            "Puntos: 3 de los 20 valores del fichero (X = 1 a 3)\n"
            "Términos: constante (b0), potencia (b1, b2)\n"
            "\n"
            "Coeficiente  Valor                    Error típico\n"
            "b0           120.25                   3.142\n"
            "b1           15                       no calculable\n"
            "b2           0.9                      0.01235\n"
            "Los demás coeficientes valen 0.\n"
            "\n"
            "Suma de cuadrados de los residuos: 0\n"
            "Error típico de los residuos: no calculable con 0 grados de libertad\n"
            "R²: no calculable\n"
            "Iteraciones: 7; el ajuste converge (el mejor de 1 punto de partida)\n");
}

}  // namespace
}  // namespace tendencia
