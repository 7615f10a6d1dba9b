// What tendencia-lote says while it works, on stderr: on a terminal one line
// rewritten in place (the series done and refused, the time left); in a log
// or a pipe a plain line each time another tenth of the series is done.
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdio>
#include <mutex>
#include <optional>
#include <string>

namespace tendencia::lote {

// "57 de 200 series, 2 rechazadas; quedan unos 3 min 20 s" (the time left
// when known).
std::string progress_words(std::size_t done, std::size_t refused, std::size_t total,
                           std::optional<double> seconds_left);

class Progress {
 public:
  // `total` series, told on `out` (a terminal when `terminal`).
  Progress(std::size_t total, std::FILE* out, bool terminal);

  // One more series is done: `refused`, or `taken` from an earlier run's files
  // (which costs no time, so it tells nothing of the time left). Any thread
  // may call it.
  void series_done(bool refused, bool taken);

  // Ends the terminal's line, so what follows starts on its own.
  void finish();

 private:
  std::mutex mutex_;
  std::FILE* out_;
  bool terminal_;
  std::size_t total_, done_ = 0, refused_ = 0, worked_ = 0;
  std::size_t tenths_told_ = 0;
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

}  // namespace tendencia::lote
