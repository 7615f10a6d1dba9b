#include "text/number_scanner.h"

#include "text/characters.h"

namespace tendencia {
namespace {

std::size_t digits_at(std::string_view text, std::size_t at) {
  std::size_t n = 0;
  while (at + n < text.size() && is_digit(text[at + n])) ++n;
  return n;
}

}  // namespace

ScannedNumber scan_number(std::string_view text, const Separators& separators) {
  ScannedNumber seen;
  std::size_t p = 0;
  if (p < text.size() && (text[p] == '+' || text[p] == '-')) {
    seen.sign = text[p++];
    seen.plain += seen.sign;
  }
  std::size_t group = digits_at(text, p);
  seen.plain.append(text.substr(p, group));
  seen.integer_digits = group;
  p += group;
  const std::string& thousands = separators.thousands;
  if (group >= 1 && group <= 3 && !thousands.empty()) {
    while (starts_with(text.substr(p), thousands) &&
           digits_at(text, p + thousands.size()) == 3) {
      seen.plain.append(text.substr(p + thousands.size(), 3));
      seen.integer_digits += 3;
      seen.thousands_grouped = true;
      p += thousands.size() + 3;
    }
  }
  if (!separators.decimal.empty() && starts_with(text.substr(p), separators.decimal)) {
    const std::size_t fraction = digits_at(text, p + separators.decimal.size());
    if (seen.integer_digits + fraction > 0) {
      p += separators.decimal.size();
      seen.decimal_separator = true;
      seen.fraction_digits = fraction;
      seen.plain += '.';
      seen.plain.append(text.substr(p, fraction));
      p += fraction;
    }
  }
  if (!seen.found()) return ScannedNumber{};
  if (p < text.size() && (text[p] == 'E' || text[p] == 'e')) {
    std::size_t q = p + 1;
    std::string sign;
    if (q < text.size() && (text[q] == '+' || text[q] == '-')) sign = text[q++];
    const std::size_t digits = digits_at(text, q);
    if (digits > 0) {
      seen.exponent = true;
      seen.plain += 'e' + sign;
      seen.plain.append(text.substr(q, digits));
      p = q + digits;
    }
  }
  seen.end = p;
  return seen;
}

std::optional<long long> whole_number_in(std::string_view text) {
  const ScannedNumber seen = scan_number(text, Separators{});
  if (!seen.whole() || seen.end != text.size() || seen.integer_digits > 18) return std::nullopt;
  return std::stoll(seen.plain);
}

bool is_one_number(std::string_view text, const Separators& separators) {
  text = without_blanks_around(text);
  ScannedNumber seen = scan_number(text, separators);
  return seen.found() && seen.end == text.size();
}

}  // namespace tendencia
