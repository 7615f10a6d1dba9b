#include "text/number_forms.h"

#include <cmath>
#include <string_view>

namespace tendencia {

std::size_t magnitude_digits(double value, char* out) {
  return fifteen_digits(std::fabs(value), out);
}

namespace {

// Appends `lead` (a sign or a blank; '\0' for none), the digits of |value| with
// `decimal` for the point, and `trail` ('\0' for none). The bytes are gathered
// on the stack and appended once: a long report makes 130,000 of these.
void append_number(std::string& out, char lead, double value, std::string_view decimal,
                   char trail) {
  char buffer[kMaxNumberChars + 2];
  std::size_t length = 0;
  if (lead != '\0') buffer[length++] = lead;
  const std::size_t digits_begin = length;
  length += magnitude_digits(value, buffer + length);
  if (trail != '\0') buffer[length++] = trail;
  if (decimal.size() == 1) {
    if (decimal[0] != '.')
      for (std::size_t i = digits_begin; i < length; ++i)
        if (buffer[i] == '.') buffer[i] = decimal[0];
    out.append(buffer, length);
    return;
  }
  // A separator of several bytes (one UTF-8 character, in some locales).
  const std::string_view text(buffer, length);
  const std::size_t point = text.find('.');
  if (point == std::string_view::npos) {
    out.append(text);
    return;
  }
  out.append(text.substr(0, point));
  out.append(decimal);
  out.append(text.substr(point + 1));
}

}  // namespace

std::string sign_blank_form(double value) {
  std::string out;
  append_number(out, value < 0.0 ? '-' : ' ', value, ".", '\0');
  return out;
}

void append_print_form(std::string& out, double value, const Separators& separators) {
  append_number(out, value < 0.0 ? '-' : ' ', value, separators.decimal, ' ');
}

std::string print_form(double value, const Separators& separators) {
  std::string out;
  append_print_form(out, value, separators);
  return out;
}

std::string slope_text_form(double value, const Separators& separators) {
  std::string out;
  append_number(out, value < 0.0 ? '-' : '\0', value, separators.decimal, '\0');
  return out;
}

}  // namespace tendencia
