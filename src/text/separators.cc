#include "text/separators.h"

#include <clocale>

namespace tendencia {

Separators separators_from_locale() {
  Separators separators;
  if (std::setlocale(LC_ALL, "") != nullptr) {
    const std::lconv* conventions = std::localeconv();
    if (conventions->decimal_point != nullptr && *conventions->decimal_point != '\0')
      separators.decimal = conventions->decimal_point;
    if (conventions->thousands_sep != nullptr)
      separators.thousands = conventions->thousands_sep;
  }
  std::setlocale(LC_ALL, "C");
  // A locale whose two separators coincide would make "1.000" ambiguous; the
  // decimal reading wins, as it is the one every number needs.
  if (separators.thousands == separators.decimal) separators.thousands.clear();
  return separators;
}

}  // namespace tendencia
