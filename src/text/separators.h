// The decimal and thousands separators of the user's locale. Kept as a plain value
// handed to each conversion, so tests can use a "," locale the machine may not have.
#pragma once

#include <string>

namespace tendencia {

struct Separators {
  std::string decimal = ".";
  std::string thousands;  // empty: numbers have no thousands separator
};

// Reads the separators of the process locale (LANG, LC_ALL, ...) and then puts the
// process back in the "C" locale, so no library routine formats behind our back.
Separators separators_from_locale();

}  // namespace tendencia
