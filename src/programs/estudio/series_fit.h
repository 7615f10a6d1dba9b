// "Ajustar" without the window: F(X) fitted to the open series with the fit
// program's own code, its report and its validation as tendencia-ajuste
// prints them, and the 25 coefficients as the answers tendencia reads.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "fit/term_groups.h"
#include "model/series.h"
#include "text/separators.h"

namespace tendencia {

struct SeriesFit {
  std::vector<TermGroup> groups;             // the fitted ones (chosen, when automatic)
  std::array<std::string, 25> coefficients;  // b0..b24 as tendencia-ajuste --respuestas
  std::string report;                        // as tendencia-ajuste prints it
  std::string validation;                    // as tendencia-ajuste --validar prints it
};

// Fits `groups` (or, when `automatic`, the terms the data choose) to every
// value of `series`; `data_file` names the series in the report. Throws
// FitRefused, CommandLineRefused or Failure with tendencia-ajuste's texts.
SeriesFit fit_series(const DataSeries& series, const std::vector<TermGroup>& groups,
                     bool automatic, const std::string& data_file, const Separators& separators);

}  // namespace tendencia
