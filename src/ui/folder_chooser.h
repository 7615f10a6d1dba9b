// The desktop's folder chooser, for a program started from a menu in the home
// folder, where no data file lives.
#pragma once

#include <optional>
#include <string>

namespace tendencia {

// Shows FLTK's native folder chooser with `title`; the chosen folder, or nothing
// when the user cancels.
std::optional<std::string> choose_folder(const std::string& title);

}  // namespace tendencia
