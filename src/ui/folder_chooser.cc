#include "ui/folder_chooser.h"

#include <FL/Fl_Native_File_Chooser.H>

namespace tendencia {

std::optional<std::string> choose_folder(const std::string& title) {
  Fl_Native_File_Chooser chooser(Fl_Native_File_Chooser::BROWSE_DIRECTORY);
  chooser.title(title.c_str());
  chooser.directory(".");
  // 0 is a choice, 1 a cancel, -1 a chooser that could not be shown: only a
  // choice leads to a run.
  if (chooser.show() != 0 || chooser.filename() == nullptr || *chooser.filename() == '\0')
    return std::nullopt;
  return std::string(chooser.filename());
}

}  // namespace tendencia
