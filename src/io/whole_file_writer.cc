#include "io/whole_file_writer.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>

#include "core/failure.h"
#include "io/byte_sink.h"
#include "io/problem_files.h"

namespace tendencia {
namespace {

constexpr std::string_view kTemporaryEnd = ".tmp";

// The temporary file: hidden, in the same folder, named after the file and the
// process: "." + name + "." + process + "-" + attempt + ".tmp".
std::string temporary_name(const std::string& file_name, long process, int attempt) {
  return "." + file_name + "." + std::to_string(process) + "-" + std::to_string(attempt) +
         std::string(kTemporaryEnd);
}

// Created only if no file of that name exists (O_EXCL), with the usual
// permissions.
int create_temporary(const std::string& folder, const std::string& file_name,
                     std::string& temporary) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    temporary = path_in(folder, temporary_name(file_name, ::getpid(), attempt));
    int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

bool exists(const std::string& name) {
  struct stat status;
  return ::lstat(name.c_str(), &status) == 0;
}

// Puts the temporary file in place without replacing anything: a hard link
// fails when the name is taken, however late another program took it. A file
// system without hard links gets the check and the rename instead.
enum class Placed { Done, NameTaken, Failed };
Placed place_without_replacing(const std::string& temporary, const std::string& path) {
  if (::link(temporary.c_str(), path.c_str()) == 0) {
    ::unlink(temporary.c_str());
    return Placed::Done;
  }
  if (errno == EEXIST) return Placed::NameTaken;
  if (exists(path)) return Placed::NameTaken;
  return std::rename(temporary.c_str(), path.c_str()) == 0 ? Placed::Done : Placed::Failed;
}

// The process that wrote a temporary file of one of `file_names`, when
// `name` is one.
std::optional<long> writer_of(const std::string& name,
                              const std::unordered_set<std::string>& file_names) {
  if (name.size() < 2 + kTemporaryEnd.size() || name[0] != '.' ||
      name.compare(name.size() - kTemporaryEnd.size(), kTemporaryEnd.size(), kTemporaryEnd) != 0)
    return std::nullopt;
  const std::string middle = name.substr(1, name.size() - 1 - kTemporaryEnd.size());
  const std::size_t dot = middle.rfind('.');
  const std::size_t dash = middle.rfind('-');
  if (dot == std::string::npos || dash == std::string::npos || dash < dot) return std::nullopt;
  const std::string file = middle.substr(0, dot);
  if (!file_names.count(file)) return std::nullopt;
  char* end = nullptr;
  const std::string process = middle.substr(dot + 1, dash - dot - 1);
  const long number = std::strtol(process.c_str(), &end, 10);
  const int attempt = std::atoi(middle.c_str() + dash + 1);
  if (number <= 0 || temporary_name(file, number, attempt) != name) return std::nullopt;
  return number;
}

}  // namespace

void remove_abandoned_temporaries(const std::string& folder,
                                  const std::unordered_set<std::string>& file_names) {
  std::error_code error;
  std::filesystem::directory_iterator entry(folder.empty() ? "." : folder, error);
  for (; !error && entry != std::filesystem::directory_iterator(); entry.increment(error)) {
    const std::optional<long> process = writer_of(entry->path().filename().string(), file_names);
    std::error_code ignored;
    if (process && ::kill(static_cast<pid_t>(*process), 0) != 0 && errno == ESRCH)
      std::filesystem::remove(entry->path(), ignored);
  }
}

bool write_whole_file(const std::string& folder, const std::string& file_name,
                      std::string_view bytes, bool replace_existing) {
  if (!names_a_file_here(file_name)) throw Failure(FailureKind::FileNotCreatable, file_name);
  const std::string path = path_in(folder, file_name);
  if (!replace_existing && exists(path)) return false;
  std::string temporary;
  int fd = create_temporary(folder, file_name, temporary);
  if (fd < 0) throw Failure(FailureKind::FileNotCreatable, file_name);
  bool written = write_all(fd, bytes) && ::fsync(fd) == 0;
  written = ::close(fd) == 0 && written;
  if (!written) {
    ::unlink(temporary.c_str());
    throw Failure(FailureKind::WriteFailed, file_name);
  }
  Placed placed = replace_existing
                      ? (std::rename(temporary.c_str(), path.c_str()) == 0 ? Placed::Done
                                                                            : Placed::Failed)
                      : place_without_replacing(temporary, path);
  if (placed != Placed::Done) ::unlink(temporary.c_str());
  if (placed == Placed::Failed) throw Failure(FailureKind::FileNotCreatable, file_name);
  return placed == Placed::Done;
}

}  // namespace tendencia
