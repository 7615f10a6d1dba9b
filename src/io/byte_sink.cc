#include "io/byte_sink.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <system_error>


namespace tendencia {

bool write_all(int descriptor, std::string_view bytes) {
  while (!bytes.empty()) {
    ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

std::unique_ptr<FileSink> FileSink::create(const std::string& path) {
  if (path.find('\0') != std::string::npos) return nullptr;
  // Opening a FIFO for writing would wait for a reader forever.
  std::error_code error;
  auto status = std::filesystem::symlink_status(path, error);
  if (!error && std::filesystem::exists(status) &&
      !std::filesystem::is_regular_file(std::filesystem::status(path, error)))
    return nullptr;
  int descriptor = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (descriptor < 0) return nullptr;
  return std::unique_ptr<FileSink>(new FileSink(descriptor));
}

FileSink::~FileSink() {
  if (descriptor_ >= 0) ::close(descriptor_);
}

bool FileSink::write(std::string_view bytes) {
  if (descriptor_ < 0 || !write_all(descriptor_, bytes)) return false;
  written_ += static_cast<off_t>(bytes.size());
  if (written_ - hinted_ >= kHintBytes) {
    // Only a hint to start the disk now; sync() is what makes the promise, so
    // a system that ignores the hint loses nothing but the head start.
    ::sync_file_range(descriptor_, hinted_, written_ - hinted_, SYNC_FILE_RANGE_WRITE);
    hinted_ = written_;
  }
  return true;
}

// Nothing is held back: every write has already reached the system.
bool FileSink::flush() { return descriptor_ >= 0; }

bool FileSink::sync() { return descriptor_ >= 0 && ::fsync(descriptor_) == 0; }

bool FileSink::close() {
  if (descriptor_ < 0) return true;
  bool ok = ::close(descriptor_) == 0;
  descriptor_ = -1;
  return ok;
}

}  // namespace tendencia
