#include "programs/lote/stop_signals.h"

#include <pthread.h>

#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <initializer_list>

namespace tendencia::lote {
namespace {

// The signal ends the process by its default action.
[[noreturn]] void die_by(int number) {
  std::signal(number, SIG_DFL);
  sigset_t only;
  sigemptyset(&only);
  sigaddset(&only, number);
  pthread_sigmask(SIG_UNBLOCK, &only, nullptr);
  std::raise(number);
  std::_Exit(128 + number);  // a signal whose default action is no end
}

}  // namespace

StopSignals::StopSignals() {
  sigemptyset(&set_);
  for (int number : {SIGINT, SIGTERM, SIGHUP}) sigaddset(&set_, number);
  pthread_sigmask(SIG_BLOCK, &set_, nullptr);
  taker_ = std::thread([this] { take_signals(); });
}

StopSignals::~StopSignals() {
  finished_ = true;
  taker_.join();
  pthread_sigmask(SIG_UNBLOCK, &set_, nullptr);
}

void StopSignals::take_signals() {
  // A tenth of a second between looks at whether the work is over.
  const timespec wait{0, 100'000'000};
  while (!finished_) {
    const int number = sigtimedwait(&set_, nullptr, &wait);
    if (number <= 0) continue;
    if (signal_ != 0) die_by(number);
    signal_ = number;
  }
}

void StopSignals::end_as_signalled() {
  if (signal_ != 0) die_by(signal_);
}

}  // namespace tendencia::lote
