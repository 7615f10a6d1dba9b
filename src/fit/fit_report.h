// What tendencia-ajuste writes on stdout: the report of a fit, or only the 25
// coefficient answers tendencia asks for. Every number is written with "." as
// decimal point in every locale, as tendencia reads coefficients.
#pragma once

#include <string>
#include <vector>

#include "model/trend_terms.h"
#include "fit/trend_fit.h"

namespace tendencia {

// The value with 17 significant digits ("%.17g" in the C locale), which gives
// back the same double through tendencia's leading-number conversion.
std::string exact_form(double value);

// b0..b24, one line each, in exact_form.
std::string coefficient_answers(const Coefficients& coefficients);

// The report in Spanish: the data file and the points used, the terms, every
// fitted coefficient with its standard error, the residual sum of squares, the
// residual standard error with its degrees of freedom, R², the iterations and
// whether the solver converged. `rows_read` is the data file's row count.
std::string fit_report(const FittedTrend& fit, const std::string& data_file, int rows_read,
                       const std::vector<TermGroup>& groups);

}  // namespace tendencia
