// A whole file read at once, for the readers that take it in one piece (the
// CSV importer, the studio's data file).
#pragma once

#include <cstddef>
#include <string>

namespace tendencia {

// The bytes of the regular file `path`, at most `limit` + 1 of them: more than
// `limit` tells the caller the file is longer than it takes. A Failure naming
// `where` when it does not exist (FileNotFound) or cannot be read
// (FileNotReadable); ImportRefused when it is not a regular file, which would
// be read forever (a FIFO, a device) or not at all (a folder).
std::string read_regular_file(const std::string& path, const std::string& where,
                              std::size_t limit);

}  // namespace tendencia
