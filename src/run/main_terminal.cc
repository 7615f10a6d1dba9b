// tendencia: the run in a terminal, or fed by a script through a pipe.
#include <unistd.h>

#include <cstdio>

#include "run/program.h"
#include "ui/terminal_dialogue.h"

int main(int argc, char** argv) {
  using namespace tendencia;
  FrontEnd front_end;
  front_end.program_name = "tendencia";
  front_end.start = [](const std::function<int(Dialogue&)>& run) {
    TerminalDialogue dialogue(stdin, stdout, isatty(STDIN_FILENO) != 0);
    return run(dialogue);
  };
  front_end.report_error = [](const std::string& message, Dialogue*) {
    std::fflush(stdout);
    std::fprintf(stderr, "%s\n", message.c_str());
  };
  return program_main(argc, argv, front_end);
}
