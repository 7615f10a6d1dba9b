#include "text/conversions.h"

#include <cmath>
#include <cstdlib>
#include <string>

#include "text/characters.h"
#include "text/number_scanner.h"

namespace tendencia {
namespace {

// strtod is correctly rounded; the text handed to it is always plain C syntax.
double to_double(const std::string& plain) {
  double value = std::strtod(plain.c_str(), nullptr);
  if (std::isinf(value)) throw Failure(FailureKind::Overflow);
  return value;
}

}  // namespace

double as_typed_number(std::string_view text, const Separators& separators) {
  text = without_blanks_around(text);
  ScannedNumber seen = scan_number(text, separators);
  // Anything after the number ("1e", "1x", "1 2") makes the whole text not one.
  if (!seen.found() || seen.end != text.size()) throw Failure(FailureKind::NotANumber);
  return to_double(seen.plain);
}

Int16 whole_number(std::string_view text, const Separators& separators) {
  // nearbyint in the default rounding mode rounds halves to the even neighbour.
  double rounded = std::nearbyint(as_typed_number(text, separators));
  if (rounded < -32768.0 || rounded > 32767.0) throw Failure(FailureKind::Overflow);
  return static_cast<Int16>(rounded);
}

double leading_number(std::string_view text) {
  std::string squeezed;
  squeezed.reserve(text.size());
  for (char c : text)
    if (!is_blank(c)) squeezed += c;
  ScannedNumber seen = scan_number(squeezed, Separators{});
  return seen.found() ? to_double(seen.plain) : 0.0;
}

bool is_plain_number(std::string_view text) {
  ScannedNumber seen = scan_number(text, Separators{});
  return seen.found() && seen.end == text.size();
}

double plain_number_value(std::string_view text) {
  return to_double(std::string(text));
}

}  // namespace tendencia
