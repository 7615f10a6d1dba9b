#include "run/projected_rows.h"

#include <pthread.h>
#include <sched.h>

#include <algorithm>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <string>
#include <system_error>
#include <thread>
#include <utility>

#include "core/failure.h"

namespace tendencia {
namespace {

struct Block {
  std::string bytes;             // the block's lines, each ending in CR LF
  std::exception_ptr failure;    // what stopped the block after those lines
};

int block_count(const ProjectedRows& rows) {
  return (rows.count + kProjectedBlockRows - 1) / kProjectedBlockRows;
}

// Makes block k (rows 1 + k * kProjectedBlockRows on) into `block`, never
// throwing: a failure is kept with the lines before it.
void make_block(const ProjectedRows& rows, int k, ReportLine& line, Block& block) {
  block.bytes.clear();
  block.failure = nullptr;
  const Int16 first = static_cast<Int16>(1 + k * kProjectedBlockRows);
  const Int16 last =
      static_cast<Int16>(std::min<int>(rows.count, (k + 1) * kProjectedBlockRows));
  try {
    for (Int16 l = first;; ++l) {
      ProjectedPoint point = project(rows.line, rows.coefficients, rows.observed, rows.t, l);
      Int16 label =
          located([&] { return "etiqueta del periodo X = " + std::to_string(point.x); },
                  [&] { return add16(rows.last_observed, l); });
      line.clear();
      line.whole(label).next_zone().number(point.trend).next_zone().number(point.lower)
          .next_zone().number(point.upper);
      block.bytes.append(line.bytes()).append("\r\n", 2);
      if (l == last) break;  // the counter's own step must not overflow at 32767
    }
  } catch (...) {
    block.failure = std::current_exception();
  }
}

// What the two threads share. Each claims the next block, makes it, waits for
// its turn and hands the block to the report; the turns follow the blocks'
// order, so the report receives exactly the bytes, and stops at exactly the
// failure, of rows made one by one. The thread whose turn it is also does the
// block's system calls, while the other goes on computing.
class Turns {
 public:
  Turns(const ProjectedRows& rows, ResultsReport& report)
      : rows_(rows), report_(report), blocks_(block_count(rows)) {}

  int blocks() const { return blocks_; }

  void work() noexcept {
    ReportLine line = report_.line();
    Block block;
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
      const int k = next_++;
      if (k >= blocks_) return;
      lock.unlock();
      make_block(rows_, k, line, block);
      lock.lock();
      turn_changed_.wait(lock, [&] { return turn_ == k || stopped_; });
      if (stopped_) return;  // an earlier block failed: nothing after it is written
      try {
        report_.write_lines(block.bytes);
        failure_ = block.failure;
      } catch (...) {
        failure_ = std::current_exception();  // a refused write comes first
      }
      stopped_ = failure_ != nullptr;
      ++turn_;
      turn_changed_.notify_all();
    }
  }

  void rethrow_failure() const {
    if (failure_) std::rethrow_exception(failure_);
  }

 private:
  const ProjectedRows& rows_;
  ResultsReport& report_;
  const int blocks_;
  std::mutex mutex_;  // guards everything below, and the report
  std::condition_variable turn_changed_;
  int next_ = 0;  // the next block not yet claimed
  int turn_ = 0;  // the block the report takes next
  bool stopped_ = false;
  std::exception_ptr failure_;
};

// A new thread is queued on the processor of the thread that made it, and an
// idle processor may take it only at its next scheduler tick, milliseconds
// later: the helper would wait that long behind this thread. It is sent to
// the other processors at once (when the process may use any).
void send_to_other_processors(std::thread& helper) {
  cpu_set_t allowed;
  const int here = sched_getcpu();
  if (here < 0 || sched_getaffinity(0, sizeof allowed, &allowed) != 0) return;
  CPU_CLR(here, &allowed);
  if (CPU_COUNT(&allowed) > 0)
    pthread_setaffinity_np(helper.native_handle(), sizeof allowed, &allowed);
}

}  // namespace

void write_projected_rows(const ProjectedRows& rows, ResultsReport& report) {
  Turns turns(rows, report);
  std::thread helper;
  if (turns.blocks() > 1) {
    try {
      helper = std::thread([&turns] { turns.work(); });
      send_to_other_processors(helper);
    } catch (const std::system_error&) {
      // No second thread to be had (a process limit): this one makes them all.
    }
  }
  turns.work();
  if (helper.joinable()) helper.join();
  turns.rethrow_failure();
}

}  // namespace tendencia
