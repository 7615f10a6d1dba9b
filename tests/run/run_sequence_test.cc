// Whole runs through the scripted dialogue, checking the results file to the byte.
#include "run/run_sequence.h"

#include <gtest/gtest.h>

#include "core/failure.h"
#include "support/strings.h"
#include "support/temp_directory.h"
#include "support/scripted_dialogue.h"
#include "support/failure_text.h"

namespace tendencia {
namespace {

using namespace testing;

const std::string kFormulaOfX =
    "F(X) =  0 +  1*X^( 1) +  0*X^( 0) +  0*exp( 0*X) +  0*log(X+ 0)\r\n"
    "      +  0*cos( 0*X+ 0) +  0*cos( 0*X+ 0)\r\n"
    "      +  0*X/( 0+X) +  0*exp( 0*X)/(1+ 0*exp( 0*X))\r\n"
    "      +  0*exp( 0*X)/(1+ 0*exp( 0*X))\r\n";
const std::string kHeader =
    "A\xf1o o periodo  TENDENCIA                  MINIMO                      MAXIMO    \r\n";

// An observed row: the label's print form, then the value at column 15.
std::string row(int label, const std::string& value) {
  std::string line = (label < 0 ? "" : " ") + std::to_string(label) + " ";
  line.resize(14, ' ');
  return line + value + "\r\n";
}

struct Outcome {
  std::string failure;  // "kind @ place"; empty for a complete run
  std::vector<ScriptedDialogue::Shown> shown;
};

class RunSequence : public ::testing::Test {
 protected:
  // The run on the files of the test's folder.
  Outcome run(const std::vector<std::string>& answers, const Separators& separators = {}) {
    ScriptedDialogue dialogue(answers);
    Outcome outcome;
    try {
      run_sequence(dialogue, separators, directory.folder());
    } catch (const Failure& f) {
      outcome.failure = testing::failure_text(f);
    }
    outcome.shown = dialogue.shown();
    return outcome;
  }

  TempDirectory directory;
};

TEST_F(RunSequence, WorkedExampleWritesTheWholeReport) {
  write_file(directory.file("Dt.TXT"), "A\xf1o   NUMERO\r\n1 2\r\n2 4\r\n3 7\r\n");
  Outcome outcome = run(run_answers("t", "2", "95", {}, {"2001"}));
  EXPECT_EQ(outcome.failure, "");
  EXPECT_EQ(read_file(directory.file("Et.TXT")),
            "Se extrapolan  2  puntos\r\n\r\n"
            "El grado de confianza de los intervalos es:  95 %\r\n\r\n"
            "El valor considerado para la t de Student es:  12.706 \r\n\r\n"
            "El n\xfamero de puntos considerado es:  3 \r\n\r\n" +
                kFormulaOfX +
                "\r\nRecta de regresion: Y = 2.5 F(X) + -0.666666666666667 \r\n\r\n" + kHeader +
                "\r\n"
                " 2001          2 \r\n"
                " 2002          4 \r\n"
                " 2003          7 \r\n"
                " 2004          9.33333333333333           -0.137159907370776           "
                "18.8038265740374 \r\n"
                " 2005          11.8333333333333           -0.694951620677287           "
                "24.361618287344 \r\n");
  ASSERT_GE(outcome.shown.size(), 2u);
  EXPECT_EQ(outcome.shown[outcome.shown.size() - 2].text, "En el fichero Et tiene los resultados");
  EXPECT_EQ(outcome.shown.back().text, "¡Hasta la proxima!");
}

// Records what the results file holds on disk when the results message shows.
class ReportWatchingDialogue : public ScriptedDialogue {
 public:
  ReportWatchingDialogue(std::vector<std::string> answers, std::string report)
      : ScriptedDialogue(std::move(answers)), report_(std::move(report)) {}
  void show_message(const std::string& text) override {
    if (text.rfind("En el fichero", 0) == 0) on_disk_at_announcement = read_file(report_);
    ScriptedDialogue::show_message(text);
  }
  std::string on_disk_at_announcement;

