#include "fit/periodogram.h"

#include <unsupported/Eigen/FFT>

#include <algorithm>
#include <cmath>
#include <complex>
#include <optional>

#include "fit/least_squares.h"

namespace tendencia {
namespace {

using Column = std::vector<double>;

// y minus its least-squares cubic in X (on u, the centred and scaled X), so a
// smooth trend leaves little at the lowest frequencies.
std::vector<double> without_cubic_trend(const std::vector<double>& y) {
  const std::size_t n = y.size();
  std::vector<Column> powers;
  for (int degree = 0; degree <= 3; ++degree) {
    Column p(n);
    for (std::size_t i = 0; i < n; ++i)
      p[i] = std::pow((static_cast<double>(i) - (static_cast<double>(n) - 1) / 2) /
                          static_cast<double>(n), degree);
    powers.push_back(p);
  }
  const LinearFit fit = linear_fit(powers, y);
  return fit.usable ? fit.residuals : y;
}

// r minus its least-squares a·cos(ωX) + b·sin(ωX).
std::vector<double> without_cosine(const std::vector<double>& r, double w) {
  Column c(r.size()), s(r.size());
  for (std::size_t t = 0; t < r.size(); ++t) {
    c[t] = std::cos(w * static_cast<double>(t + 1));
    s[t] = std::sin(w * static_cast<double>(t + 1));
  }
  const LinearFit fit = linear_fit({c, s}, r);
  return fit.usable ? fit.residuals : r;
}

// The strongest frequency within one Fourier step of ω, on a grid of 1/16 step.
double finest_frequency(const std::vector<double>& r, double w, double step) {
  double best = w, strongest = ordinate(r, w);
  for (int i = -16; i <= 16; ++i) {
    const double candidate = w + step * i / 16.0;
    if (candidate <= 0.0) continue;
    const double o = ordinate(r, candidate);
    if (o > strongest) strongest = o, best = candidate;
  }
  return best;
}

// Fisher's g test: is the largest of these ordinates a peak at 1 %?
// P(g > x) ≈ m·(1 - x)^(m - 1), the first term of its exact series.
std::optional<std::size_t> significant_peak(const std::vector<double>& ordinates,
                                            const std::vector<bool>& excluded) {
  double sum = 0.0, largest = -1.0;
  std::size_t at = 0, m = 0;
  for (std::size_t j = 0; j < ordinates.size(); ++j) {
    if (excluded[j]) continue;
    ++m;
    sum += ordinates[j];
    if (ordinates[j] > largest) largest = ordinates[j], at = j;
  }
  if (m < 3 || !(sum > 0.0)) return std::nullopt;
  const double g = largest / sum;
  const double p = static_cast<double>(m) * std::pow(1.0 - g, static_cast<double>(m - 1));
  if (p < 0.01) return at;
  return std::nullopt;
}

}  // namespace

double ordinate(const std::vector<double>& r, double w) {
  double re = 0.0, im = 0.0;
  for (std::size_t t = 0; t < r.size(); ++t) {
    re += r[t] * std::cos(w * static_cast<double>(t + 1));
    im += r[t] * std::sin(w * static_cast<double>(t + 1));
  }
  return re * re + im * im;
}

std::vector<double> ordinates(const std::vector<double>& r, std::size_t size) {
  std::vector<double> padded(r);
  padded.resize(std::max(size, r.size()), 0.0);
  Eigen::FFT<double> fft;
  std::vector<std::complex<double>> fourier;
  fft.fwd(fourier, padded);
  std::vector<double> power;
  for (std::size_t j = 0; j <= padded.size() / 2; ++j) power.push_back(std::norm(fourier[j]));
  return power;
}

std::vector<double> strongest_frequencies(const std::vector<double>& values, std::size_t count) {
  const std::size_t n = values.size();
  if (n < 3 || count == 0) return {};
  double mean = 0.0;
  for (double v : values) mean += v;
  mean /= static_cast<double>(n);
  std::vector<double> centred;
  for (double v : values) centred.push_back(v - mean);
  // Four frequencies per Fourier step at least: a power of two, the fastest
  // size for the transform.
  std::size_t size = 1;
  while (size < 4 * n) size *= 2;
  const std::vector<double> power = ordinates(centred, size);
  const std::size_t last = power.size() - 1;
  std::vector<std::size_t> peaks;
  for (std::size_t j = 1; j <= last; ++j)
    if (power[j] >= power[j - 1] && (j == last || power[j] >= power[j + 1]) && power[j] > 0.0)
      peaks.push_back(j);
  std::stable_sort(peaks.begin(), peaks.end(),
                   [&](std::size_t a, std::size_t b) { return power[a] > power[b]; });
  std::vector<double> chosen;
  const double resolution = kTwoPi / static_cast<double>(n);
  for (std::size_t j : peaks) {
    const double w = kTwoPi * static_cast<double>(j) / static_cast<double>(size);
    const bool apart = std::all_of(chosen.begin(), chosen.end(),
                                   [&](double c) { return std::abs(c - w) >= resolution; });
    if (apart) chosen.push_back(w);
    if (chosen.size() == count) break;
  }
  return chosen;
}

std::vector<double> periodogram_peaks(const std::vector<double>& y) {
  if (y.size() < 8) return {};
  std::vector<double> r = without_cubic_trend(y);
  std::vector<double> periods;
  const double step = kTwoPi / static_cast<double>(r.size());
  for (int peak = 0; peak < 2; ++peak) {
    // The Fourier frequencies 2πj/n, j = 1..⌊(n-1)/2⌋.
    std::vector<double> fourier = ordinates(r, r.size());
    fourier.erase(fourier.begin());
    fourier.resize((r.size() - 1) / 2);
    // One or two cycles over the whole series are what a trend that is no
    // cubic leaves behind, not a season.
    std::vector<bool> excluded(fourier.size(), false);
    for (std::size_t j = 0; j < 2 && j < excluded.size(); ++j) excluded[j] = true;
    std::optional<std::size_t> at = significant_peak(fourier, excluded);
    if (!at) break;
    // The peak's own frequency, between the Fourier steps beside it; its
    // cosine is taken out so its leakage is no second peak.
    const double frequency = finest_frequency(r, step * static_cast<double>(*at + 1), step);
    periods.push_back(kTwoPi / frequency);
    r = without_cosine(r, frequency);
  }
  return periods;
}

}  // namespace tendencia
