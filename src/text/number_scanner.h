// The one reader of numbers written as text: typed answers, data-file fields,
// CSV cells, report items and command-line arguments all pass through it. It
// says what it saw; each caller decides what it accepts.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "text/separators.h"

namespace tendencia {

struct ScannedNumber {
  char sign = 0;                     // '+', '-', or 0 when none was written
  std::size_t integer_digits = 0;    // before the decimal separator, groups included
  bool thousands_grouped = false;    // a thousands separator was taken
  bool decimal_separator = false;
  std::size_t fraction_digits = 0;
  bool exponent = false;             // a complete exponent: E or e, a sign, digits
  std::size_t end = 0;               // where the number stops; 0 when there is none
  std::string plain;                 // the same number in C syntax, for strtod

  // At least one digit before or after the decimal separator.
  bool found() const { return integer_digits + fraction_digits > 0; }
  // Digits only, perhaps signed: no separator, no exponent.
  bool whole() const { return found() && !decimal_separator && !exponent && !thousands_grouped; }
};

// Reads the number at the start of `text`, no blanks skipped:
//   [+-]digits[T ddd]...[D digits][(E|e)[+-]digits]
// with D the decimal and T the thousands separator of `separators` (no groups
// when T is empty); a group is taken only with its three digits, an exponent
// only when complete, so "1e" and "1,2" (T ",") stop after the 1. A text with
// no digit where the number would be gives end = 0 and found() false.
ScannedNumber scan_number(std::string_view text, const Separators& separators);

// The whole number `text` holds and nothing else: [+-]digits, no blanks, at
// most 18 digits so that it fits a long long; nothing for any other text.
std::optional<long long> whole_number_in(std::string_view text);

// Does `text`, blanks around it dropped, hold exactly one number?
bool is_one_number(std::string_view text, const Separators& separators);

}  // namespace tendencia
