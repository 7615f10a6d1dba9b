#include "io/file_bytes.h"

#include <filesystem>
#include <system_error>

#include "core/failure.h"
#include "io/import_refused.h"

namespace tendencia {

std::ifstream open_regular_file(const std::string& path, const std::string& where) {
  std::error_code error;
  if (!std::filesystem::exists(path, error)) throw Failure(FailureKind::FileNotFound, where);
  if (!std::filesystem::is_regular_file(path, error))
    throw ImportRefused(path + " no es un fichero normal");
  std::ifstream in(path, std::ios::binary);
  if (!in) throw Failure(FailureKind::FileNotReadable, where);
  return in;
}

std::string read_regular_file(const std::string& path, const std::string& where) {
  return read_regular_file(path, where, kMaxWholeFileBytes,
                           "no es una serie de " + std::to_string(kMaxSeriesValues) +
                               " valores como mucho");
}

std::string read_regular_file(const std::string& path, const std::string& where,
                              std::size_t most, const std::string& beyond) {
  std::ifstream in = open_regular_file(path, where);
  std::string bytes;
  char piece[1 << 16];
  while (in && bytes.size() <= most) {
    in.read(piece, sizeof piece);
    bytes.append(piece, static_cast<std::size_t>(in.gcount()));
  }
  if (in.bad()) throw Failure(FailureKind::FileNotReadable, where);
  if (bytes.size() > most)
    throw ImportRefused("el fichero pasa de " + std::to_string(most >> 20) + " MiB: " + beyond);
  bytes.shrink_to_fit();
  return bytes;
}

}  // namespace tendencia
