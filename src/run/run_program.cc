#include "run/run_program.h"

#include <cstdio>

#include "core/failure.h"
#include "run/run_sequence.h"
#include "text/separators.h"

namespace tendencia {

namespace {
const char* const kStopped =
    "El programa se detiene; el fichero de resultados conserva las líneas escritas.";
}  // namespace

std::string error_report(const std::exception& error) {
  return "Error: " + what_failed(error) + ".\n" + kStopped;
}

std::string run_description() {
  return "Proyecta la tendencia de una serie y su intervalo de predicción.\n"
         "Lee la serie de \"D\" + nombre del problema + \".TXT\" en la carpeta actual,\n"
         "pregunta los 25 coeficientes de F(X) y escribe el informe en\n"
         "\"E\" + nombre del problema + \".TXT\".\n";
}

int run_program(Dialogue& dialogue, const std::string& folder) {
  try {
    run_sequence(dialogue, separators_from_locale(), folder);
    return 0;
  } catch (const std::exception& error) {
    dialogue.show_failure(error_report(error));
    return 1;
  }
}

}  // namespace tendencia
