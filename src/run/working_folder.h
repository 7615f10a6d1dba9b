// The folder a program works in, given on its command line: the data file is read
// from it and the report written to it, exactly as if the program started there.
#pragma once

#include <string>

namespace tendencia {

// Makes `folder` the current folder. Returns the empty text on success, or a
// Spanish sentence naming the folder and why it cannot be entered (it does not
// exist, is not a folder, may not be entered); nothing changes then.
std::string enter_folder(const std::string& folder);

}  // namespace tendencia
