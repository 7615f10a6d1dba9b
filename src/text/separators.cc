#include "text/separators.h"

#include <clocale>

namespace tendencia {

Separators separators_from_locale() {
  Separators separators;
  // Only the number conventions are read: loading every category of the
  // user's locale would cost a dozen files for nothing the program uses.
  if (std::setlocale(LC_NUMERIC, "") != nullptr) {
    const std::lconv* conventions = std::localeconv();
    if (conventions->decimal_point != nullptr && *conventions->decimal_point != '\0')
      separators.decimal = conventions->decimal_point;
    if (conventions->thousands_sep != nullptr)
      separators.thousands = conventions->thousands_sep;
  }
  std::setlocale(LC_NUMERIC, "C");
  // A locale whose two separators coincide would make "1.000" ambiguous; the
  // decimal reading wins, as it is the one every number needs.
  if (separators.thousands == separators.decimal) separators.thousands.clear();
  return separators;
}

}  // namespace tendencia
