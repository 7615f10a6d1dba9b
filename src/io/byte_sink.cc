#include "io/byte_sink.h"

#include <unistd.h>

#include <filesystem>
#include <system_error>

#include "io/problem_files.h"

namespace tendencia {

std::unique_ptr<FileSink> FileSink::create(const std::string& path) {
  if (!names_a_file_here(path)) return nullptr;
  // Opening a FIFO for writing would wait for a reader forever.
  std::error_code error;
  auto status = std::filesystem::symlink_status(path, error);
  if (!error && std::filesystem::exists(status) &&
      !std::filesystem::is_regular_file(std::filesystem::status(path, error)))
    return nullptr;
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return nullptr;
  return std::unique_ptr<FileSink>(new FileSink(file));
}

FileSink::~FileSink() {
  if (file_ != nullptr) std::fclose(file_);
}

bool FileSink::write(std::string_view bytes) {
  return file_ != nullptr && std::fwrite(bytes.data(), 1, bytes.size(), file_) == bytes.size();
}

bool FileSink::flush() { return file_ != nullptr && std::fflush(file_) == 0; }

bool FileSink::sync() { return flush() && ::fsync(fileno(file_)) == 0; }

bool FileSink::close() {
  if (file_ == nullptr) return true;
  bool ok = std::fclose(file_) == 0;
  file_ = nullptr;
  return ok;
}

}  // namespace tendencia
