// tendencia-ajuste NOMBRE TERMINO...: fits the chosen terms of F(X) to the
// series of "D" + NOMBRE + ".TXT" and prints the coefficients for tendencia.
#include <cstdio>
#include <string>
#include <vector>

#include "fit/fit_command_line.h"
#include "fit/fit_report.h"
#include "fit/trend_fit.h"
#include "io/data_series.h"
#include "io/problem_files.h"
#include "programs/program.h"
#include "text/separators.h"

namespace tendencia {
namespace {

std::string help_text() {
  std::string terms;
  for (TermGroup g : all_term_groups()) {
    std::string name = term_name(g);
    terms += "  " + name + std::string(14 - name.size(), ' ') + coefficient_list(g) + "\n";
  }
  return std::string(fit_usage()) +
         "\n\n"
         "Ajusta por mínimos cuadrados los coeficientes de los términos elegidos de\n"
         "  F(X) = b0 + b1*X^b2 + b3*X^b4 + b5*exp(b6*X) + b7*log(X+b8)\n"
         "       + b9*cos(b10*X+b11) + b12*cos(b13*X+b14)\n"
         "       + b15*X/(b16+X) + b17*exp(b18*X)/(1+b19*exp(b20*X))\n"
         "       + b21*exp(b22*X)/(1+b23*exp(b24*X))\n"
         "a la serie de \"D\" + NOMBRE + \".TXT\" (carpeta actual), con X = 1, 2, 3, ...\n"
         "Los demás coeficientes valen 0.\n\n"
         "Términos:\n" + terms +
         "\nOpciones:\n"
         "  --puntos K          ajusta solo los K primeros valores\n"
         "  --inicio bI=VALOR   un punto de partida propio (uno o varios bI=VALOR)\n"
         "  --respuestas        escribe solo b0 a b24, una línea cada uno, para tendencia\n";
}

int refuse_fit_command_line(const std::string& why) {
  std::fprintf(stderr, "Error: %s.\n%s (--help para la ayuda)\n", why.c_str(), fit_usage());
  return 2;
}

int write_out(const std::string& text) {
  if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::fflush(stdout) != 0) {
    std::fprintf(stderr, "Error: no se puede escribir la salida.\n");
    return 1;
  }
  return 0;
}

}  // namespace
}  // namespace tendencia

int main(int argc, char** argv) {
  using namespace tendencia;
  if (auto status = answer_help_or_version(argc, argv, ProgramTexts{"tendencia-ajuste", fit_usage(), help_text()}))
    return *status;
  FitRequest request;
  try {
    request = parse_fit_command_line(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const CommandLineRefused& refused) {
    return refuse_fit_command_line(refused.what());
  }
  ignore_write_signals();
  const Separators separators = separators_from_locale();
  const std::string data_file = data_file_name(request.problem_name);
  try {
    DataSeries series = read_data_file(request.problem_name);
    const int rows = static_cast<int>(series.values.size());
    const int points = request.points.value_or(rows);
    if (points > rows)
      return refuse_fit_command_line("--puntos " + std::to_string(points) + ": el fichero " +
                                 data_file + " tiene " + std::to_string(rows) + " valores");
    std::vector<double> y;
    for (int i = 0; i < points; ++i)
      y.push_back(series_number(series.values[static_cast<std::size_t>(i)], i + 1, separators));
    FittedTrend fit = fit_trend(y, request.groups, request.start);
    return write_out(request.answers_only ? coefficient_answers(fit.coefficients)
                                          : fit_report(fit, data_file, rows, request.groups));
  } catch (const CommandLineRefused& refused) {
    return refuse_fit_command_line(refused.what());
  } catch (const std::exception& error) {
    std::fprintf(stderr, "Error: %s. No se escribe ningún coeficiente.\n", error.what());
    return 1;
  }
}
