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
  std::ifstream in = open_regular_file(path, where);
  std::string bytes;
  char piece[1 << 16];
  while (in && bytes.size() <= kMaxWholeFileBytes) {
    in.read(piece, sizeof piece);
    bytes.append(piece, static_cast<std::size_t>(in.gcount()));
  }
  if (in.bad()) throw Failure(FailureKind::FileNotReadable, where);
  if (bytes.size() > kMaxWholeFileBytes)
    throw ImportRefused("el fichero pasa de " + std::to_string(kMaxWholeFileBytes >> 20) +
                        " MiB: no es una serie de " + std::to_string(kMaxSeriesValues) +
                        " valores como mucho");
  bytes.shrink_to_fit();
  return bytes;
}

}  // namespace tendencia
