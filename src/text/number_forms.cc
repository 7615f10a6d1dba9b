#include "text/number_forms.h"

#include <cstring>
#include <string_view>

namespace tendencia {

std::size_t write_number(char* out, char lead, double value, std::string_view decimal,
                         char trail) {
  std::size_t length = 0;
  if (lead != '\0') out[length++] = lead;
  const std::size_t digits = fifteen_digits(value, out + length);
  const bool point_as_is = decimal.size() == 1 && decimal[0] == '.';
  char* const point =
      point_as_is ? nullptr : static_cast<char*>(std::memchr(out + length, '.', digits));
  length += digits;
  if (point != nullptr) {
    if (decimal.size() == 1) {
      *point = decimal[0];
    } else {  // a separator of another length (one UTF-8 character, in some locales)
      std::memmove(point + decimal.size(), point + 1,
                   static_cast<std::size_t>(out + length - (point + 1)));
      std::memcpy(point, decimal.data(), decimal.size());
      length = length + decimal.size() - 1;
    }
  }
  if (trail != '\0') out[length++] = trail;
  return length;
}

std::size_t write_whole_number(char* out, char lead, long long value, std::string_view decimal,
                               char trail) {
  // Beyond 15 digits the digit rule rounds, and the exponent form (with its
  // decimal point) begins.
  constexpr long long kFifteenDigits = 999'999'999'999'999;
  if (value > kFifteenDigits || value < -kFifteenDigits)
    return write_number(out, lead, static_cast<double>(value), decimal, trail);
  std::size_t length = 0;
  if (lead != '\0') out[length++] = lead;
  auto magnitude = static_cast<unsigned long long>(value);
  if (value < 0) magnitude = 0ull - magnitude;
  char digits[16];
  std::size_t count = 0;
  do {
    digits[count++] = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  while (count > 0) out[length++] = digits[--count];
  if (trail != '\0') out[length++] = trail;
  return length;
}

namespace {

void append_number(std::string& out, char lead, double value, std::string_view decimal,
                   char trail) {
  char buffer[kMaxNumberChars + 2 + 32];
  if (decimal.size() <= 32) {
    out.append(buffer, write_number(buffer, lead, value, decimal, trail));
    return;
  }
  std::string large(kMaxNumberChars + 2 + decimal.size(), '\0');
  out.append(large.data(), write_number(large.data(), lead, value, decimal, trail));
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
