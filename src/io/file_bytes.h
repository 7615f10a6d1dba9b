// A whole file read at once, for the readers that take it in one piece (the
// CSV importer, the studio's data file).
#pragma once

#include <cstddef>
#include <fstream>
#include <string>

#include "core/limits.h"

namespace tendencia {

// The most bytes a file read whole may hold: no series of kMaxSeriesValues
// values comes near it, and the limit keeps memory bounded.
constexpr std::size_t kMaxWholeFileBytes = 8 << 20;

// The regular file `path`, open for reading from its start. A Failure naming
// `where` when it does not exist (FileNotFound) or cannot be read
// (FileNotReadable); ImportRefused when it is not a regular file, which would
// be read forever (a FIFO, a device) or not at all (a folder).
std::ifstream open_regular_file(const std::string& path, const std::string& where);

// The bytes of the regular file `path`, read as they come, so a small file
// takes little memory. What open_regular_file refuses, and ImportRefused when
// it holds more than kMaxWholeFileBytes ("el fichero pasa de 8 MiB: ...").
std::string read_regular_file(const std::string& path, const std::string& where);

// The same with a limit of its own, `most` bytes (a whole number of MiB):
// ImportRefused "el fichero pasa de N MiB: <beyond>" past it.
std::string read_regular_file(const std::string& path, const std::string& where,
                              std::size_t most, const std::string& beyond);

}  // namespace tendencia
