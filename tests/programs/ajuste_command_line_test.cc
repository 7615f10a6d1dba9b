#include "programs/ajuste/command_line.h"

#include <gtest/gtest.h>

namespace tendencia {
namespace {

std::string refusal(const std::vector<std::string>& arguments) {
  try {
    ajuste::parse_command_line(arguments);
  } catch (const CommandLineRefused& refused) {
    return refused.what();
  }
  return "accepted";
}

TEST(FitCommandLine, ReadsTheNameTermsAndOptionsInAnyOrder) {
  FitRequest r = ajuste::parse_command_line({"ventas", "--inicio", "b2=0.9", "b1=15", "potencia",
                                         "--respuestas", "constante", "--puntos", "12", "coseno"});
  EXPECT_EQ(r.problem_name, "ventas");
  // In the order of F(X), whatever the order typed.
  EXPECT_EQ(r.groups,
            (std::vector<TermGroup>{TermGroup::Constant, TermGroup::Power, TermGroup::Cosine}));
  EXPECT_EQ(r.points, 12);
  EXPECT_TRUE(r.answers_only);
  EXPECT_EQ(r.start, (std::vector<std::pair<int, double>>{{2, 0.9}, {1, 15}}));

  FitRequest plain =
      ajuste::parse_command_line({"x", "logistica2", "--inicio", "b24=-1e-3", "--inicio", "b21=+7."});
  EXPECT_FALSE(plain.points);
  EXPECT_FALSE(plain.answers_only);
  EXPECT_EQ(plain.start, (std::vector<std::pair<int, double>>{{24, -1e-3}, {21, 7}}));
}

TEST(FitCommandLine, RefusesTermsThatAreMissingUnknownOrRepeated) {
  EXPECT_EQ(refusal({}), "falta el nombre del problema");
  EXPECT_EQ(refusal({"ventas"}),
            "falta al menos un término (constante, potencia, potencia2, exponencial, "
            "logaritmo, coseno, coseno2, hiperbola, logistica, logistica2) o --automatico");
  EXPECT_EQ(refusal({"ventas", "Constante"}).find("término desconocido: \"Constante\" (los"), 0u);
  EXPECT_EQ(refusal({"ventas", "coseno", "coseno"}), "el término coseno aparece más de una vez");
  EXPECT_EQ(refusal({"ventas", "coseno", "--todo"}), "opción desconocida: \"--todo\"");
}

TEST(FitCommandLine, RefusesPointsThatAreNotAWholeNumberFrom1To1000) {
  for (const char* k : {"0", "1001", "-3", "2.5", "", "10000000000", " 5", "5 "})
    EXPECT_EQ(refusal({"v", "coseno", "--puntos", k}),
              std::string("--puntos necesita un número entero de 1 a 1000, no \"") + k + "\"")
        << k;
  EXPECT_EQ(refusal({"v", "coseno", "--puntos"}), "falta K después de --puntos");
  EXPECT_EQ(refusal({"v", "coseno", "--puntos", "3", "--puntos", "4"}),
            "--puntos aparece más de una vez");
  EXPECT_EQ(ajuste::parse_command_line({"v", "coseno", "--puntos", "1000"}).points, 1000);
  EXPECT_EQ(ajuste::parse_command_line({"v", "coseno", "--puntos", "012"}).points, 12);
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
  for (const char* value : {"0,9", "", "1e999", " 1"})
    EXPECT_EQ(refusal({"v", "potencia", "--inicio", std::string("b2=") + value}),
              std::string("b2 en --inicio necesita un número escrito con \".\" como separador "
                          "decimal, no \"") + value + "\"");
  EXPECT_EQ(refusal({"v", "potencia", "--inicio", "b2=1", "b2=2"}),
            "b2 aparece más de una vez en --inicio");
  EXPECT_EQ(refusal({"v", "potencia", "--inicio", "b5=1"}),
            "b5 en --inicio no pertenece a ninguno de los términos elegidos");
}

TEST(FitCommandLine, ReadsValidationAutomaticChoiceAndScriptOptions) {
  FitRequest r = ajuste::parse_command_line({"ventas", "--automatico", "--validar", "18", "--periodo",
                                         "12", "--nivel", "99", "--guion", "5", "-2001",
                                         "--t-calibrada"});
  EXPECT_TRUE(r.automatic);
  EXPECT_TRUE(r.groups.empty());
  EXPECT_EQ(r.validation_horizon, 18);
  EXPECT_EQ(r.period, 12);
  EXPECT_EQ(r.level_percent, 99);
  ASSERT_TRUE(r.script);
  EXPECT_EQ(r.script->points_to_project, 5);
  EXPECT_EQ(r.script->first_period, -2001);
  EXPECT_TRUE(r.calibrated_t);

  FitRequest plain = ajuste::parse_command_line({"v", "potencia", "--nivel", "80.5"});
  EXPECT_FALSE(plain.automatic);
  EXPECT_FALSE(plain.validation_horizon);
  EXPECT_FALSE(plain.script);
  EXPECT_EQ(plain.period, 1);
  EXPECT_EQ(plain.level_percent, 80.5);
}

TEST(FitCommandLine, RefusesValidationAndScriptValuesOutOfTheirRanges) {
  for (const char* h : {"0", "1001", "-1", "1.5", "x"})
    EXPECT_EQ(refusal({"v", "--automatico", "--validar", h}),
              std::string("--validar necesita un número entero de 1 a 1000, no \"") + h + "\"");
  EXPECT_EQ(refusal({"v", "--automatico", "--periodo", "0"}),
            "--periodo necesita un número entero de 1 a 1000, no \"0\"");
  for (const char* p : {"0", "100", "-5", "95,5", "1e999", "nan"})
    EXPECT_EQ(refusal({"v", "--automatico", "--nivel", p}).substr(0, 44),
              "--nivel necesita un porcentaje mayor que 0 y")
        << p;
  EXPECT_EQ(refusal({"v", "--automatico", "--validar"}), "falta H después de --validar");
  EXPECT_EQ(refusal({"v", "--automatico", "--guion", "5"}), "falta INICIO después de --guion");
  EXPECT_EQ(refusal({"v", "--automatico", "--guion", "32768", "1"}),
            "--guion M necesita un número entero de 0 a 32767, no \"32768\"");
  EXPECT_EQ(refusal({"v", "--automatico", "--guion", "5", "-32769"}),
            "--guion INICIO necesita un número entero de -32768 a 32767, no \"-32769\"");
  EXPECT_EQ(refusal({"v", "--automatico", "--validar", "3", "--validar", "4"}),
            "--validar aparece más de una vez");
}

TEST(FitCommandLine, RefusesOptionsThatCannotGoTogether) {
  EXPECT_EQ(refusal({"v", "--automatico", "potencia"}),
            "con --automatico los términos los elige la serie: no nombre ninguno");
  EXPECT_EQ(refusal({"v", "--automatico", "--inicio", "b1=2"}),
            "--inicio no se combina con --automatico");
  EXPECT_EQ(refusal({"v", "potencia", "--t-calibrada"}), "--t-calibrada solo se usa con --guion");
  EXPECT_EQ(refusal({"v", "potencia", "--guion", "5", "1", "--respuestas"}),
            "--guion y --respuestas no se combinan: elija una de las dos salidas");
  EXPECT_EQ(refusal({"v", "potencia", "--guion", "5", "1", "--puntos", "10"}),
            "--guion da las respuestas para todos los valores del fichero; no se combina con "
            "--puntos");
  // tendencia's tables hold 90, 95 and 99 % only: any other level would make it ask again.
  EXPECT_EQ(refusal({"v", "potencia", "--guion", "5", "1", "--nivel", "80"}),
            "con --guion el nivel debe ser 90, 95 o 99, los que tendencia acepta");
  EXPECT_EQ(refusal({"v", "potencia", "--guion", "5", "1", "--nivel", "90"}), "accepted");
  // tendencia asks again for a name longer than 7 characters.
  EXPECT_EQ(refusal({"ventas12", "potencia", "--guion", "5", "1"}),
            "el nombre \"ventas12\" tiene más de 7 caracteres y tendencia no lo acepta");
  EXPECT_EQ(refusal({"ñandúes", "potencia", "--guion", "5", "1"}), "accepted");
}

}  // namespace
}  // namespace tendencia
