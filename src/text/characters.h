// The character classes and the prefix test that every reader of typed answers,
// data files and reports shares, so that "blank" means the same everywhere.
#pragma once

#include <string_view>

namespace tendencia {

// Blanks are the space and the tab only: a vertical tab, a form feed or a
// non-breaking space is an ordinary character of a field.
inline bool is_blank(int c) { return c == ' ' || c == '\t'; }

inline bool is_digit(int c) { return c >= '0' && c <= '9'; }

// The text without the blanks at either end.
inline std::string_view without_blanks_around(std::string_view text) {
  while (!text.empty() && is_blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && is_blank(text.back())) text.remove_suffix(1);
  return text;
}

// Does `text` begin with `prefix`? The empty prefix begins every text.
inline bool starts_with(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

}  // namespace tendencia
