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

class TerminalProgram : public ::testing::Test {
 protected:
  TerminalProgram() { write_file(work.file("Dt.TXT"), "A\xf1o   NUMERO\r\n1 2\r\n2 4\r\n3 7\r\n"); }

  Result run_program(const std::vector<std::string>& answers, const std::string& arguments = "") {
    std::string input;
    for (const std::string& a : answers) input += a + "\n";
    write_file(work.beside("answers.in"), input);
    return work.run(std::string(TENDENCIA_BINARY) + " " + arguments + " < ../answers.in");
  }

  WorkFolder work;
};

// What the report holds is checked byte for byte through the run sequence
// itself (run_sequence_test.cc); here, what a script sees of a whole run.
TEST_F(TerminalProgram, ACompleteRunExitsZeroWithTheFarewellLast) {
  Result r = run_program(run_answers("t", "2", "95", {}, {"2001"}));
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "");
  EXPECT_TRUE(ends_with(read_file(work.file("Et.TXT")),
                        " 2005          11.8333333333333           -0.694951620677287"
                        "           24.361618287344 \r\n"));
  std::size_t results = r.out.find("En el fichero Et tiene los resultados");
  ASSERT_NE(results, std::string::npos);
  EXPECT_GT(r.out.find("¡Hasta la proxima!"), results);
}

TEST_F(TerminalProgram, CancelAtThePointsQuestionStopsWithStatusOne) {
  Result r = run_program({"t"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(read_file(work.file("Et.TXT")), "");
  EXPECT_NE(r.err.find("no es un número"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("puntos a extrapolar"), std::string::npos) << r.err;
}

TEST_F(TerminalProgram, FailuresSayWhatAndWhereAndKeepTheLines) {
  Result r = run_program(run_answers("t", "2", "95", {"", "1e160", "1"}, {"2001"}));
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("desbordamiento"), std::string::npos) << r.err;
  EXPECT_NE(r.err.find("ajuste de la recta"), std::string::npos) << r.err;
  std::string report = read_file(work.file("Et.TXT"));
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
  EXPECT_EQ(other.err, "Uso: tendencia (--help para la ayuda)\n");  // one line
  EXPECT_FALSE(std::filesystem::exists(work.file("Et.TXT")));
}

}  // namespace
}  // namespace tendencia
