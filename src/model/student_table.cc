#include "model/student_table.h"

#include <cmath>

#include "core/failure.h"

namespace tendencia {
namespace {

// Two-sided critical values of Student's t, to the three decimals of the
// printed tables, for 1..30 degrees of freedom: one row per confidence index
// 1 (90 %), 2 (95 %) and 3 (99 %). The report writes them as these decimals.
constexpr int kMostDegrees = 30;
constexpr double kTable[3][kMostDegrees] = {
    {6.314, 2.920, 2.353, 2.132, 2.015, 1.943, 1.895, 1.860, 1.833, 1.812,
     1.796, 1.782, 1.771, 1.761, 1.753, 1.746, 1.740, 1.734, 1.729, 1.725,
     1.721, 1.717, 1.714, 1.711, 1.708, 1.706, 1.703, 1.701, 1.699, 1.697},
    {12.706, 4.303, 3.182, 2.776, 2.571, 2.447, 2.365, 2.306, 2.262, 2.228,
     2.201, 2.179, 2.160, 2.145, 2.131, 2.120, 2.110, 2.101, 2.093, 2.086,
     2.080, 2.074, 2.069, 2.064, 2.060, 2.056, 2.052, 2.048, 2.045, 2.042},
    {63.657, 9.925, 5.841, 4.604, 4.032, 3.707, 3.499, 3.355, 3.250, 3.169,
     3.106, 3.055, 3.012, 2.977, 2.947, 2.921, 2.898, 2.878, 2.861, 2.845,
     2.831, 2.819, 2.807, 2.797, 2.787, 2.779, 2.771, 2.763, 2.756, 2.750},
};

constexpr double kWholeNumberTolerance = 0.000001;

}  // namespace

int confidence_index(double level_percent) {
  if (level_percent == 90) return 1;
  if (level_percent == 95) return 2;
  if (level_percent == 99) return 3;
  return 0;
}

std::optional<double> table_entry(int confidence_index, int degrees) {
  if (confidence_index < 1 || confidence_index > 3 || degrees < 1 || degrees > kMostDegrees)
    return std::nullopt;
  return kTable[confidence_index - 1][degrees - 1];
}

StudentT table_t(int confidence_index, Int16 points) {
  Int16 degrees = located("grados de libertad N - 2", [&] { return sub16(points, 2); });
  if (degrees < 0 || degrees > kMostDegrees)
    throw Failure(FailureKind::SubscriptOutOfRange,
                  "tabla de la t de Student, N - 2 = " + std::to_string(degrees));
  std::optional<double> entry = table_entry(confidence_index, degrees);
  if (!entry) return {};
  return {StudentT::Kind::Table, *entry, {}};
}

bool is_t_value(double u) { return u - std::floor(u) >= kWholeNumberTolerance; }

}  // namespace tendencia
