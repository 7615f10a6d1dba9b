// The window's own time to open and to project the longest series a data file
// holds (1000 values), with the real StudioWindow drawn on a display (run it
// under xvfb-run): opening includes the table and the chart of the observed
// values; projecting includes writing the data file and the report, reading
// it back, the projected table and the chart at the window's size. Ajustar is
// timed apart. A printed timing, not a test: speed targets live here.
#include <FL/Fl.H>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "programs/estudio/studio_window.h"

namespace {

using Clock = std::chrono::steady_clock;

double milliseconds_since(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

// A monthly-looking series: a trend, a yearly wave and a little noise.
void write_long_csv(const std::string& path) {
  std::ofstream csv(path, std::ios::binary);
  csv << "Periodo;Ventas\r\n";
  unsigned state = 12345;
  for (int i = 1; i <= 1000; ++i) {
    state = state * 1103515245u + 12345u;
    double noise = static_cast<double>((state >> 16) % 1000) / 100.0 - 5.0;
    char value[64];
    std::snprintf(value, sizeof value, "%.2f", 200 + 0.8 * i + 25 * std::sin(i * 0.5236) + noise);
    std::string text = value;
    text[text.find('.')] = ',';
    csv << i << ';' << text << "\r\n";
  }
}

}  // namespace

int main() {
  using namespace tendencia;
  std::string pattern = (std::filesystem::temp_directory_path() / "tendencia-estudio-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) return 1;
  const std::filesystem::path folder = pattern;
  const std::string csv = (folder / "largo.csv").string();
  write_long_csv(csv);

  StudioOptions options;
  options.groups = {TermGroup::Constant, TermGroup::Power, TermGroup::Cosine};
  options.points = 24;
  StudioWindow window(options, separators_from_locale());
  window.show();
  while (!window.visible()) Fl::wait();
  Fl::flush();

  const int repetitions = 7;
  std::vector<double> opening, fitting, projecting;
  for (int r = 0; r < repetitions; ++r) {
    std::filesystem::remove(folder / "Dlargo.TXT");
    std::filesystem::remove(folder / "Elargo.TXT");
    Clock::time_point start = Clock::now();
    window.open_file(csv);
    Fl::flush();
    opening.push_back(milliseconds_since(start));
    start = Clock::now();
    window.fit();
    Fl::flush();
    fitting.push_back(milliseconds_since(start));
    start = Clock::now();
    window.project();
    Fl::flush();
    projecting.push_back(milliseconds_since(start));
    if (!std::filesystem::exists(folder / "Elargo.TXT")) {
      std::fprintf(stderr, "the projection wrote no report\n");
      return 1;
    }
  }
  std::filesystem::remove_all(folder);
  std::printf("tendencia-estudio, 1000 values, median of %d (ms):\n", repetitions);
  std::printf("  open (table and chart drawn)         %8.1f\n", median(opening));
  std::printf("  project (files, table, chart drawn)  %8.1f\n", median(projecting));
  std::printf("  open + project                       %8.1f\n",
              median(opening) + median(projecting));
  std::printf("  fit (constante potencia coseno)      %8.1f\n", median(fitting));
  return 0;
}
