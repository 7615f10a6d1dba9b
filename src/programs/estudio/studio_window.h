// The one window of tendencia-estudio: data, function, projection and chart
// side by side, each step redone at will, every action on a key.
#pragma once

#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Multiline_Output.H>

#include <optional>
#include <string>
#include <vector>

#include "programs/estudio/chart_view.h"
#include "programs/estudio/command_line.h"
#include "programs/estudio/companion_programs.h"
#include "programs/estudio/data_panel.h"
#include "programs/estudio/function_panel.h"
#include "programs/estudio/projection_panel.h"
#include "programs/estudio/studio_session.h"
#include "text/separators.h"

namespace tendencia {

class StudioWindow : public Fl_Double_Window {
 public:
  // `options` preset the fields (and name a file to open: open_file after
  // show).
  StudioWindow(const StudioOptions& options, Separators separators);

  void open_file(const std::string& path);  // Abrir: reads, writes nothing
  void choose_file();                       // Ctrl+O: the native chooser, then open_file
  void fit();                               // Ctrl+J
  void project();                           // Ctrl+P
  void save();                              // Ctrl+S: starts tendencia-grafico
  void collect_saved_chart();               // its output, as it comes; its end
  void start_step_dialogue();
  // The t for the open series at the chosen level, in its field.
  void propose_student_t();

  // Every action's key, whichever field has the focus. Install once.
  static void install_shortcuts();

 private:
  void say(const std::string& text, bool failure);
  bool still_saving();
  bool place_data_file(const std::string& name);

  DataPanel* data_;
  FunctionPanel* function_;
  ProjectionPanel* projection_;
  ChartView* chart_;
  Fl_Multiline_Output* status_;

  Separators separators_;
  std::optional<int> preset_first_period_;
  StudioSession session_;
  std::optional<CollectedCompanion> saving_;  // tendencia-grafico, while it runs for Guardar
  std::vector<pid_t> step_dialogues_;         // the tendencia-gui started, until reaped
};

}  // namespace tendencia
