// How the fit's tables lay out their columns: the validation's and the
// automatic choice's alike.
#pragma once

#include <cmath>
#include <cstdio>
#include <string>

namespace tendencia {

// `value` with `decimals` decimals and "." as decimal point, or "no calculable"
// for a value that is not finite.
inline std::string fixed(double value, int decimals) {
  if (!std::isfinite(value)) return "no calculable";
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
  return buffer;
}

// `text` padded to `width` characters (UTF-8: "í" and "ñ" take two bytes),
// then a blank after every column, however wide its text.
inline std::string column(std::string text, std::size_t width) {
  std::size_t characters = 0;
  for (unsigned char c : text) characters += (c & 0xC0) != 0x80;
  if (characters < width) text.append(width - characters, ' ');
  return text + " ";
}

}  // namespace tendencia
