// What tendencia-grafico does with its command line: reads the report and the
// data file's title line, draws the chart as SVG and PNG, and with --csv writes
// its table; says which bands it could not draw.
#pragma once

#include <exception>
#include <string>

#include "programs/grafico/command_line.h"

namespace tendencia::grafico {

// The whole --help text.
std::string help_text();

// Returns the exit status; throws ReportRefused or a Failure for the frame.
int draw_chart(const Request& request);

// The failure of a chart, named by its report: "Error al dibujar E<NAME>.TXT: ...".
int chart_refused(const Request& request, const std::exception& error);

}  // namespace tendencia::grafico
