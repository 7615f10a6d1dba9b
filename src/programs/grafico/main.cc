// tendencia-grafico NAME [--csv]: the fan chart of the results file "E" + NAME +
// ".TXT", written as "G" + NAME + ".SVG" and "G" + NAME + ".PNG" beside it, and
// with --csv its table as "G" + NAME + ".CSV".
#include <cstdio>
#include <fstream>
#include <iterator>

#include "chart/fan_chart.h"
#include "chart/forecast_report.h"
#include "chart/forecast_table.h"
#include "io/problem_files.h"
#include "io/whole_file_writer.h"
#include "programs/program.h"
#include "text/separators.h"

int main(int argc, char** argv) {
  using namespace tendencia;
  const char* help =
      "Uso: tendencia-grafico NOMBRE [--csv]\n\n"
      "Dibuja el gráfico de abanico del fichero de resultados \"E\" + NOMBRE + \".TXT\"\n"
      "de la carpeta actual en \"G\" + NOMBRE + \".SVG\" y \"G\" + NOMBRE + \".PNG\".\n\n"
      "  --csv  escribe también la tabla del informe en \"G\" + NOMBRE + \".CSV\" para una\n"
      "         hoja de cálculo: periodo, observado, tendencia, minimo y maximo, con los\n"
      "         números tal como están en el informe; con la coma decimal, las celdas\n"
      "         van separadas por \";\".\n";
  if (auto status = answer_help_or_version(argc, argv, ProgramTexts{"tendencia-grafico", "", help})) return *status;
  const bool table = argc == 3 && std::string(argv[2]) == "--csv";
  if (argc != 2 && !table) {
    std::fprintf(stderr, "Uso: tendencia-grafico NOMBRE [--csv] (--help para la ayuda)\n");
    return 2;
  }
  const std::string name = argv[1];
  const std::string file = results_file_name(name);
  try {
    if (!names_a_file_here(file))
      throw ReportRefused("el nombre del problema no puede contener \"/\"");
    std::ifstream in(file, std::ios::binary);
    if (!in) throw ReportRefused("no se encuentra el fichero " + file);
    std::string bytes(std::istreambuf_iterator<char>(in), {});
    Separators separators = separators_from_locale();
    ForecastReport report = parse_forecast_report(bytes, separators);
    write_fan_chart(report, name, separators.decimal);
    if (table)
      write_whole_file(chart_file_name(name, "CSV"), forecast_table_csv(report, separators), true);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "Error: %s (%s). No se dibuja ningún gráfico.\n", error.what(),
                 file.c_str());
    return 1;
  }
  std::printf("Gráfico escrito en %s y %s\n", chart_file_name(name, "SVG").c_str(),
              chart_file_name(name, "PNG").c_str());
  if (table) std::printf("Tabla escrita en %s\n", chart_file_name(name, "CSV").c_str());
  return 0;
}
