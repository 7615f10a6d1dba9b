// The data a trend is fitted on is a choice too: the series itself, its
// logarithm (for a positive series: a trend that grows in proportion, a season
// whose swing grows with the level), or only its latest values (a trend that
// changed course). The run is given exactly these values; what it projects is
// brought back to the series' own units, and a prediction interval keeps its
// level through the exponential, which is increasing.
#pragma once

#include <string>
#include <vector>

namespace tendencia {

// The fewest values a window keeps: beyond 32 values tendencia asks for its t,
// so the calibrated t still reaches the run.
constexpr int kFewestLatestValues = 33;

struct DataChoice {
  bool logarithm = false;
  int latest = 0;  // 0: every value; else only the last `latest` (kFewestLatestValues or more)

  bool operator==(const DataChoice& other) const {
    return logarithm == other.logarithm && latest == other.latest;
  }
};

// Can the choice be made on Y(1..n)? The logarithm needs every value above 0,
// a window fewer values than the series.
bool applies_to(const DataChoice& choice, const std::vector<double>& y);

// The values the run is given for Y(1..k) (y[0] is Y(1), k <= y.size()): the
// last `latest` of them when a window is chosen, their logarithms when asked.
// The caller has checked applies_to.
std::vector<double> values_for_run(const DataChoice& choice, const std::vector<double>& y,
                                   std::size_t k);

// A value of the series in the units the run is given, and back: a value the
// run projects (a trend value or a bound) in the series' units.
double in_run_units(const DataChoice& choice, double value);
double in_series_units(const DataChoice& choice, double value);

// "serie", "logaritmo", "últimos 60", "logaritmo de los últimos 60": as the
// ranking lists the choice.
std::string data_choice_name(const DataChoice& choice);

// The name of the series in the data file written for the run: "log(Pasajeros)",
// "Pasajeros, últimos 60", "log(Pasajeros), últimos 60"; the series' own name
// for the series itself.
std::string values_header_for(const DataChoice& choice, const std::string& series_name);

}  // namespace tendencia
