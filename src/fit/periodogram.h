// The periodogram of a series, the one home of it in the fit: the season the
// automatic choice tests for, and the frequencies the starting values of a
// cosine come from, are read from the same ordinates.
#pragma once

#include <cstddef>
#include <vector>

namespace tendencia {

constexpr double kPi = 3.14159265358979323846;
constexpr double kTwoPi = 2.0 * kPi;

// |Σ r(X)·e^(-iωX)|² over X = 1..n at one angular frequency ω.
double ordinate(const std::vector<double>& r, double w);

// The ordinates at ω_j = 2πj/size for j = 0..size/2, the values zero-padded
// to `size` (at least their count): one fast Fourier transform. With size = n
// they are the Fourier frequencies of the series itself.
std::vector<double> ordinates(const std::vector<double>& r, std::size_t size);

// The strongest angular frequencies in (0, π] of the periodogram of `values`
// (their mean removed), strongest first, at most `count`, each at least one
// Fourier step (2π/n) from the others, read on a grid of four or more
// frequencies per step.
std::vector<double> strongest_frequencies(const std::vector<double>& values, std::size_t count);

// The periods (2π/ω) of the significant peaks of the periodogram of Y(1..n)
// after a cubic trend is taken out, strongest first, at most 2, each of at
// least three cycles: Fisher's test of the largest ordinate at 1 %, then again
// once the cosine of the first peak is taken out. Empty for fewer than 8
// values.
std::vector<double> periodogram_peaks(const std::vector<double>& y);

}  // namespace tendencia
