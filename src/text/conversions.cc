#include "text/conversions.h"

#include <cmath>
#include <cstdlib>
#include <string>

#include "text/characters.h"

namespace tendencia {
namespace {

// strtod is correctly rounded; the text handed to it is always plain C syntax.
double to_double(const std::string& plain) {
  double value = std::strtod(plain.c_str(), nullptr);
  if (std::isinf(value)) throw Failure(FailureKind::Overflow);
  return value;
}

std::size_t count_digits(std::string_view text, std::size_t at) {
  std::size_t n = 0;
  while (at + n < text.size() && is_digit(text[at + n])) ++n;
  return n;
}

// Parses an exponent ("E", sign, digits) at `at` into `plain`; returns the
// position after it, or `at` when there is no complete exponent there.
std::size_t parse_exponent(std::string_view text, std::size_t at, std::string& plain) {
  if (at >= text.size() || (text[at] != 'E' && text[at] != 'e')) return at;
  std::size_t p = at + 1;
  std::string sign;
  if (p < text.size() && (text[p] == '+' || text[p] == '-')) sign = text[p++];
  std::size_t digits = count_digits(text, p);
  if (digits == 0) return at;
  plain += 'e';
  plain += sign;
  plain.append(text.substr(p, digits));
  return p + digits;
}

// Converts text in the strict syntax to plain C syntax; false when it is not a
// number at all.
bool to_plain(std::string_view text, const Separators& separators, std::string& plain) {
  std::size_t begin = 0, end = text.size();
  while (begin < end && is_blank(text[begin])) ++begin;
  while (end > begin && is_blank(text[end - 1])) --end;
  text = text.substr(begin, end - begin);

  std::size_t p = 0;
  if (p < text.size() && (text[p] == '+' || text[p] == '-')) plain += text[p++];
  std::size_t mantissa_digits = 0;
  std::size_t group = count_digits(text, p);
  plain.append(text.substr(p, group));
  p += group;
  mantissa_digits += group;
  if (group >= 1 && group <= 3) {
    const std::string& thousands = separators.thousands;
    while (!thousands.empty() && starts_with(text.substr(p), thousands) &&
           count_digits(text, p + thousands.size()) == 3) {
      plain.append(text.substr(p + thousands.size(), 3));
      p += thousands.size() + 3;
      mantissa_digits += 3;
    }
  }
  if (!separators.decimal.empty() && starts_with(text.substr(p), separators.decimal)) {
    p += separators.decimal.size();
    std::size_t fraction = count_digits(text, p);
    plain += '.';
    plain.append(text.substr(p, fraction));
    p += fraction;
    mantissa_digits += fraction;
  }
  if (mantissa_digits == 0) return false;
  // Anything after the number ("1e", "1x", "1 2") makes the whole text not one.
  return parse_exponent(text, p, plain) == text.size();
}

}  // namespace

double as_typed_number(std::string_view text, const Separators& separators) {
  std::string plain;
  if (!to_plain(text, separators, plain)) throw Failure(FailureKind::NotANumber);
  return to_double(plain);
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

  std::string plain;
  std::size_t p = 0;
  if (p < squeezed.size() && (squeezed[p] == '+' || squeezed[p] == '-')) plain += squeezed[p++];
  std::size_t whole = count_digits(squeezed, p);
  plain.append(squeezed, p, whole);
  p += whole;
  std::size_t fraction = 0;
  if (p < squeezed.size() && squeezed[p] == '.') {
    fraction = count_digits(squeezed, p + 1);
    plain += '.';
    plain.append(squeezed, p + 1, fraction);
    p += 1 + fraction;
  }
  if (whole + fraction == 0) return 0.0;
  parse_exponent(squeezed, p, plain);
  return to_double(plain);
}

bool is_plain_number(std::string_view text) {
  std::string plain;
  if (text.empty() || is_blank(text.front()) || is_blank(text.back())) return false;
  return to_plain(text, Separators{}, plain);
}

double plain_number_value(std::string_view text) {
  return to_double(std::string(text));
}

}  // namespace tendencia
