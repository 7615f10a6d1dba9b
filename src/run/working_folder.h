// The folder a program works in, given on its command line: the data file is read
// from it and the report written to it, exactly as if the program started there.
// The folder is passed down as a value (io/problem_files.h); no program enters it.
#pragma once

#include <string>

namespace tendencia {

// Why the run cannot work in `folder`, as a Spanish sentence naming the folder
// and the reason (it does not exist, is not a folder, may not be entered);
// the empty text when it can.
std::string folder_refusal(const std::string& folder);

}  // namespace tendencia
