// tendencia: the run in a terminal, or fed by a script through a pipe.
#include <unistd.h>

#include <cstdio>

#include "programs/program.h"
#include "programs/tendencia/command_line.h"
#include "run/run_program.h"
#include "ui/terminal_dialogue.h"

int main(int argc, char** argv) {
  using namespace tendencia;
  using terminal::Request;
  const ProgramTexts texts{"tendencia", terminal::kUsage,
                           std::string(terminal::kUsage) + "\n\n" + run_description() +
                               "No admite opciones.\n"};
  return program_main<Request>(
      argc, argv, texts, terminal::parse_command_line,
      [](const Request&) {
        TerminalDialogue dialogue(stdin, stdout, stderr, isatty(STDIN_FILENO) != 0);
        return run_program(dialogue, "");
      },
      [](const Request&, const std::exception& error) {
        return report_failure(error, "El programa se detiene.");
      });
}
