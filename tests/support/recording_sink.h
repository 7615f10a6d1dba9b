// A ByteSink for tests: keeps what reaches it, and can refuse writes from a chosen
// moment on, the way a full disk does.
#pragma once

#include <string>
#include <vector>

#include "io/byte_sink.h"

namespace tendencia::testing {

struct SinkLog {
  std::string written;  // bytes the sink accepted
  std::vector<std::size_t> writes;  // the size of each accepted write
  int flushes = 0;
  int syncs = 0;
  bool closed = false;
  bool refuse_writes = false;
  std::size_t refuse_beyond = std::string::npos;  // the device is full after this many bytes
  bool refuse_sync = false;  // the device refuses, as fsync can on a failing disk
};

class RecordingSink : public ByteSink {
 public:
  explicit RecordingSink(SinkLog& log) : log_(log) {}
  bool write(std::string_view bytes) override {
    if (log_.refuse_writes && !bytes.empty()) return false;
    if (log_.written.size() + bytes.size() > log_.refuse_beyond) {
      log_.refuse_writes = true;  // and so it stays, as on a full disk
      return false;
    }
    log_.written.append(bytes);
    log_.writes.push_back(bytes.size());
    return true;
  }
  bool flush() override {
    ++log_.flushes;
    return !log_.refuse_writes;
  }
  bool sync() override {
    ++log_.syncs;
    return !log_.refuse_writes && !log_.refuse_sync;
  }
  bool close() override {
    log_.closed = true;
    return true;
  }

 private:
  SinkLog& log_;
};

}  // namespace tendencia::testing
