// tendencia-gui: the run as a desktop program, every step a modal box.
#include <FL/Fl.H>

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "run/program.h"
#include "run/working_folder.h"
#include "ui/desktop_dialogue.h"
#include "ui/folder_chooser.h"

namespace {

const char* const kUsage = "Uso: tendencia-gui [CARPETA | --elegir-carpeta]";

// FLTK's fatal errors (no display to open) end the program; say so in Spanish,
// with the same exit status as any other failure.
void fatal(const char* format, ...) {
  std::fprintf(stderr, "tendencia-gui: no se puede abrir la pantalla gráfica (");
  va_list arguments;
  va_start(arguments, format);
  std::vfprintf(stderr, format, arguments);
  va_end(arguments);
  std::fprintf(stderr, ")\n");
  std::exit(1);
}

std::string help() {
  return std::string(kUsage) + "\n\n" + tendencia::run_description() +
         "\n"
         "  tendencia-gui                   trabaja en la carpeta actual\n"
         "  tendencia-gui CARPETA           trabaja en CARPETA, como si se iniciara allí\n"
         "  tendencia-gui --elegir-carpeta  pide antes la carpeta de los datos\n";
}

}  // namespace

int main(int argc, char** argv) {
  using namespace tendencia;
  if (auto status = answer_help_or_version(argc, argv, "tendencia-gui", help())) return *status;
  if (argc > 2 || (argc == 2 && argv[1][0] == '-' &&
                   std::string(argv[1]) != "--elegir-carpeta")) {
    std::fprintf(stderr, "%s (--help para la ayuda)\n", kUsage);
    return 2;
  }
  ignore_write_signals();
  Fl::fatal = fatal;
  DesktopDialogue dialogue;
  if (argc == 2) {
    std::string folder = argv[1];
    if (folder == "--elegir-carpeta") {
      std::optional<std::string> chosen = choose_folder("Carpeta de los datos");
      if (!chosen) return 0;
      folder = *chosen;
    }
    std::string refused = enter_folder(folder);
    if (!refused.empty()) {
      dialogue.show_failure(refused);
      return 2;
    }
  }
  return run_program(dialogue);
}
