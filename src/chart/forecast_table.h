// The report's table as a CSV file for a spreadsheet ("G" + name + ".CSV").
#pragma once

#include <string>

#include "chart/forecast_report.h"
#include "text/separators.h"

namespace tendencia {

// The header "periodo,observado,tendencia,minimo,maximo", then one row per row
// of the report: an observed row fills periodo and observado, a projected row
// periodo, tendencia, minimo and maximo; the other cells stay empty. Numbers
// and texts are exactly the report's, so the file is Windows-1252 like the
// report, with CR LF line ends. With "," as decimal separator the cells are
// separated by ";", as spreadsheets of such locales expect; a cell holding the
// separator, a quote or a line end is quoted (RFC 4180).
std::string forecast_table_csv(const ForecastReport& report, const Separators& separators);

}  // namespace tendencia
