// tendencia-estudio: the whole way from a spreadsheet's series to the fan
// chart in one desktop window.
#include "programs/estudio/studio_program.h"

int main(int argc, char** argv) { return tendencia::run_studio(argc, argv); }
