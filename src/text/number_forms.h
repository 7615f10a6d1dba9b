// How numbers become text: in prompts, in the formula lines and in the report.
// All forms share one digit rule: the value rounded to 15 significant digits,
// trailing zeros dropped, exponent form ("1.5E-07", "1E+15") exactly when C's %.15G
// would use it, and zero of either sign written as "0".
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "text/fifteen_digits.h"
#include "text/separators.h"

namespace tendencia {

// Writes `lead` (a sign or a blank; '\0' for none), the digits of |value| with
// `decimal` for the point, and `trail` ('\0' for none) to `out`, which needs
// kMaxNumberChars + 2 + decimal.size() bytes; returns the length written. The
// forms below are all made by it; a report line calls it directly, with no
// string in between, since a long report writes 130,000 numbers.
std::size_t write_number(char* out, char lead, double value, std::string_view decimal,
                         char trail);

// The same bytes as write_number for a whole number, without the general
// conversion up to 15 digits; the period labels of a report, a quarter of its
// numbers, take this way. `out` needs what write_number needs.
std::size_t write_whole_number(char* out, char lead, long long value, std::string_view decimal,
                               char trail);

// " 5", "-3", " 0", " 2.5": the form used inside prompts and formula lines.
std::string sign_blank_form(double value);

// Sign-blank form with the locale's decimal separator and one trailing blank: the
// form of a number item in a report line.
std::string print_form(double value, const Separators& separators);
void append_print_form(std::string& out, double value, const Separators& separators);

// The regression slope as text: like the print form without its leading blank for
// non-negative values and without the trailing blank.
std::string slope_text_form(double value, const Separators& separators);

}  // namespace tendencia
