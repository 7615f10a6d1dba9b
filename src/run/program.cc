#include "run/program.h"

#include <csignal>
#include <cstdio>
#include <cstring>
#include <new>

#include "model/failure.h"
#include "run/run_sequence.h"
#include "ui/separators.h"

namespace tendencia {

namespace {
const char* const kStopped =
    "El programa se detiene; el fichero de resultados conserva las líneas escritas.";
}  // namespace

std::string error_report(const std::exception& error) {
  if (dynamic_cast<const std::bad_alloc*>(&error) != nullptr)
    return "Error: memoria insuficiente.\n" + std::string(kStopped);
  return std::string("Error: ") + error.what() + ".\n" + kStopped;
}

std::optional<int> answer_help_or_version(int argc, char** argv, const char* program_name,
                                          const char* help) {
  if (argc != 2) return std::nullopt;
  if (std::strcmp(argv[1], "--help") == 0) {
    std::printf("%s", help);
    return 0;
  }
  if (std::strcmp(argv[1], "--version") == 0) {
    std::printf("%s 1.0\n", program_name);
    return 0;
  }
  return std::nullopt;
}

int program_main(int argc, char** argv, const FrontEnd& front_end) {
  const std::string help =
      "Uso: " + std::string(front_end.program_name) +
      "\n\n"
      "Proyecta la tendencia de una serie y su intervalo de predicción.\n"
      "Lee la serie de \"D\" + nombre del problema + \".TXT\" en la carpeta actual,\n"
      "pregunta los 25 coeficientes de F(X) y escribe el informe en\n"
      "\"E\" + nombre del problema + \".TXT\". No admite opciones.\n";
  if (auto status = answer_help_or_version(argc, argv, front_end.program_name, help.c_str()))
    return *status;
  if (argc > 1) {
    std::fprintf(stderr, "Uso: %s (sin argumentos; --help para la ayuda)\n",
                 front_end.program_name);
    return 2;
  }
#ifdef SIGPIPE
  // A closed stdout must not kill the run: the report is what matters.
  std::signal(SIGPIPE, SIG_IGN);
#endif
#ifdef SIGXFSZ
  // A file-size limit must make the write fail and be reported, not kill us.
  std::signal(SIGXFSZ, SIG_IGN);
#endif
  Separators separators = separators_from_locale();
  try {
    return front_end.start([&](Dialogue& dialogue) {
      try {
        run_sequence(dialogue, separators);
        return 0;
      } catch (const std::exception& error) {
        front_end.report_error(error_report(error), &dialogue);
        return 1;
      }
    });
  } catch (const std::exception& error) {
    front_end.report_error(error_report(error), nullptr);
    return 1;
  }
}

}  // namespace tendencia
