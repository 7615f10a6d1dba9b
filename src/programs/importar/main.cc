// tendencia-importar FICHERO NOMBRE: a spreadsheet's CSV file as the data file
// "D" + NOMBRE + ".TXT" of the current folder.
#include <string>

#include "core/limits.h"
#include "programs/importar/command_line.h"
#include "programs/importar/summary.h"
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
    "o números consecutivos como 1, 2, 3 o 2001, 2002). Los valores son la única\n"
    "otra columna con números.\n\n"
    "  --columna COLUMNA  la columna de los valores, por su cabecera o por su número\n"
    "                     (contando todas las columnas desde 1)\n"
    "  --sobrescribir     reemplaza el fichero de datos si ya existe\n\n"
    "Rechaza, sin escribir nada, celdas de valor vacías o que no son números,\n"
    "números con separador de miles, más de " + std::to_string(kMaxSeriesValues) + " valores, ficheros que no son texto\n"
    "y una elección de columna dudosa. Estado de salida: 0 si escribe el fichero,\n"
    "1 si lo rechaza, 2 si la orden está mal escrita.\n";


int import(const ImportRequest& request) {
  importar::print_summary(request, import_csv_file(request));
  return 0;
}

int refused(const ImportRequest& request, const std::exception& error) {
  return report_failure(error, "No se escribe ningún fichero de datos.",
                        "al importar " + request.csv_file);
}

}  // namespace

int main(int argc, char** argv) {
  using namespace tendencia::importar;
  const tendencia::ProgramTexts texts{"tendencia-importar", kUsage,
                                      std::string(kUsage) + "\n" + kHelpAfterUsage};
  return tendencia::program_main<tendencia::ImportRequest>(argc, argv, texts, parse_command_line,
                                                           import, refused);
}
