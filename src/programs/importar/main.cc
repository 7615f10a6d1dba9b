// tendencia-importar FICHERO NOMBRE: a spreadsheet's CSV file as the data file
// "D" + NOMBRE + ".TXT" of the current folder.
#include <cstdio>
#include <string>

#include "core/limits.h"
#include "programs/importar/command_line.h"
#include "io/import_summary.h"
#include "io/problem_files.h"
#include "programs/program.h"

namespace {

using namespace tendencia;

const std::string kHelpAfterUsage =
    "\n"
    "Escribe el fichero de datos \"D\" + NOMBRE + \".TXT\" de la carpeta actual con la\n"
    "serie del fichero CSV FICHERO, exportado de una hoja de cálculo.\n\n"
    "Lo reconoce solo: el delimitador (\",\", \";\" o tabulador), el separador decimal\n"
    "(\",\" en los ficheros con \";\", \".\" en los demás), la codificación (UTF-8, con o\n"
    "sin marca BOM, o Windows-1252), los finales de línea (CR LF o LF), la fila de\n"
    "cabecera y la columna de periodos (la primera, si tiene etiquetas como 2001-01\n"
    "o números consecutivos como 1, 2, 3 o 2001, 2002; u otra de fechas). Los valores\n"
    "son la única otra columna con números.\n\n"
    "Si los periodos son un calendario regular (años 1949; trimestres 1949-Q1,\n"
    "1949Q1, 1949-T1, T1 1949; meses 1949-01, 1949/01, 01/1949, ene-1949; días\n"
    "1949-01-31, 31/01/1949, cada día, cada semana o de lunes a viernes), cada fila\n"
    "del fichero de datos empieza por su fecha (1949-01), que tendencia no lee y el\n"
    "gráfico muestra; si no (un hueco, una repetición, un paso que cambia), el\n"
    "resumen dice dónde, y las filas van numeradas 1, 2, 3...\n\n"
    "  --columna COLUMNA  la columna de los valores, por su cabecera o por su número\n"
    "                     (contando todas las columnas desde 1)\n"
    "  --sobrescribir     reemplaza el fichero de datos si ya existe\n\n"
    "Rechaza, sin escribir nada, celdas de valor vacías o que no son números,\n"
    "números con separador de miles, más de " + std::to_string(kMaxSeriesValues) + " valores, ficheros que no son texto\n"
    "y una elección de columna dudosa. Estado de salida: 0 si escribe el fichero,\n"
    "1 si lo rechaza, 2 si la orden está mal escrita.\n";


// What the import found and did, so a wrong guess shows at once.
int import(const ImportRequest& request) {
  const CsvImport import = import_csv_file(request);
  std::printf("%sEscrito %s.\n%s", import_summary(request.csv_file, import).c_str(),
              data_file_name(request.problem_name).c_str(),
              initial_period_advice(import.series).c_str());
  return 0;
}

// The import's failure in the same words the studio shows it.
int refused(const ImportRequest& request, const std::exception& error) {
  std::fprintf(stderr, "%s\n", import_failure_text(request.csv_file, error).c_str());
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace tendencia::importar;
  const tendencia::ProgramTexts texts{"tendencia-importar", kUsage,
                                      std::string(kUsage) + "\n" + kHelpAfterUsage};
  return tendencia::program_main<tendencia::ImportRequest>(argc, argv, texts, parse_command_line,
                                                           import, refused);
}
