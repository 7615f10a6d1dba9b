#include "ui/number_forms.h"

#include <cmath>

namespace tendencia {

std::size_t magnitude_digits(double value, char* out) {
  return fifteen_digits(std::fabs(value), out);
}

namespace {

void append_digits(std::string& out, double value, const std::string& decimal) {
  char digits[kMaxNumberChars];
  std::size_t length = magnitude_digits(value, digits);
  if (decimal == ".") {
    out.append(digits, length);
    return;
  }
  for (std::size_t i = 0; i < length; ++i) {
    if (digits[i] == '.') out += decimal;
    else out += digits[i];
  }
}

}  // namespace

std::string sign_blank_form(double value) {
  std::string out(1, value < 0.0 ? '-' : ' ');
  append_digits(out, value, ".");
  return out;
}

void append_print_form(std::string& out, double value, const Separators& separators) {
  out += value < 0.0 ? '-' : ' ';
  append_digits(out, value, separators.decimal);
  out += ' ';
}

std::string print_form(double value, const Separators& separators) {
  std::string out;
  append_print_form(out, value, separators);
  return out;
}

std::string slope_text_form(double value, const Separators& separators) {
  std::string out;
  if (value < 0.0) out += '-';
  append_digits(out, value, separators.decimal);
  return out;
}

}  // namespace tendencia
