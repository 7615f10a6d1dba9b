// What tendencia-estudio does from its command line to its window's end.
#pragma once

namespace tendencia {

// --help and --version answered, a wrong command line refused with the usage
// line (status 2), otherwise the window shown until Ctrl+Q or its close box
// (status 0); no display to open is status 1.
int run_studio(int argc, char** argv);

}  // namespace tendencia
