// Where the report's bytes go. A file in the program; a failing or recording sink
// in tests, so that a write error can be shown to stop the run.
#pragma once

#include <sys/types.h>

#include <memory>
#include <string>
#include <string_view>

namespace tendencia {

// Writes every byte to the open file `descriptor`, as many system calls as it
// takes (a signal may cut one short); false on the first refusal (a full disk,
// a file-size limit).
bool write_all(int descriptor, std::string_view bytes);

class ByteSink {
 public:
  virtual ~ByteSink() = default;
  // Each returns false when the bytes could not be written.
  virtual bool write(std::string_view bytes) = 0;
  virtual bool flush() = 0;
  // Flushes and waits until the bytes are on the storage device itself.
  virtual bool sync() = 0;
  virtual bool close() = 0;
};

// Keeps the bytes in a text of the caller's: a report gathered whole, to be
// written at once (io/whole_file_writer.h) only when its run is complete.
class MemorySink : public ByteSink {
 public:
  explicit MemorySink(std::string& bytes) : bytes_(bytes) {}
  bool write(std::string_view bytes) override {
    bytes_.append(bytes);
    return true;
  }
  bool flush() override { return true; }
  bool sync() override { return true; }
  bool close() override { return true; }

 private:
  std::string& bytes_;
};

class FileSink : public ByteSink {
 public:
  // Creates or replaces `path`. Returns nullptr when it cannot be created: a
  // NUL in it (the system would cut it short), a directory or other
  // non-regular file of that name, a read-only directory.
  static std::unique_ptr<FileSink> create(const std::string& path);
  ~FileSink() override;

  // Each write goes straight to the system, one call for the whole piece: the
  // report already gathers its lines into large pieces, so a second buffer
  // would only copy them again. Every kHintBytes written are sent on to the
  // disk at once, so that the final sync waits for the last of them only, not
  // for the whole file; sending smaller ranges costs more than it saves.
  bool write(std::string_view bytes) override;
  bool flush() override;
  bool sync() override;
  bool close() override;

 private:
  explicit FileSink(int descriptor) : descriptor_(descriptor) {}
  static constexpr off_t kHintBytes = 512 * 1024;

  int descriptor_;  // -1 once closed
  off_t written_ = 0;
  off_t hinted_ = 0;  // bytes already sent on to the disk
};

}  // namespace tendencia
