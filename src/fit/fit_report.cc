#include "fit/fit_report.h"

#include <algorithm>
#include <charconv>
#include <system_error>

namespace tendencia {
namespace {

// to_chars never consults the locale; `digits` 0 asks for the shortest text
// that reads back as the same double.
std::string number_form(double value, int digits) {
  char buffer[64];
  std::to_chars_result r = digits > 0 ? std::to_chars(buffer, buffer + sizeof buffer, value,
                                                      std::chars_format::general, digits)
                                      : std::to_chars(buffer, buffer + sizeof buffer, value);
  if (r.ec != std::errc()) return "?";
  return std::string(buffer, r.ptr);
}

std::string padded(std::string text, std::size_t width) {
  if (text.size() < width) text.resize(width, ' ');
  return text + " ";
}

std::string optional_form(const std::optional<double>& value, int digits) {
  return value ? number_form(*value, digits) : "no calculable";
}

}  // namespace

std::string exact_form(double value) { return number_form(value, 17); }

std::string coefficient_answers(const Coefficients& coefficients) {
  std::string lines;
  for (double b : coefficients.b) lines += exact_form(b) + "\n";
  return lines;
}

std::string fit_report(const FittedTrend& fit, const std::string& data_file, int rows_read,
                       const std::vector<TermGroup>& groups) {
  const std::string n = std::to_string(fit.points);
  std::string text = "Ajuste de F(X) por mínimos cuadrados a la serie de " + data_file + "\n";
  text += "Puntos: " + n;
  if (fit.points < rows_read)
    text += " de los " + std::to_string(rows_read) + " valores del fichero";
  text += " (X = 1 a " + n + ")\n";
  std::string terms;
  for (TermGroup g : groups)
    terms +=
        std::string(terms.empty() ? "" : ", ") + term_name(g) + " (" + coefficient_list(g) + ")";
  text += "Términos: " + terms + "\n\n";

  text += padded("Coeficiente", 12) + padded("Valor", 24) + "Error típico\n";
  for (int k : fit.fitted) {
    const auto index = static_cast<std::size_t>(k);
    text += padded("b" + std::to_string(k), 12) +
            padded(number_form(fit.coefficients.b[index], 0), 24) +
            optional_form(fit.standard_error[index], 4) + "\n";
  }
  // A coefficient of the groups held at a value (the logistic kept as a step)
  // is no 0 and no estimate.
  std::size_t shown = fit.fitted.size();
  for (TermGroup g : groups)
    for (int k : term_coefficients(g))
      if (std::find(fit.fitted.begin(), fit.fitted.end(), k) == fit.fitted.end()) {
        text += padded("b" + std::to_string(k), 12) +
                padded(number_form(fit.coefficients.b[static_cast<std::size_t>(k)], 0), 24) +
                "fijo\n";
        ++shown;
      }
  if (shown < 25) text += "Los demás coeficientes valen 0.\n";
  text += "\n";

  text +=
      "Suma de cuadrados de los residuos: " + number_form(fit.residual_sum_of_squares, 10) + "\n";
  text += "Error típico de los residuos: " + optional_form(fit.residual_standard_error, 10) +
          " con " + std::to_string(fit.degrees_of_freedom) + " grados de libertad\n";
  text += "R²: " + optional_form(fit.r_squared, 10) + "\n";
  text += "Iteraciones: " + std::to_string(fit.iterations) + "; el ajuste " +
          (fit.converged ? "converge" : "no converge") + " (el mejor de " +
          std::to_string(fit.starts) + (fit.starts == 1 ? " punto" : " puntos") + " de partida)\n";
  return text;
}

}  // namespace tendencia
