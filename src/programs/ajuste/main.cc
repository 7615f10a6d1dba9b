// tendencia-ajuste NOMBRE TERMINO...: fits the chosen terms of F(X) (or the
// ones the series chooses) to the series of "D" + NOMBRE + ".TXT", validates
// them, and prints the coefficients or every answer for tendencia.
#include "programs/ajuste/fit_program.h"
#include "programs/program.h"

int main(int argc, char** argv) {
  using namespace tendencia;
  const ProgramTexts texts{"tendencia-ajuste", ajuste::kUsage, ajuste::help_text()};
  return program_main<FitRequest>(argc, argv, texts, ajuste::parse_command_line,
                                  ajuste::fit_program, [](const FitRequest&, const std::exception& e) {
                                    return report_failure(e, "No se escribe ningún coeficiente.");
                                  });
}
