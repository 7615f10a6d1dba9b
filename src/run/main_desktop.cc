// tendencia-gui: the run as a desktop program, every step a modal box.
#include <FL/Fl.H>

#include <cstdarg>
#include <cstdio>
#include <cstdlib>

#include "run/program.h"
#include "ui/desktop_dialogue.h"

namespace {

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

}  // namespace

int main(int argc, char** argv) {
  using namespace tendencia;
  FrontEnd front_end;
  front_end.program_name = "tendencia-gui";
  front_end.start = [](const std::function<int(Dialogue&)>& run) {
    Fl::fatal = fatal;
    DesktopDialogue desktop;
    return run(desktop);
  };
  front_end.report_error = [](const std::string& message, Dialogue* dialogue) {
    std::fprintf(stderr, "%s\n", message.c_str());
    if (dialogue != nullptr) static_cast<DesktopDialogue*>(dialogue)->show_alert(message);
  };
  return program_main(argc, argv, front_end);
}
