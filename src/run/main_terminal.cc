// tendencia: the run in a terminal, or fed by a script through a pipe.
#include <unistd.h>

#include <cstdio>

#include "run/program.h"
#include "ui/terminal_dialogue.h"

int main(int argc, char** argv) {
  using namespace tendencia;
  const std::string help = "Uso: tendencia\n\n" + run_description() + "No admite opciones.\n";
  if (auto status = answer_help_or_version(argc, argv, "tendencia", help)) return *status;
  if (argc > 1) {
    std::fprintf(stderr, "Uso: tendencia (sin argumentos; --help para la ayuda)\n");
    return 2;
  }
  ignore_write_signals();
  TerminalDialogue dialogue(stdin, stdout, stderr, isatty(STDIN_FILENO) != 0);
  return run_program(dialogue);
}
