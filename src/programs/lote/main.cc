// tendencia-lote HOJA: every series of a spreadsheet projected as
// tendencia-ajuste --automatico --guion M INICIO --t-calibrada | tendencia
// projects one, on every processor, with the tables of all of them.
#include "programs/lote/lote_program.h"
#include "programs/program.h"

int main(int argc, char** argv) {
  using namespace tendencia;
  const ProgramTexts texts{"tendencia-lote", lote::kUsage, lote::help_text()};
  return program_main<lote::Request>(argc, argv, texts, lote::parse_command_line,
                                     lote::lote_program, lote::lote_failed);
}
