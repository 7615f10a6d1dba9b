// tendencia-gui: the run as a desktop program, every step a modal box.
#include <FL/Fl.H>

#include <cstdio>

#include "programs/gui/command_line.h"
#include "programs/program.h"
#include "run/run_program.h"
#include "run/working_folder.h"
#include "ui/desktop_dialogue.h"
#include "ui/folder_chooser.h"

namespace {

using namespace tendencia;

// The folder first (chosen, or given), then the run on its files.
int run_in_folder(const gui::Request& request) {
  stop_on_display_failure();
  DesktopDialogue dialogue;
  std::optional<std::string> folder = request.folder;
  if (request.choose_folder) {
    folder = choose_folder("Carpeta de los datos");
    if (!folder) return 0;
  }
  if (folder) {
    std::string refused = folder_refusal(*folder);
    if (!refused.empty()) {
      dialogue.show_failure(refused);
      return 2;
    }
  }
  return run_program(dialogue, folder.value_or(""));
}

}  // namespace

int main(int argc, char** argv) {
  const ProgramTexts texts{
      "tendencia-gui", gui::kUsage,
      std::string(gui::kUsage) + "\n\n" + run_description() +
          "\n"
          "  tendencia-gui                   trabaja en la carpeta actual\n"
          "  tendencia-gui CARPETA           trabaja en CARPETA, como si se iniciara allí\n"
          "  tendencia-gui --elegir-carpeta  pide antes la carpeta de los datos\n"};
  return program_main<gui::Request>(argc, argv, texts, gui::parse_command_line, run_in_folder,
                                    [](const gui::Request&, const std::exception& error) {
                                      return report_failure(error, "El programa se detiene.");
                                    });
}
