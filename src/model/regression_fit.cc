#include "model/regression_fit.h"

#include "core/checked_math.h"
#include "text/conversions.h"
#include "text/number_forms.h"

namespace tendencia {

Fit fit_line(const Coefficients& coefficients, const std::vector<SeriesValue>& values,
             Int16 n, const Separators& separators) {
  using namespace checked;
  Fit fit;
  const char* const where = "ajuste de la recta de regresión";
  std::vector<double> y(static_cast<std::size_t>(n));
  std::vector<double> f_values(static_cast<std::size_t>(n));

  for (Int16 i = 1; i <= n; i = add16(i, 1)) {
    const std::size_t k = static_cast<std::size_t>(i - 1);
    f_values[k] = evaluate(coefficients, i);
    double f = f_values[k];
    located(where, [&] { fit.sum_f = add(fit.sum_f, f); });
    y[k] = series_number(values.at(k), i, separators);
    located(where, [&] {
      fit.sum_y = add(fit.sum_y, y[k]);
      fit.sum_ff = add(fit.sum_ff, mul(f, f));
      fit.sum_fy = add(fit.sum_fy, mul(f, y[k]));
    });
  }
  located(where, [&] {
    fit.mean_f = div(fit.sum_f, n);
    fit.mean_y = div(fit.sum_y, n);
    fit.sxx = sub(fit.sum_ff, div(mul(fit.sum_f, fit.sum_f), n));
    fit.sxy = sub(fit.sum_fy, div(mul(fit.sum_f, fit.sum_y), n));
  });
  located("pendiente de la recta de regresión", [&] {
    fit.slope_text = slope_text_form(div(fit.sxy, fit.sxx), separators);
    fit.a = as_typed_number(fit.slope_text, separators);
  });
  located("ordenada en el origen", [&] { fit.b = sub(fit.mean_y, mul(fit.a, fit.mean_f)); });
  located("suma de cuadrados de los residuos", [&] {
    for (std::size_t k = 0; k < y.size(); ++k) {
      double residual = sub(y[k], add(mul(fit.a, f_values[k]), fit.b));
      fit.rss = add(fit.rss, mul(residual, residual));
    }
  });
  Int16 degrees = located("grados de libertad N - 2", [&] { return sub16(n, 2); });
  located("error típico de los residuos", [&] { fit.s = sqrt(div(fit.rss, degrees)); });
  return fit;
}

ProjectedPoint project(const Fit& fit, const Coefficients& coefficients, Int16 n, double t,
                       Int16 l) {
  using namespace checked;
  ProjectedPoint point;
  point.x = located("índice de periodo X = N + l", [&] { return add16(n, l); });
  double f = evaluate(coefficients, point.x);
  located([&] { return "periodo proyectado X = " + std::to_string(point.x); }, [&] {
    point.trend = add(mul(fit.a, f), fit.b);
    double c = add(1.0, div(1.0, n));
    double distance = sub(f, fit.mean_f);
    point.h = mul(fit.s, sqrt(add(c, div(mul(distance, distance), fit.sxx))));
    double half_width = mul(t, point.h);
    point.lower = sub(point.trend, half_width);
    point.upper = add(point.trend, half_width);
  });
  return point;
}

}  // namespace tendencia
