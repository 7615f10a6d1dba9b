// A file of a problem's folder written all at once, so that no failure (a full
// disk, a refused write, a stop half-way) ever leaves it half written.
#pragma once

#include <string>
#include <string_view>
#include <unordered_set>

namespace tendencia {

// Writes `bytes` as the file `file_name` of `folder` (io/problem_files.h):
// first into a new temporary file beside it, synced to the disk, then renamed
// to the name.
// A failure removes the temporary file and leaves what was there before.
// With `replace_existing` false an existing file (or anything else of that
// name) is kept and the function returns false; otherwise it returns true.
// Failure FileNotCreatable or WriteFailed, naming the file, when it cannot.
bool write_whole_file(const std::string& folder, const std::string& file_name,
                      std::string_view bytes, bool replace_existing);

// Removes the temporary files write_whole_file left in `folder` for the files
// named in `file_names` when its process was killed before it could remove
// them: those of a process that no longer runs. Nothing else is touched, and
// what cannot be removed is left.
void remove_abandoned_temporaries(const std::string& folder,
                                  const std::unordered_set<std::string>& file_names);

}  // namespace tendencia
