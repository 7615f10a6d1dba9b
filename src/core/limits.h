// The one limit every layer meets: the data file, the importer, the fit and
// the failure that names it all say the same number.
#pragma once

#include <cstddef>

namespace tendencia {

// The most values a series holds (the rows of a data file).
constexpr std::size_t kMaxSeriesValues = 1000;

}  // namespace tendencia
