#include "model/student_quantile.h"

#include <boost/math/distributions/students_t.hpp>

#include <cmath>

namespace tendencia {

std::optional<double> student_quantile(double level_percent, double degrees) {
  if (!(degrees >= 1.0) || !std::isfinite(degrees) || !(level_percent > 0.0) ||
      !(level_percent < 100.0))
    return std::nullopt;
  // Boost reports a domain error by exception under its default policy; the
  // arguments above are inside every domain, so none can come.
  const boost::math::students_t distribution(degrees);
  const double upper_tail = (1.0 - level_percent / 100.0) / 2.0;
  return boost::math::quantile(boost::math::complement(distribution, upper_tail));
}

}  // namespace tendencia
