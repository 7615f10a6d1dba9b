#include "fit/fit_command_line.h"

#include <gtest/gtest.h>

namespace tendencia {
namespace {

std::string refusal(const std::vector<std::string>& arguments) {
  try {
    parse_fit_command_line(arguments);
  } catch (const CommandLineRefused& refused) {
    return refused.what();
  }
  return "accepted";
}

TEST(FitCommandLine, ReadsTheNameTermsAndOptionsInAnyOrder) {
  FitRequest r = parse_fit_command_line({"ventas", "--inicio", "b2=0.9", "b1=15", "potencia",
                                         "--respuestas", "constante", "--puntos", "12", "coseno"});
  EXPECT_EQ(r.problem_name, "ventas");
  // In the order of F(X), whatever the order typed.
  EXPECT_EQ(r.groups,
            (std::vector<TermGroup>{TermGroup::Constant, TermGroup::Power, TermGroup::Cosine}));
  EXPECT_EQ(r.points, 12);
  EXPECT_TRUE(r.answers_only);
  EXPECT_EQ(r.start, (std::vector<std::pair<int, double>>{{2, 0.9}, {1, 15}}));

  FitRequest plain =
      parse_fit_command_line({"x", "logistica2", "--inicio", "b24=-1e-3", "--inicio", "b21=+7."});
  EXPECT_FALSE(plain.points);
  EXPECT_FALSE(plain.answers_only);
  EXPECT_EQ(plain.start, (std::vector<std::pair<int, double>>{{24, -1e-3}, {21, 7}}));
}

TEST(FitCommandLine, RefusesTermsThatAreMissingUnknownOrRepeated) {
  EXPECT_EQ(refusal({}), "falta el nombre del problema");
  EXPECT_EQ(refusal({"ventas"}),
            "falta al menos un término (constante, potencia, potencia2, exponencial, "
            "logaritmo, coseno, coseno2, hiperbola, logistica, logistica2)");
  EXPECT_EQ(refusal({"ventas", "Constante"}).find("término desconocido: \"Constante\" (los"), 0u);
  EXPECT_EQ(refusal({"ventas", "coseno", "coseno"}), "el término coseno aparece más de una vez");
  EXPECT_EQ(refusal({"ventas", "coseno", "--todo"}), "opción desconocida: \"--todo\"");
}

TEST(FitCommandLine, RefusesPointsThatAreNotAWholeNumberFrom1To1000) {
  for (const char* k : {"0", "1001", "-3", "2.5", "012", "", "10000000000", " 5"})
    EXPECT_EQ(refusal({"v", "coseno", "--puntos", k}),
              std::string("--puntos necesita un número entero de 1 a 1000, no \"") + k + "\"")
        << k;
  EXPECT_EQ(refusal({"v", "coseno", "--puntos"}), "falta K después de --puntos");
  EXPECT_EQ(refusal({"v", "coseno", "--puntos", "3", "--puntos", "4"}),
            "--puntos aparece más de una vez");
  EXPECT_EQ(parse_fit_command_line({"v", "coseno", "--puntos", "1000"}).points, 1000);
}

TEST(FitCommandLine, RefusesStartsThatNameNoChosenCoefficientOrHoldNoPlainNumber) {
  EXPECT_EQ(refusal({"v", "potencia", "--inicio"}), "falta bI=VALOR después de --inicio");
  EXPECT_EQ(refusal({"v", "potencia", "--inicio", "potencia"}),
            "falta bI=VALOR después de --inicio");
  for (const char* name : {"b25", "b02", "B1", "c1", "b", "b-1", "=1"}) {
    std::string argument =
        std::string(name) + (std::string(name).find('=') == std::string::npos ? "=1" : "");
    EXPECT_NE(
        refusal({"v", "potencia", "--inicio", argument}).find("no es un coeficiente (b0 a b24)"),
        std::string::npos)
        << name;
  }
  EXPECT_EQ(refusal({"v", "potencia", "--inicio", "b2=0,9"}),
            "el valor de b2 en --inicio no es un número escrito con \".\" como separador "
            "decimal: \"0,9\"");
  EXPECT_EQ(refusal({"v", "potencia", "--inicio", "b2="}).substr(0, 30),
            "el valor de b2 en --inicio no ");
  EXPECT_EQ(refusal({"v", "potencia", "--inicio", "b2=1e999"}),
            "el valor de b2 en --inicio está fuera de rango: \"1e999\"");
  EXPECT_EQ(refusal({"v", "potencia", "--inicio", "b2=1", "b2=2"}),
            "b2 aparece más de una vez en --inicio");
  EXPECT_EQ(refusal({"v", "potencia", "--inicio", "b5=1"}),
            "b5 en --inicio no pertenece a ninguno de los términos elegidos");
}

}  // namespace
}  // namespace tendencia
