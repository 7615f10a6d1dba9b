#include "chart/readable_numbers.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace tendencia {
namespace {

const char* const kMinus = "\xE2\x88\x92";  // U+2212, as wide as the digits

std::string with_marks(std::string text, const std::string& decimal) {
  std::size_t dot = text.find('.');
  if (dot != std::string::npos) text.replace(dot, 1, decimal);
  if (!text.empty() && text[0] == '-') text.replace(0, 1, kMinus);
  return text;
}

}  // namespace

std::string readable_number(double value, int significant, const std::string& decimal) {
  if (!std::isfinite(value)) return "";  // never "inf" on a chart
  significant = std::clamp(significant, 1, 15);
  char buffer[64];
  const double magnitude = std::fabs(value);
  if (magnitude != 0 && (magnitude >= 1e9 || magnitude < 1e-4)) {
    std::snprintf(buffer, sizeof buffer, "%.*E", significant - 1, value);
    std::string text = buffer;
    // 1.50000E-07 -> 1.5E-07
    std::size_t e = text.find('E');
    std::string mantissa = text.substr(0, e), exponent = text.substr(e);
    if (mantissa.find('.') != std::string::npos) {
      mantissa.erase(mantissa.find_last_not_of('0') + 1);
      if (mantissa.back() == '.') mantissa.pop_back();
    }
    return with_marks(mantissa + exponent, decimal);
  }
  std::snprintf(buffer, sizeof buffer, "%.*G", significant, value == 0 ? 0.0 : value);
  if (std::string(buffer).find('E') != std::string::npos) {
    // A whole number of more digits than `significant`: %G took the exponent
    // form, whole digits read better below 1E+09.
    const double unit = std::pow(10.0, std::floor(std::log10(magnitude)) - significant + 1);
    std::snprintf(buffer, sizeof buffer, "%.0f", std::round(value / unit) * unit);
  }
  return with_marks(buffer, decimal);
}

std::string tick_text(double value, double step, const std::string& decimal) {
  if (std::fabs(value) < step / 2) value = 0.0;
  const double largest = std::max(std::fabs(value), step);
  if (largest >= 1e9 || step < 1e-4) {
    // Enough digits to tell neighbouring ticks apart.
    int digits = static_cast<int>(std::ceil(std::log10(largest / step) - 1e-9)) + 1;
    return readable_number(value, std::clamp(digits, 1, 15), decimal);
  }
  const int decimals = step >= 1 ? 0 : static_cast<int>(std::ceil(-std::log10(step) - 1e-9));
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
  return with_marks(buffer, decimal);
}

}  // namespace tendencia
