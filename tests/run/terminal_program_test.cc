// The terminal program as a user's script sees it: answers piped in, the results
// file, the exit status and the texts on stdout and stderr.
#include <gtest/gtest.h>

#include "support/command.h"
#include "support/strings.h"
#include "support/temp_directory.h"

namespace tendencia {
namespace {

using namespace testing;

using Result = CommandResult;

Result run_program(const std::vector<std::string>& answers, const std::string& arguments = "") {
  std::string input;
  for (const std::string& a : answers) input += a + "\n";
  write_file("../answers.in", input);
  return run_command(std::string(TENDENCIA_BINARY) + " " + arguments + " < ../answers.in");
}

class TerminalProgram : public ::testing::Test {
 protected:
  TerminalProgram() {
    std::filesystem::create_directory("work");
    std::filesystem::current_path("work");
    write_file("Dt.TXT", "A\xf1o   NUMERO\r\n1 2\r\n2 4\r\n3 7\r\n");
  }
  TempDirectory directory;
};

TEST_F(TerminalProgram, WorkedExampleByteForByte) {
  Result r = run_program(run_answers("t", "2", "95", {}, {"2001"}));
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(read_file("Et.TXT"),
            "Se extrapolan  2  puntos\r\n"
            "\r\n"
            "El grado de confianza de los intervalos es:  95 %\r\n"
            "\r\n"
            "El valor considerado para la t de Student es:  12.706 \r\n"
            "\r\n"
            "El n\xfamero de puntos considerado es:  3 \r\n"
            "\r\n"
            "F(X) =  0 +  1*X^( 1) +  0*X^( 0) +  0*exp( 0*X) +  0*log(X+ 0)\r\n"
            "      +  0*cos( 0*X+ 0) +  0*cos( 0*X+ 0)\r\n"
            "      +  0*X/( 0+X) +  0*exp( 0*X)/(1+ 0*exp( 0*X))\r\n"
            "      +  0*exp( 0*X)/(1+ 0*exp( 0*X))\r\n"
            "\r\n"
            "Recta de regresion: Y = 2.5 F(X) + -0.666666666666667 \r\n"
            "\r\n"
            "A\xf1o o periodo  TENDENCIA                  MINIMO                      MAXIMO    \r\n"
            "\r\n"
            " 2001          2 \r\n"
            " 2002          4 \r\n"
            " 2003          7 \r\n"
            " 2004          9.33333333333333           -0.137159907370776           18.8038265740374 \r\n"
            " 2005          11.8333333333333           -0.694951620677287           24.361618287344 \r\n");
  // The farewell comes last, in this order.
  std::size_t results = r.out.find("En el fichero Et tiene los resultados");
  ASSERT_NE(results, std::string::npos);
  EXPECT_GT(r.out.find("¡Hasta la proxima!"), results);
}

TEST_F(TerminalProgram, ANameLongerThanSevenCharactersIsAskedAgain) {
  write_file("Dabcdefg.TXT", "T\r\n1 2\r\n2 4\r\n3 7\r\n");
  std::vector<std::string> answers = run_answers("abcdefg", "1", "95", {}, {"1"});
  answers.insert(answers.begin(), "abcdefgh");
  Result r = run_program(answers);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(occurrences(r.out, "Nombre del problema (hasta 7 caracteres)"), 2u);
  EXPECT_TRUE(std::filesystem::exists("Eabcdefg.TXT"));
  EXPECT_FALSE(std::filesystem::exists("Eabcdefgh.TXT"));
}

TEST_F(TerminalProgram, TheEmptyNameGivesETxt) {
  write_file("D.TXT", "T\r\n1 2\r\n2 4\r\n3 7\r\n");
  Result r = run_program(run_answers("", "1", "95", {}, {"1"}));
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.out.find("SE DEBE LLAMAR D.TXT\n"), std::string::npos);
  EXPECT_NE(r.out.find("En el fichero E tiene los resultados"), std::string::npos);
  EXPECT_TRUE(std::filesystem::exists("E.TXT"));
}

TEST_F(TerminalProgram, ARejectedLevelAsksTheLevelAndTheCoefficientsAgain) {
  std::vector<std::string> answers = run_answers("t", "2", "80", {}, {});
  std::vector<std::string> second = run_answers("", "", "95", {}, {"2001"});
  answers.insert(answers.end(), second.begin() + 2, second.end());
  Result r = run_program(answers);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(occurrences(r.out, "¿GRADO DE CONFIANZA?"), 2u);
  EXPECT_EQ(occurrences(r.out, "Introduzca los coeficientes b0 a b24"), 2u);
  EXPECT_NE(read_file("Et.TXT").find("El grado de confianza de los intervalos es:  80 %\r\n"
                                     "El grado de confianza de los intervalos es:  95 %\r\n\r\n"),
            std::string::npos);
}

TEST_F(TerminalProgram, CancelAtThePointsQuestionStopsWithAnEmptyResultsFile) {
  Result r = run_program({"t"});
  EXPECT_EQ(r.status, 1);
  EXPECT_TRUE(std::filesystem::exists("Et.TXT"));
  EXPECT_EQ(read_file("Et.TXT"), "");
  EXPECT_NE(r.err.find("no es un número"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("puntos a extrapolar"), std::string::npos) << r.err;
}

TEST_F(TerminalProgram, ZeroOrNegativePointsEndAtTheObservedRows) {
  for (const char* m : {"0", "-3"}) {
    Result r = run_program(run_answers("t", m, "95", {}, {"2001"}));
    EXPECT_EQ(r.status, 0);
    std::string report = read_file("Et.TXT");
    EXPECT_EQ(report.rfind(std::string("Se extrapolan ") + (m[0] == '-' ? "" : " ") + m + "  puntos\r\n", 0), 0u);
    EXPECT_EQ(report.substr(report.size() - 19), " 2003          7 \r\n");
  }
}

TEST_F(TerminalProgram, FailuresSayWhatAndWhereAndKeepTheLines) {
  Result r = run_program(run_answers("t", "2", "95", {"", "1e160", "1"}, {"2001"}));
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("desbordamiento"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("ajuste de la recta"), std::string::npos) << r.err;
  std::string report = read_file("Et.TXT");
  EXPECT_EQ(report.substr(report.size() - 39), "      +  0*exp( 0*X)/(1+ 0*exp( 0*X))\r\n");
  EXPECT_EQ(r.out.find("¡Hasta la proxima!"), std::string::npos);
}

TEST_F(TerminalProgram, OnlyHelpAndVersionAreAccepted) {
  Result help = run_program({}, "--help");
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("Uso:"), std::string::npos);
  Result version = run_program({}, "--version");
  EXPECT_EQ(version.status, 0);
  EXPECT_NE(version.out.find("tendencia"), std::string::npos);
  Result other = run_program({"t"}, "ventas");
  EXPECT_EQ(other.status, 2);
  EXPECT_NE(other.err.find("Uso:"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists("Et.TXT"));
}

}  // namespace
}  // namespace tendencia
