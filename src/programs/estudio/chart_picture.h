// The fan chart as pixels for the window, drawn by the chart's own cairo code
// at the size the window gives it.
#pragma once

#include <string>
#include <vector>

#include "chart/fan_chart_data.h"
#include "programs/estudio/studio_series.h"

namespace tendencia {

// width × height pixels, 3 bytes (red, green, blue) each, rows top to bottom.
// width and height must be at least 1.
std::vector<unsigned char> chart_pixels(const FanChart& chart, int width, int height);

// The chart of a series not yet projected: its observed values (periods from
// `first_period`, dated by its calendar if it has one; text values left out,
// as the chart leaves them out of a report), titled from the data file's
// title line or else the problem name.
FanChart observed_chart(const OpenedSeries& opened, int first_period, const std::string& problem_name,
                        const std::string& decimal);

}  // namespace tendencia
