// Ctrl+C (and a scheduler's SIGTERM, a closed terminal's SIGHUP) while the
// series run: the first asks the workers to start no new series, so the ones
// in hand finish and the tables of what is done are written; a second ends
// the program at once. Signals are taken by a thread of their own, with
// sigtimedwait: no handler runs inside the work, and nothing global is set.
#pragma once

#include <atomic>
#include <csignal>
#include <thread>

namespace tendencia::lote {

class StopSignals {
 public:
  // Blocks the signals in the calling thread, and so in every thread it
  // starts afterwards, and starts the thread that takes them.
  StopSignals();
  // Stops taking them and unblocks them; a signal taken stays for
  // end_as_signalled.
  ~StopSignals();
  StopSignals(const StopSignals&) = delete;
  StopSignals& operator=(const StopSignals&) = delete;

  bool stop_asked() const { return signal_ != 0; }

  // After the tables are written: ends the process by the signal taken, as
  // its default action would have, so the caller's shell sees the
  // interruption; returns when none was taken.
  void end_as_signalled();

 private:
  void take_signals();

  sigset_t set_{};
  std::atomic<int> signal_{0};
  std::atomic<bool> finished_{false};
  std::thread taker_;
};

}  // namespace tendencia::lote
