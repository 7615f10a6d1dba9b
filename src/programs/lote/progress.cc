#include "programs/lote/progress.h"

#include <cmath>

namespace tendencia::lote {

std::string progress_words(std::size_t done, std::size_t refused, std::size_t total,
                           std::optional<double> seconds_left) {
  std::string words = std::to_string(done) + " de " + std::to_string(total) + " series, " +
                      std::to_string(refused) + (refused == 1 ? " rechazada" : " rechazadas");
  if (!seconds_left || !std::isfinite(*seconds_left)) return words;
  const long long seconds = std::llround(*seconds_left);
  words += "; quedan unos ";
  if (seconds >= 3600) words += std::to_string(seconds / 3600) + " h ";
  if (seconds >= 60) words += std::to_string(seconds / 60 % 60) + " min ";
  return words + std::to_string(seconds % 60) + " s";
}

Progress::Progress(std::size_t total, std::FILE* out, bool terminal)
    : out_(out), terminal_(terminal), total_(total) {}

void Progress::series_done(bool refused, bool taken) {
  std::lock_guard<std::mutex> lock(mutex_);
  ++done_;
  refused_ += refused;
  worked_ += !taken;
  if (terminal_) {
    std::optional<double> left;
    if (worked_ > 0) {
      const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - start_;
      left = spent.count() / static_cast<double>(worked_) * static_cast<double>(total_ - done_);
    }
    // Back to the line's start, and the rest of the old line cleared.
    std::fprintf(out_, "\r%s\033[K", progress_words(done_, refused_, total_, left).c_str());
    std::fflush(out_);
    return;
  }
  const std::size_t tenths = done_ * 10 / total_;
  if (tenths == tenths_told_) return;
  tenths_told_ = tenths;
  std::fprintf(out_, "tendencia-lote: %s (%zu %%)\n",
               progress_words(done_, refused_, total_, std::nullopt).c_str(), tenths * 10);
  std::fflush(out_);
}

void Progress::finish() {
  std::lock_guard<std::mutex> lock(mutex_);
  if (terminal_ && done_ > 0) std::fputc('\n', out_);
}

}  // namespace tendencia::lote
