// Ajustar's promise, checked against tendencia-ajuste itself: the same
// coefficients as its --respuestas, the same report and validation as it
// prints for the same terms (or --automatico), horizon and level.
#include "programs/estudio/series_fit.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/failure.h"
#include "io/data_series.h"
#include "support/command.h"

namespace tendencia {
namespace {

using namespace testing;

const Separators kPoint{".", ""};  // the C locale's, as tendencia-ajuste runs here
const std::vector<TermGroup> kConstantPower = {TermGroup::Constant, TermGroup::Power};

class FitSeries : public ::testing::Test {
 protected:
  FitSeries() {
    std::filesystem::copy_file(TENDENCIA_EXAMPLES "/Dventas.TXT", work.file("Dventas.TXT"));
  }
  CommandResult fit_program(const std::string& arguments) {
    return work.run(std::string(TENDENCIA_AJUSTE_BINARY) + " " + arguments);
  }
  std::string answers_of(const SeriesFit& fit) {
    std::string lines;
    for (const std::string& b : fit.coefficients) lines += b + "\n";
    return lines;
  }
  DataSeries ventas() { return read_data_file(work.folder(), "ventas"); }

  WorkFolder work;
};

TEST_F(FitSeries, GivesTheFitProgramsAnswersReportAndValidation) {
  SeriesFit fit = fit_series(ventas(), kConstantPower, false, "Dventas.TXT", {5, 99}, kPoint);
  EXPECT_EQ(answers_of(fit), fit_program("ventas constante potencia --respuestas").out);
  CommandResult printed = fit_program("ventas constante potencia --validar 5 --nivel 99");
  ASSERT_EQ(printed.status, 0) << printed.err;
  EXPECT_EQ(fit.report, printed.out);
  EXPECT_NE(fit.report.find("t calibrada al 99 %"), std::string::npos) << fit.report;
  ASSERT_TRUE(fit.calibrated_t.has_value());
  EXPECT_EQ(fit.groups, kConstantPower);
}

TEST_F(FitSeries, AutomaticChoosesAndReportsAsTheFitProgramDoes) {
  SeriesFit fit = fit_series(ventas(), {}, true, "Dventas.TXT", {5, 95}, kPoint);
  CommandResult printed = fit_program("ventas --automatico --validar 5");
  ASSERT_EQ(printed.status, 0) << printed.err;
  EXPECT_EQ(fit.report, printed.out);
  const std::string chosen = "\nElegido: ";
  const std::size_t at = printed.out.find(chosen);
  ASSERT_NE(at, std::string::npos);
  // The studio fits the series itself, as tendencia-ajuste does without --datos.
  const std::string line = printed.out.substr(at + 1, printed.out.find('\n', at + 1) - at - 1);
  EXPECT_EQ(line.substr(line.size() - 12), " sobre serie") << line;
  EXPECT_FALSE(fit.groups.empty());
}

TEST_F(FitSeries, ASeriesTooShortToValidateStillGetsItsFitWithTheReasonWhyNot) {
  write_file(work.file("Dx.TXT"), "T\n1 3\n2 5\n3 8\n4 9\n5 12\n");
  SeriesFit fit = fit_series(read_data_file(work.folder(), "x"), kConstantPower, false, "Dx.TXT",
                             {6, 95}, kPoint);
  const CommandResult fitted = fit_program("x constante potencia");
  const CommandResult refused = fit_program("x constante potencia --validar 6");
  ASSERT_EQ(refused.status, 1);
  const std::string reason = refused.err.substr(7, refused.err.find(". No se escribe") - 7);
  EXPECT_EQ(fit.report, fitted.out + "\nSin validación: " + reason + ".\n");
  EXPECT_FALSE(fit.calibrated_t.has_value());
  EXPECT_EQ(answers_of(fit), fit_program("x constante potencia --respuestas").out);
}

TEST_F(FitSeries, RefusesNoTermsAndATextValueAsTheFitProgramDoes) {
  EXPECT_THROW(fit_series(ventas(), {}, false, "Dventas.TXT", {5, 95}, kPoint), FitRefused);
  write_file(work.file("Dtexto.TXT"), "T\n1 10\n2 12\n3 \"n/d\"\n4 15\n5 16\n6 18\n");
  try {
    fit_series(read_data_file(work.folder(), "texto"), kConstantPower, false, "Dtexto.TXT",
               {1, 95}, kPoint);
    FAIL() << "a text value was fitted";
  } catch (const Failure& failure) {
    EXPECT_EQ(fit_program("texto constante potencia").err,
              "Error: " + std::string(failure.what()) + ". No se escribe ningún coeficiente.\n");
  }
}

TEST(ValidationSettingsFor, TakeTheHorizonFromMUpToAThirdOfTheSeries) {
  EXPECT_EQ(validation_settings_for(5, 99, 20).horizon, 5);
  EXPECT_EQ(validation_settings_for(24, 95, 20).horizon, 6);
  EXPECT_EQ(validation_settings_for(5, 95, 2).horizon, 1);
  EXPECT_EQ(validation_settings_for(0, 95, 100).horizon, 6);
  EXPECT_EQ(validation_settings_for(5, 99, 20).level_percent, 99);
}

}  // namespace
}  // namespace tendencia
