// tendencia-grafico NAME [--csv] [--niveles LIST]: the fan chart of the results
// file "E" + NAME + ".TXT", written as "G" + NAME + ".SVG" and "G" + NAME +
// ".PNG" beside it, and with --csv its table as "G" + NAME + ".CSV".
#include "programs/grafico/chart_program.h"
#include "programs/program.h"

int main(int argc, char** argv) {
  using namespace tendencia::grafico;
  const tendencia::ProgramTexts texts{"tendencia-grafico", kUsage, help_text()};
  return tendencia::program_main<Request>(argc, argv, texts, parse_command_line, draw_chart,
                                          chart_refused);
}
