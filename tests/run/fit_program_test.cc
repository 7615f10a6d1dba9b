// tendencia-ajuste as a user's script sees it: its exit status, its stdout and
// stderr, and its answers piped into tendencia.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "support/command.h"
#include "support/strings.h"
#include "support/temp_directory.h"
#include "support/test_size.h"

namespace tendencia {
namespace {

using namespace testing;

using Result = CommandResult;

const std::string kUsage =
    "Uso: tendencia-ajuste NOMBRE (TERMINO... | --automatico) [--puntos K] "
    "[--inicio bI=VALOR ...] [--respuestas] [--validar H] [--periodo m] [--nivel P] "
    "[--guion M INICIO [--t-calibrada]] [--datos NOMBRE] (--help para la ayuda)\n";

class FitProgram : public ::testing::Test {
 protected:
  FitProgram() { std::filesystem::copy_file(TENDENCIA_EXAMPLES "/Dventas.TXT", work.file("Dventas.TXT")); }

  Result run_shell(const std::string& command) { return work.run(command); }
  Result fit(const std::string& arguments) {
    return run_shell(std::string(TENDENCIA_AJUSTE_BINARY) + " " + arguments);
  }

  WorkFolder work;
};

TEST_F(FitProgram, TheExampleGivesItsKnownTrendAndTheAnswersFeedTendencia) {
  Result report = fit("ventas constante potencia");
  EXPECT_EQ(report.status, 0);
  EXPECT_EQ(report.err, "");
  EXPECT_NE(report.out.find("Puntos: 20 (X = 1 a 20)\n"), std::string::npos) << report.out;
  EXPECT_NE(report.out.find("\nb0           120.28"), std::string::npos) << report.out;
  EXPECT_NE(report.out.find("\nb2           0.939"), std::string::npos) << report.out;
  EXPECT_NE(report.out.find("con 17 grados de libertad\n"), std::string::npos) << report.out;
  EXPECT_NE(report.out.find("el ajuste converge"), std::string::npos) << report.out;

  Result piped =
      run_shell("{ printf 'ventas\\n5\\n95\\n'; " + std::string(TENDENCIA_AJUSTE_BINARY) +
                " ventas constante potencia --respuestas; echo 2001; } | " + TENDENCIA_BINARY);
  EXPECT_EQ(piped.status, 0) << piped.err;
  std::string results = read_file(work.file("Eventas.TXT"));
  EXPECT_NE(results.find("F(X) =  120.282023"), std::string::npos) << results;
  EXPECT_NE(results.find(" +  13.4035095"), std::string::npos) << results;
  // The fitted F is already the least-squares trend: tendencia's line is Y = F(X).
  const std::string line = "Recta de regresion: Y = ";
  std::size_t at = results.find(line);
  ASSERT_NE(at, std::string::npos) << results;
  EXPECT_NEAR(std::stod(results.substr(at + line.size())), 1.0, 1e-9) << results;
  EXPECT_NE(results.find("\r\n 2025          395.644975"), std::string::npos) << results;
}

TEST_F(FitProgram, AWrongCommandLineGetsItsReasonAndTheUsageLineAndExitStatus2) {
  struct Case {
    std::string arguments, reason;
  };
  for (const Case& c : std::vector<Case>{
           {"", "falta el nombre del problema"},
           {"ventas",
            "falta al menos un término (constante, potencia, potencia2, exponencial, "
            "logaritmo, coseno, coseno2, hiperbola, logistica, logistica2) o --automatico"},
           {"ventas --automatico --guion 5 2001 --nivel 80",
            "con --guion el nivel debe ser 90, 95 o 99, los que tendencia acepta"},
           {"ventas potencia --t-calibrada", "--t-calibrada solo se usa con --guion"},
           {"ventas --automatico --validar 0",
            "--validar necesita un número entero de 1 a 1000, no \"0\""},
           {"ventas potencia --guion 32760 1",
            "--guion 32760 1: los periodos de tendencia saldrían de -32768..32767 con los 20 "
            "valores del fichero"},
           {"ventas potencia --guion 5 -32768",
            "--guion 5 -32768: los periodos de tendencia saldrían de -32768..32767 con los 20 "
            "valores del fichero"},
           {"ventas constante recta",
            "término desconocido: \"recta\" (los términos son constante, potencia, potencia2, "
            "exponencial, logaritmo, coseno, coseno2, hiperbola, logistica, logistica2)"},
           {"ventas potencia --inicio b25=1",
            "\"b25\" no es un coeficiente (b0 a b24) en --inicio b25=1"},
           {"ventas potencia --inicio b2=0,9",
            "b2 en --inicio necesita un número escrito con \".\" como separador decimal, no "
            "\"0,9\""},
           {"ventas potencia --inicio b0=1",
            "b0 en --inicio no pertenece a ninguno de los términos elegidos"},
           {"ventas potencia --puntos 0",
            "--puntos necesita un número entero de 1 a 1000, no \"0\""},
           {"ventas potencia --puntos 21", "--puntos 21: el fichero Dventas.TXT tiene 20 valores"},
           {"ventas logaritmo --inicio b8=-1",
            "F(X) no se puede evaluar en el punto de partida de --inicio: logaritmo de un número "
            "no positivo (F(X) en X = 1)"},
       }) {
    Result r = fit(c.arguments);
    EXPECT_EQ(r.status, 2) << c.arguments;
    EXPECT_EQ(r.out, "") << c.arguments;
    EXPECT_EQ(r.err, "Error: " + c.reason + ".\n" + kUsage) << c.arguments;
  }
}

TEST_F(FitProgram, ADataOrFitFailureSaysWhichAndExitsWith1) {
  write_file(work.file("Dtexto.TXT"), "T\n1 10\n2 \"12\"\n3 \" 13.5\"\n4 \"doce\"\n5 15\n");
  write_file(work.file("Dcorto.TXT"), "T\n1 10\n2 12\n3 13\n");
  write_file(work.file("Dcojo.TXT"), "T\n1 10\n2\n");
  std::string flat = "T\n";
  for (int x = 1; x <= 20; ++x) flat += std::to_string(x) + " 5\n";
  write_file(work.file("Dplano.TXT"), flat);
  struct Case {
    std::string arguments, reason;
  };
  for (const Case& c : std::vector<Case>{
           {"nada potencia", "no se encuentra el fichero (fichero de datos Dnada.TXT)"},
           {"cojo potencia",
            "falta el valor de la fila (fichero de datos Dcojo.TXT, fila 2 al "
            "final del fichero)"},
           {"texto potencia", "el texto no es un número (valor 4 de la serie)"},
           {"corto constante logistica",
            "hay 3 puntos y 5 coeficientes que ajustar; hacen falta al menos tantos puntos como "
            "coeficientes"},
           {"ventas constante",
            "el ajuste termina donde tendencia no puede completar su recta de regresión: F(X) "
            "apenas varía en X = 1..20 y la recta Y = a·F(X) + b de tendencia queda "
            "indeterminada; elija también un término que varíe con X"},
           // A flat series: the power can only become a constant too.
           {"plano potencia",
            "el ajuste termina donde tendencia no puede completar su recta de regresión: F(X) "
            "apenas varía en X = 1..20 y la recta Y = a·F(X) + b de tendencia queda "
            "indeterminada; elija también un término que varíe con X"},
       }) {
    Result r = fit(c.arguments);
    EXPECT_EQ(r.status, 1) << c.arguments;
    EXPECT_EQ(r.out, "") << c.arguments;
    EXPECT_EQ(r.err, "Error: " + c.reason + ". No se escribe ningún coeficiente.\n") << c.arguments;
  }
  // The text values before the bad one are read as tendencia reads them.
  Result r = fit("texto potencia --puntos 3 --respuestas");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(occurrences(r.out, "\n"), 25u);
}

// A series of 40 values with a trend and a season of 12: tendencia asks its t.
std::string seasonal_data_file() {
  std::string text = "Mes VALOR\n";
  for (int x = 1; x <= 40; ++x) {
    double y = 50 + 1.5 * x + 8 * std::cos(6.283185307179586 * x / 12) + ((x * 7) % 5 - 2);
    text += std::to_string(x) + " " + std::to_string(y) + "\n";
  }
  return text;
}

TEST_F(FitProgram, TheAutomaticChoiceScriptedIntoTendenciaAlwaysCompletes) {
  // 20 values: tendencia takes its table's t, so the calibrated one is not used.
  Result piped = run_shell(std::string(TENDENCIA_AJUSTE_BINARY) +
                           " ventas --automatico --guion 5 2001 --t-calibrada 2> ../aviso.txt | tee "
                           "../answers.txt | " + TENDENCIA_BINARY);
  EXPECT_EQ(piped.status, 0) << piped.err;
  const std::string answers = read_file(work.beside("answers.txt"));
  EXPECT_EQ(occurrences(answers, "\n"), 29u) << answers;
  EXPECT_EQ(answers.substr(0, 13), "ventas\n5\n95\n1") << answers;
  EXPECT_EQ(read_file(work.beside("aviso.txt")),
            "Aviso: con 20 valores (32 o menos) tendencia toma la t de su tabla y no la "
            "pregunta; la t calibrada no se puede usar.\n");
  std::string results = read_file(work.file("Eventas.TXT"));
  EXPECT_NE(results.find("\r\n 2025 "), std::string::npos) << results;

  // 40 values: the t comes, never as a whole number, and every period is
  // labelled, whichever t and level the script asks for. Under the sanitizers
  // the search runs once, and the other scripts name the series' own terms.
  write_file(work.file("Dmeses.TXT"), seasonal_data_file());
  std::string terms = "--automatico";
  for (const std::string options : {"--t-calibrada", "", "--nivel 99 --validar 4"}) {
    SCOPED_TRACE(options);
    Result script = fit("meses " + terms + " --guion 6 1990 " + options);
    EXPECT_EQ(script.status, 0) << script.err;
    EXPECT_EQ(occurrences(script.out, "\n"), 30u) << script.out;
    std::size_t t_line = script.out.rfind('\n', script.out.size() - 6);
    std::string t = script.out.substr(script.out.rfind('\n', t_line - 1) + 1);
    EXPECT_NE(t.find('.'), std::string::npos) << t;
    write_file(work.beside("answers.txt"), script.out);
    piped = run_shell(std::string(TENDENCIA_BINARY) + " < ../answers.txt");
    EXPECT_EQ(piped.status, 0) << piped.err;
    results = read_file(work.file("Emeses.TXT"));
    EXPECT_NE(results.find("considerado es:  40 \r\n"), std::string::npos) << results;
    EXPECT_NE(results.find("\r\n 2035 "), std::string::npos) << results;
    if (kSanitizedTests) terms = "constante potencia coseno";
  }
}

TEST_F(FitProgram, AScriptThatCannotFitTheRunsPeriodsIsRefusedBeforeAnyFit) {
  // Three values cannot fit a logistic: were the fit made first, its failure
  // (exit 1) would hide the wrong command line.
  write_file(work.file("Dtres.TXT"), "T\n1 10\n2 12\n3 13\n");
  Result r = fit("tres constante logistica --guion 32767 1");
  EXPECT_EQ(r.status, 2) << r.err;
  EXPECT_NE(r.err.find("--guion 32767 1: los periodos de tendencia saldrían de -32768..32767"),
            std::string::npos)
      << r.err;
}

TEST_F(FitProgram, WithDatosTheRunIsGivenTheChosenDataInAFileOfItsOwn) {
  write_file(work.file("Dmeses.TXT"), seasonal_data_file());
  Result answers = fit("meses --automatico --datos mesesd --guion 6 1990 --t-calibrada");
  ASSERT_EQ(answers.status, 0) << answers.err;
  EXPECT_EQ(answers.out.substr(0, 7), "mesesd\n") << answers.out;
  EXPECT_NE(answers.err.find("Los datos de la proyección ("), std::string::npos) << answers.err;
  EXPECT_NE(answers.err.find(") están en Dmesesd.TXT.\n"), std::string::npos) << answers.err;
  // The series' own file is never rewritten; the run's file says what it holds.
  EXPECT_EQ(read_file(work.file("Dmeses.TXT")), seasonal_data_file());
  const std::string data = read_file(work.file("Dmesesd.TXT"));
  const std::string title = data.substr(0, data.find("\r\n"));
  EXPECT_NE(title.find("VALOR"), std::string::npos) << title;
  Result piped = run_shell(std::string(TENDENCIA_AJUSTE_BINARY) +
                           " meses --automatico --datos mesesd --guion 6 1990 --t-calibrada "
                           "2>/dev/null | " + TENDENCIA_BINARY);
  EXPECT_EQ(piped.status, 0) << piped.err;
  // Whatever the data, the projected periods go on from the series' last one.
  EXPECT_NE(read_file(work.file("Emesesd.TXT")).find("\r\n 2035 "), std::string::npos);

  for (const char* wrong : {"meses constante potencia --datos otro",
                            "meses --automatico --datos meses", "meses --automatico --datos ochoocho",
                            "meses --automatico --datos a/b"}) {
    Result refused = fit(wrong);
    EXPECT_EQ(refused.status, 2) << wrong;
    EXPECT_EQ(refused.out, "") << wrong;
  }
}

TEST_F(FitProgram, ValidationPrintsItsTableAndASeriesTooShortSaysWhatItNeeds) {
  Result r = fit("ventas constante potencia --validar 5");
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("Validación con orígenes móviles: 6 orígenes (ajuste a X = 1..k, k = 10 "
                       "a 15)"),
            std::string::npos)
      << r.out;
  EXPECT_NE(r.out.find("\nTotal      30 "), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("t calibrada al 95 %: "), std::string::npos) << r.out;