 private:
  std::string report_;
};

TEST_F(RunSequence, TheWholeReportIsOnDiskWhenItIsAnnounced) {
  write_file(directory.file("Dt.TXT"), "A\xf1o   NUMERO\r\n1 2\r\n2 4\r\n3 7\r\n");
  ReportWatchingDialogue dialogue(run_answers("t", "2", "95", {}, {"2001"}),
                                  directory.file("Et.TXT"));
  run_sequence(dialogue, Separators{}, directory.folder());
  EXPECT_FALSE(dialogue.on_disk_at_announcement.empty());
  EXPECT_EQ(dialogue.on_disk_at_announcement, read_file(directory.file("Et.TXT")));
}

TEST_F(RunSequence, AReportGatheredInMemoryIsTheFilesBytesAndWritesNoFile) {
  write_file(directory.file("Dt.TXT"), "A\xf1o   NUMERO\r\n1 2\r\n2 4\r\n3 7\r\n");
  EXPECT_EQ(run(run_answers("t", "4", "99", {"1", "2", "0.5"}, {"1990"})).failure, "");
  const std::string on_disk = read_file(directory.file("Et.TXT"));
  std::filesystem::remove(directory.file("Et.TXT"));
  ScriptedDialogue dialogue(run_answers("t", "4", "99", {"1", "2", "0.5"}, {"1990"}));
  EXPECT_EQ(run_sequence_report(dialogue, Separators{}, directory.folder()), on_disk);
  EXPECT_EQ(files_in(directory.folder()), std::vector<std::string>{"Dt.TXT"});
  // A run that stops gives no report at all, where the file would keep its lines.
  ScriptedDialogue stopped(run_answers("t", "4", "99", {"1", "2", "0.5"}, {"x"}));
  EXPECT_THROW(run_sequence_report(stopped, Separators{}, directory.folder()), Failure);
  EXPECT_EQ(files_in(directory.folder()), std::vector<std::string>{"Dt.TXT"});
}

TEST_F(RunSequence, ASpanishLocaleWritesDecimalCommasInTheReportOnly) {
  write_file(directory.file("Dt.TXT"), "T\r\n1 2\r\n2 4\r\n3 7\r\n");
  Outcome outcome = run(run_answers("t", "1", "95", {"0,5", "1", "1"}, {"2001"}),
                        Separators{",", "."});
  EXPECT_EQ(outcome.failure, "");
  std::string report = read_file(directory.file("Et.TXT"));
  EXPECT_NE(report.find("F(X) =  0 +  1*X^( 1)"), std::string::npos);  // "0,5" reads as 0
  EXPECT_NE(report.find("Y = 2,5 F(X) + -0,666666666666667 \r\n"), std::string::npos);
  EXPECT_NE(report.find("12,706 \r\n"), std::string::npos);
  EXPECT_NE(report.find(" 2004          9,33333333333333 "), std::string::npos);
}

TEST_F(RunSequence, TheLevelLoopRereadsTheDataAndAsksTheCoefficientsAgain) {
  write_file(directory.file("Dt.TXT"), "T\r\n1 20\r\n2 40\r\n3 70\r\n");
  // Changes the data file while the second level question is shown, so the
  // report proves that the file was read again.
  struct Editing : ScriptedDialogue {
    Editing(std::vector<std::string> answers, std::string data_file)
        : ScriptedDialogue(std::move(answers)), data_file(std::move(data_file)) {}
    std::string data_file;
    int level_questions = 0;
    std::string ask(const std::string& prompt) override {
      if (prompt.rfind("¿GRADO", 0) == 0 && ++level_questions == 2)
        write_file(data_file, "T\r\n1 2\r\n2 4\r\n3 7\r\n");
      return ScriptedDialogue::ask(prompt);
    }
  };
  std::vector<std::string> answers = run_answers("t", "2", "80", {"5", "3", "2"}, {});
  std::vector<std::string> second = run_answers("", "", "95", {}, {"2001"});
  answers.insert(answers.end(), second.begin() + 2, second.end());
  Editing dialogue(answers, directory.file("Dt.TXT"));
  run_sequence(dialogue, {}, directory.folder());
  std::string report = read_file(directory.file("Et.TXT"));
  EXPECT_NE(report.find("es:  80 %\r\nEl grado de confianza de los intervalos es:  95 %\r\n\r\n"),
            std::string::npos);
  EXPECT_NE(report.find(kFormulaOfX), std::string::npos);  // only the second set
  EXPECT_NE(report.find(" 2003          7 \r\n"), std::string::npos);
  int coefficient_messages = 0;
  for (const auto& shown : dialogue.shown())
    coefficient_messages += shown.text.rfind("Introduzca los coeficientes", 0) == 0;
  EXPECT_EQ(coefficient_messages, 2);
}

TEST_F(RunSequence, ProblemNamesOfUpToSevenCharactersAreAccepted) {
  write_file(directory.file("Dabc.TXT"), "T\r\n1 2\r\n2 4\r\n3 7\r\n");
  Outcome outcome = run(run_answers("ABCDEFGH", "2", "95", {}, {}));
  // The 8-character name is asked again; "2" is then the name.
  EXPECT_EQ(outcome.shown[1].text, "Nombre del problema (hasta 7 caracteres)");
  std::vector<std::string> answers = run_answers("abc", "2", "95", {}, {"1"});
  answers.insert(answers.begin(), "ABCDEFGH");
  EXPECT_EQ(run(answers).failure, "");
  EXPECT_TRUE(std::filesystem::exists(directory.file("Eabc.TXT")));
  // Seven characters, not seven bytes.
  write_file(directory.file("Dañoñoño.TXT"), "T\r\n1 2\r\n2 4\r\n3 7\r\n");
  EXPECT_EQ(run(run_answers("añoñoño", "2", "95", {}, {"1"})).failure, "");
  EXPECT_TRUE(std::filesystem::exists(directory.file("Eañoñoño.TXT")));
}

TEST_F(RunSequence, TheEmptyNameUsesDTxtAndETxt) {
  write_file(directory.file("D.TXT"), "T\r\n1 2\r\n2 4\r\n3 7\r\n");
  Outcome outcome = run(run_answers("", "0", "99", {}, {"1"}));
  EXPECT_EQ(outcome.failure, "");
  EXPECT_NE(outcome.shown[1].text.find("SE DEBE LLAMAR D.TXT\n"), std::string::npos);
  EXPECT_EQ(outcome.shown.back().text, "¡Hasta la proxima!");
  EXPECT_EQ(outcome.shown[outcome.shown.size() - 2].text, "En el fichero E tiene los resultados");
  std::string report = read_file(directory.file("E.TXT"));
  EXPECT_NE(report.find("63.657"), std::string::npos);
  EXPECT_TRUE(ends_with(report, "\r\n" + row(3, " 7 "))) << report;
}

TEST_F(RunSequence, ZeroOrNegativePointsWriteNoProjectedRows) {
  write_file(directory.file("Dt.TXT"), "T\r\n1 2\r\n2 4\r\n3 7\r\n");
  for (const char* m : {"0", "-3"}) {
    EXPECT_EQ(run(run_answers("t", m, "95", {}, {"2001"})).failure, "");
    std::string report = read_file(directory.file("Et.TXT"));
    EXPECT_EQ(report.rfind("Se extrapolan " + std::string(m[0] == '-' ? "" : " ") + m +
                               "  puntos\r\n",
                           0),
              0u);
    EXPECT_TRUE(ends_with(report, "\r\n" + row(2003, " 7 "))) << report;
  }
}

TEST_F(RunSequence, CancelAtThePointsQuestionLeavesAnEmptyResultsFile) {
  write_file(directory.file("Et.TXT"), "an old report");
  Outcome outcome = run({"t"});
  EXPECT_EQ(outcome.failure,
            "el texto no es un número @ pregunta de los puntos a extrapolar");
  EXPECT_EQ(read_file(directory.file("Et.TXT")), "");
}

TEST_F(RunSequence, AMissingDataFileKeepsTheFirstLines) {
  Outcome outcome = run(run_answers("t", "2", "95", {}, {}));
  EXPECT_EQ(outcome.failure, "no se encuentra el fichero @ fichero de datos Dt.TXT");
  EXPECT_EQ(read_file(directory.file("Et.TXT")),
            "Se extrapolan  2  puntos\r\n\r\nEl grado de confianza de los intervalos es:  95 %\r\n");
}

TEST_F(RunSequence, TheDataFileIsFoundIgnoringCaseWhenUnambiguous) {
  write_file(directory.file("DVENTAS.TXT"), "T\r\n1 2\r\n2 4\r\n3 7\r\n");
  EXPECT_EQ(run(run_answers("ventas", "1", "95", {}, {"1"})).failure, "");
  write_file(directory.file("Dventas.txt"), "T\r\n1 2\r\n2 4\r\n3 7\r\n");
  EXPECT_EQ(run(run_answers("ventas", "1", "95", {}, {"1"})).failure,
            "no se encuentra el fichero @ fichero de datos Dventas.TXT");
}

TEST_F(RunSequence, ANameWithASlashCreatesNothingAnywhere) {
  std::filesystem::create_directory(directory.file("Ea"));
  Outcome outcome = run(run_answers("a/b", "2", "95", {}, {}));
  EXPECT_EQ(outcome.failure, "no se puede crear el fichero @ fichero de resultados Ea/b.TXT");
  EXPECT_TRUE(std::filesystem::is_empty(directory.file("Ea")));
}

TEST_F(RunSequence, FewerPointsConsideredThanValuesRead) {
  std::string data = "T\r\n";
  for (int i = 1; i <= 40; ++i) data += std::to_string(i) + " " + std::to_string(2 * i) + "\r\n";
  data += "41 \"not a number\"\r\n";
  write_file(directory.file("Dt.TXT"), data);
  EXPECT_EQ(run(run_answers("t", "2", "95", {}, {"20", "2001"})).failure, "");
  std::string report = read_file(directory.file("Et.TXT"));
  EXPECT_NE(report.find("considerado es:  20 \r\n"), std::string::npos);
  EXPECT_NE(report.find(" 2020          40 \r\n 2021          42 "), std::string::npos);
  EXPECT_EQ(report.find(" 2023 "), std::string::npos);
}

TEST_F(RunSequence, InitialPeriodsLabelTheRows) {
  write_file(directory.file("Dt.TXT"), "T\r\n1 2\r\n2 4\r\n3 7\r\n");
  EXPECT_EQ(run(run_answers("t", "2", "95", {}, {"1"})).failure, "");
  std::string report = read_file(directory.file("Et.TXT"));
  EXPECT_NE(report.find("\r\n" + row(1, " 2 ") + row(2, " 4 ") + row(3, " 7 ") + " 4 "),
            std::string::npos);
  EXPECT_EQ(run(run_answers("t", "2", "95", {}, {"0"})).failure, "");
  EXPECT_NE(read_file(directory.file("Et.TXT")).find("\r\n" + row(0, " 2 ")), std::string::npos);

  EXPECT_EQ(run(run_answers("t", "2", "95", {}, {"32767"})).failure,
            "desbordamiento (resultado fuera de rango) @ etiqueta de la fila observada 2");
  report = read_file(directory.file("Et.TXT"));
  EXPECT_TRUE(ends_with(report, "MAXIMO    \r\n\r\n" + row(32767, " 2 "))) << report;
  EXPECT_EQ(run(run_answers("t", "2", "95", {}, {"-32768"})).failure,
            "desbordamiento (resultado fuera de rango) @ año o periodo inicial - 1");
  EXPECT_EQ(run(run_answers("t", "2", "95", {}, {"abc"})).failure,
            "el texto no es un número @ año o periodo inicial");
}

TEST_F(RunSequence, AProjectedRowThatFailsIsNotWritten) {
  write_file(directory.file("Dt.TXT"), "T\r\n1 2\r\n2 4\r\n3 7\r\n");
  EXPECT_EQ(run(run_answers("t", "10", "95", {}, {"32760"})).failure,
            "desbordamiento (resultado fuera de rango) @ etiqueta del periodo X = 9");
  std::string report = read_file(directory.file("Et.TXT"));
  EXPECT_NE(report.find("\r\n 32767 "), std::string::npos);
  // b16 = -6: F(6) divides by zero at the third projected row.
  EXPECT_EQ(run(run_answers("t", "5", "95", {"", "1", "1", "", "", "", "", "", "", "", "", "",
                                              "", "", "", "", "-6"},
                            {"2001"}))
                .failure,
            "división por cero @ F(X) en X = 6");
  report = read_file(directory.file("Et.TXT"));
  EXPECT_NE(report.find("\r\n 2005 "), std::string::npos);
  EXPECT_EQ(report.find("\r\n 2006 "), std::string::npos);
}

}  // namespace
}  // namespace tendencia
