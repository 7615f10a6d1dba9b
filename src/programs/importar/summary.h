// What tendencia-importar prints once the data file is written: what it found
// (encoding, delimiter, decimal separator, header, columns, periods) and did,
// so a wrong guess shows at once.
#pragma once

#include "io/csv_import.h"

namespace tendencia::importar {

void print_summary(const ImportRequest& request, const CsvImport& import);

}  // namespace tendencia::importar
