#include "programs/grafico/chart_program.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "chart/fan_chart.h"
#include "chart/fan_chart_data.h"
#include "chart/forecast_report.h"
#include "chart/forecast_table.h"
#include "chart/readable_numbers.h"
#include "io/data_series.h"
#include "io/problem_files.h"
#include "io/whole_file_writer.h"
#include "programs/program.h"

namespace tendencia {
namespace {

const char* const kHelpAfterUsage =
    "\n"
    "Dibuja el gráfico de abanico del fichero de resultados \"E\" + NOMBRE + \".TXT\"\n"
    "de la carpeta actual en \"G\" + NOMBRE + \".SVG\" y \"G\" + NOMBRE + \".PNG\": los\n"
    "valores observados, la tendencia ajustada sobre ellos y la proyectada, y las\n"
    "bandas de predicción anidadas. El título y el rótulo del eje de los periodos\n"
    "salen de la primera línea del fichero de datos \"D\" + NOMBRE + \".TXT\", si está.\n"
    "Si sus filas empiezan por fechas de un calendario regular (años, trimestres,\n"
    "meses, semanas, días o días laborables: 1949-01, como las escribe\n"
    "tendencia-importar), el eje de los periodos las muestra, la proyección las\n"
    "continúa y la tabla las lleva en su columna periodo. Si su serie es el logaritmo\n"
    "de otra (\"log(Pasajeros)\", como la escribe tendencia-ajuste --datos), el gráfico\n"
    "y la tabla dan la proyección en las unidades de esa serie.\n\n"
    "  --csv              escribe también la tabla del informe en \"G\" + NOMBRE + \".CSV\"\n"
    "                     para una hoja de cálculo: periodo, observado, tendencia, minimo\n"
    "                     y maximo, con los números tal como están en el informe, y dos\n"
    "                     columnas (minimo_80, maximo_80...) por cada banda más; con la\n"
    "                     coma decimal, las celdas van separadas por \";\".\n"
    "  --niveles LISTA    los niveles de las bandas, en %, separados por comas (entre 1\n"
    "                     y 99.9, con punto decimal); el del informe se dibuja siempre.\n"
    "                     Sin la opción: el del informe, 80 y 50.\n"
    "  --carpeta DIR      los ficheros del problema están en la carpeta DIR, y el\n"
    "                     gráfico y la tabla se escriben en ella (por omisión, la actual).\n";

}  // namespace

std::string grafico::help_text() { return std::string(kUsage) + "\n" + kHelpAfterUsage; }

int grafico::draw_chart(const Request& request) {
  const std::string& name = request.name;
  const std::string& folder = request.folder;
  const std::string file = results_file_name(name);
  if (!names_a_file_here(file)) throw ReportRefused("el nombre del problema no puede contener \"/\"");
  std::ifstream in(path_in(folder, file), std::ios::binary);
  if (!in) throw ReportRefused("no se encuentra el fichero " + path_in(folder, file));
  const std::string bytes(std::istreambuf_iterator<char>(in), {});
  const ForecastReport report = parse_forecast_report(bytes);
  const DataFileHeading heading = read_data_heading(folder, name);
  const FanChart chart = fan_chart_of(report, {heading.title, name, request.levels, heading.calendar});
  for (double level : chart.levels_not_drawn)
    std::fprintf(stderr, "Aviso: la banda al %s %% no se dibuja: el informe no da con qué "
                 "calcularla (su t de Student y 3 puntos o más), o sus límites se salen "
                 "de los números.\n",
                 readable_number(level, 4, chart.decimal).c_str());
  write_fan_chart(chart, folder, name);
  if (request.table)
    write_whole_file(folder, chart_file_name(name, "CSV"),
                     forecast_table_csv(report, table_bands(chart), chart.calendar,
                                        chart.logarithms),
                     true);
  std::printf("Gráfico escrito en %s y %s\n", chart_file_name(name, "SVG").c_str(),
              chart_file_name(name, "PNG").c_str());
  if (request.table) std::printf("Tabla escrita en %s\n", chart_file_name(name, "CSV").c_str());
  return 0;
}

int grafico::chart_refused(const Request& request, const std::exception& error) {
  return report_failure(error, "No se dibuja ningún gráfico.",
                        "al dibujar " + results_file_name(request.name));
}

}  // namespace tendencia
