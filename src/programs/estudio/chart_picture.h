// The fan chart as pixels for the window, drawn by the chart's own cairo code
// at the size the window gives it.
#pragma once

#include <string>
#include <vector>

#include "chart/forecast_report.h"
#include "model/series.h"
#include "text/separators.h"

namespace tendencia {

// width × height pixels, 3 bytes (red, green, blue) each, rows top to bottom.
// width and height must be at least 1.
std::vector<unsigned char> chart_pixels(const ForecastReport& report, int width, int height,
                                        const std::string& decimal);

// A report holding only the observed values (periods from `first_period`),
// for the chart of a series not yet projected. Text values are left out, as
// the chart leaves them out of a report.
ForecastReport observed_only(const DataSeries& series, int first_period, const std::string& title);

}  // namespace tendencia
