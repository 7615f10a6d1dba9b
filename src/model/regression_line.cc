#include "model/regression_line.h"

#include "core/checked_math.h"
#include "text/fifteen_digits.h"

namespace tendencia {

RegressionLine regression_line(const Coefficients& coefficients, Int16 n, const ObservedValue& y_at) {
  using namespace checked;
  RegressionLine line;
  const char* const where = "ajuste de la recta de regresión";
  std::vector<double> y(static_cast<std::size_t>(n));
  std::vector<double> f_values(static_cast<std::size_t>(n));

  for (Int16 i = 1; i <= n; i = add16(i, 1)) {
    const std::size_t k = static_cast<std::size_t>(i - 1);
    f_values[k] = evaluate(coefficients, i);
    double f = f_values[k];
    located(where, [&] { line.sum_f = add(line.sum_f, f); });
    y[k] = y_at(i);
    located(where, [&] {
      line.sum_y = add(line.sum_y, y[k]);
      line.sum_ff = add(line.sum_ff, mul(f, f));
      line.sum_fy = add(line.sum_fy, mul(f, y[k]));
    });
  }
  located(where, [&] {
    line.mean_f = div(line.sum_f, n);
    line.mean_y = div(line.sum_y, n);
    line.sxx = sub(line.sum_ff, div(mul(line.sum_f, line.sum_f), n));
    line.sxy = sub(line.sum_fy, div(mul(line.sum_f, line.sum_y), n));
  });
  located("pendiente de la recta de regresión",
          [&] { line.slope = finite(fifteen_digit_value(div(line.sxy, line.sxx))); });
  located("ordenada en el origen",
          [&] { line.intercept = sub(line.mean_y, mul(line.slope, line.mean_f)); });
  located("suma de cuadrados de los residuos", [&] {
    for (std::size_t k = 0; k < y.size(); ++k) {
      double residual = sub(y[k], add(mul(line.slope, f_values[k]), line.intercept));
      line.rss = add(line.rss, mul(residual, residual));
    }
  });
  Int16 degrees = located("grados de libertad N - 2", [&] { return sub16(n, 2); });
  located("error típico de los residuos",
          [&] { line.residual_standard_error = sqrt(div(line.rss, degrees)); });
  return line;
}

RegressionLine regression_line(const Coefficients& coefficients, const std::vector<double>& y) {
  return regression_line(coefficients, static_cast<Int16>(y.size()),
                         [&](Int16 i) { return y[static_cast<std::size_t>(i - 1)]; });
}

ProjectedPoint project(const RegressionLine& line, const Coefficients& coefficients, Int16 n,
                       double t, Int16 l) {
  using namespace checked;
  ProjectedPoint point;
  point.x = located("índice de periodo X = N + l", [&] { return add16(n, l); });
  double f = evaluate(coefficients, point.x);
  located([&] { return "periodo proyectado X = " + std::to_string(point.x); }, [&] {
    point.trend = add(mul(line.slope, f), line.intercept);
    double c = add(1.0, div(1.0, n));
    double distance = sub(f, line.mean_f);
    point.h = mul(line.residual_standard_error, sqrt(add(c, div(mul(distance, distance), line.sxx))));
    double half_width = mul(t, point.h);
    point.lower = sub(point.trend, half_width);
    point.upper = add(point.trend, half_width);
  });
  return point;
}

}  // namespace tendencia
