#include "programs/estudio/studio_program.h"

#include <FL/Fl.H>

#include <cstdio>
#include <string>
#include <vector>

#include "programs/estudio/command_line.h"
#include "programs/estudio/studio_window.h"
#include "programs/program.h"
#include "text/separators.h"
#include "ui/desktop_dialogue.h"

namespace tendencia {
namespace {

std::string help() {
  return std::string(estudio::kUsage) +
         "\n\n"
         "Una ventana para todo el camino: abre la serie (un fichero de datos D*.TXT o\n"
         "un fichero CSV de una hoja de cálculo), ajusta F(X), proyecta la tendencia con\n"
         "su intervalo de predicción y dibuja el gráfico de abanico. Escribe el informe\n"
         "\"E\" + nombre + \".TXT\" al proyectar y el gráfico \"G\" + nombre + \".SVG\",\n"
         "\".PNG\" y \".CSV\" al guardar, en la carpeta del fichero abierto.\n\n"
         "  FICHERO               abre ese fichero al empezar\n"
         "  --elegir-fichero      pide el fichero al empezar (así empieza desde el menú)\n"
         "  --terminos T1,T2,...  marca esos términos de F(X) (constante, potencia, ...)\n"
         "  --automatico          deja que los datos elijan los términos\n"
         "  --puntos M            los puntos a extrapolar\n"
         "  --nivel P             el nivel de confianza: 90, 95 o 99\n"
         "  --inicio I            el año o periodo inicial\n\n"
         "Teclas: Ctrl+O abrir, Ctrl+J ajustar, Ctrl+P proyectar, Ctrl+S guardar,\n"
         "Ctrl+Q salir; Tab pasa de un campo al siguiente.\n";
}

// The window, prepared from the command line, until the user closes it.
int open_window(const StudioOptions& options) {
  stop_on_display_failure();
  Fl::scheme("gtk+");
  StudioWindow::install_shortcuts();
  // Each action reports its own failures in the window; what escapes them
  // (memory running out while the window is built) ends the program in the
  // program's frame.
  StudioWindow window(options, separators_from_locale());
  window.show();
  if (options.file) window.open_file(*options.file);
  if (options.choose_file) window.choose_file();
  return Fl::run();
}

}  // namespace

int run_studio(int argc, char** argv) {
  const ProgramTexts texts{"tendencia-estudio", estudio::kUsage, help()};
  return program_main<StudioOptions>(argc, argv, texts, estudio::parse_command_line, open_window,
                                     [](const StudioOptions&, const std::exception& error) {
                                       return report_failure(error, "La ventana se cierra.");
                                     });
}

}  // namespace tendencia
