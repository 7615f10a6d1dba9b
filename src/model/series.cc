#include "model/series.h"

#include "core/failure.h"
#include "text/conversions.h"

namespace tendencia {

double series_number(const SeriesValue& value, int row, const Separators& separators) {
  if (!value.is_text) return value.number;
  return located("valor " + std::to_string(row) + " de la serie",
                 [&] { return as_typed_number(value.text, separators); });
}

}  // namespace tendencia
