// How typed answers (and text values of the data file) become numbers.
#pragma once

#include <string_view>

#include "core/int16_arithmetic.h"
#include "text/separators.h"

namespace tendencia {

// A number written with the locale's separators: blanks and tabs around it, an
// optional sign, digits (thousands separators only between groups of three), an
// optional decimal part and exponent. Text that is not such a number is a
// NotANumber failure; a value beyond the double range, an Overflow failure.
double as_typed_number(std::string_view text, const Separators& separators);

// as_typed_number rounded half to even, within -32768..32767 (else Overflow).
Int16 whole_number(std::string_view text, const Separators& separators);

// The longest leading number of the text, blanks before and inside it ignored,
// "." as decimal point; 0 when the text does not begin with a number. Never
// fails on text; only a value beyond the double range is an Overflow failure.
double leading_number(std::string_view text);

// Does the whole text match the plain number syntax with "." (no blanks, no
// thousands separator)? Used to tell numeric data fields from text ones.
bool is_plain_number(std::string_view text);

// Converts a plain number (is_plain_number) to a double; Overflow beyond range.
double plain_number_value(std::string_view text);

}  // namespace tendencia
