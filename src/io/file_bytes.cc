#include "io/file_bytes.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "core/failure.h"
#include "io/import_refused.h"

namespace tendencia {

std::string read_regular_file(const std::string& path, const std::string& where,
                              std::size_t limit) {
  std::error_code error;
  if (!std::filesystem::exists(path, error)) throw Failure(FailureKind::FileNotFound, where);
  if (!std::filesystem::is_regular_file(path, error))
    throw ImportRefused(path + " no es un fichero normal");
  std::ifstream in(path, std::ios::binary);
  if (!in) throw Failure(FailureKind::FileNotReadable, where);
  std::string bytes(limit + 1, '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (in.bad()) throw Failure(FailureKind::FileNotReadable, where);
  bytes.resize(static_cast<std::size_t>(in.gcount()));
  return bytes;
}

}  // namespace tendencia