  Result automatic = fit("ventas --automatico --validar 5");
  EXPECT_EQ(automatic.status, 0) << automatic.err;
  EXPECT_EQ(automatic.out.find("Elección automática de los términos"), 0u) << automatic.out;
  EXPECT_NE(automatic.out.find("Elegido: constante potencia"), std::string::npos);

  write_file(work.file("Docho.TXT"), "T\n1 10\n2 12\n3 13\n4 15\n5 16\n6 18\n7 19\n8 21\n");
  r = fit("ocho constante potencia --validar 5");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err,
            "Error: la serie tiene 8 valores y validar estos términos a 5 periodos necesita al "
            "menos 10 (5 para el ajuste y 5 para comparar). No se escribe ningún coeficiente.\n");
}

TEST_F(FitProgram, AnswersHelpAndVersionLikeTheOtherPrograms) {
  Result help = fit("--help");
  EXPECT_EQ(help.status, 0);
  EXPECT_EQ(help.out.find(kUsage.substr(0, kUsage.find(" (--help")) + "\n\n"), 0u);
  EXPECT_NE(help.out.find("  logistica2    b21, b22, b23, b24\n"), std::string::npos) << help.out;
  Result version = fit("--version");
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, "tendencia-ajuste 1.0\n");
}

}  // namespace
}  // namespace tendencia
