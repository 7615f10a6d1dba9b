#include "programs/estudio/studio_window.h"

#include <FL/Fl.H>
#include <FL/Fl_Box.H>
#include <FL/Fl_Native_File_Chooser.H>
#include <FL/Fl_Tile.H>
#include <FL/fl_ask.H>

#include <cstdio>
#include <cstdlib>
#include <utility>

#include "core/failure.h"
#include "fit/answer_script.h"
#include "io/data_file_writer.h"
#include "io/data_series.h"
#include "io/problem_files.h"
#include "io/run_answers.h"
#include "programs/estudio/chart_picture.h"
#include "programs/estudio/companion_programs.h"
#include "programs/estudio/projection.h"
#include "programs/estudio/run_answers.h"
#include "programs/estudio/series_fit.h"
#include "programs/program.h"
#include "run/run_program.h"
#include "run/working_folder.h"

namespace tendencia {
namespace {

constexpr int kWidth = 1240, kHeight = 880;
constexpr int kDataWidth = 320, kFunctionWidth = 540, kTopHeight = 420, kStatusHeight = 52;
constexpr int kLeastTopHeight = 300, kLeastChartHeight = 200;
constexpr int kDefaultPoints = 5;

void on_open(Fl_Widget*, void* window) { static_cast<StudioWindow*>(window)->choose_file(); }
void on_fit(Fl_Widget*, void* window) { static_cast<StudioWindow*>(window)->fit(); }
void on_project(Fl_Widget*, void* window) { static_cast<StudioWindow*>(window)->project(); }
void on_save(Fl_Widget*, void* window) { static_cast<StudioWindow*>(window)->save(); }
void on_step_dialogue(Fl_Widget*, void* window) {
  static_cast<StudioWindow*>(window)->start_step_dialogue();
}
void on_chart_output(int, void* window) { static_cast<StudioWindow*>(window)->collect_saved_chart(); }

// Escape would close an FLTK window; here only Ctrl+Q and the close button do,
// so a stray Escape never loses what was typed.
void on_close(Fl_Widget* window, void*) {
  if (Fl::event() == FL_SHORTCUT && Fl::event_key() == FL_Escape) return;
  window->hide();
}

// Ctrl+O, J, P, S and Q reach the window even from a text field, which would
// otherwise take some of them as editing keys.
int dispatch(int event, Fl_Window* target) {
  auto* studio = dynamic_cast<StudioWindow*>(target);
  if (studio != nullptr && (event == FL_KEYBOARD || event == FL_SHORTCUT) &&
      (Fl::event_state() & (FL_CTRL | FL_ALT | FL_META)) == FL_CTRL) {
    switch (Fl::event_key()) {
      case 'o': studio->choose_file(); return 1;
      case 'j': studio->fit(); return 1;
      case 'p': studio->project(); return 1;
      case 's': studio->save(); return 1;
      case 'q': studio->hide(); return 1;
      default: break;
    }
  }
  return Fl::handle_(event, target);
}

// The t follows the level and the choice of the calibrated t: a typed one is
// replaced, as what it stood for changed.
void on_t_choice(Fl_Widget*, void* window) {
  static_cast<StudioWindow*>(window)->propose_student_t();
}

}  // namespace

StudioWindow::StudioWindow(const StudioOptions& options, Separators separators)
    : Fl_Double_Window(kWidth, kHeight, "Tendencia - estudio"),
      separators_(std::move(separators)),
      preset_first_period_(options.first_period) {
  const int main_height = kHeight - kStatusHeight;
  const StudioActions actions{on_open, on_fit, on_project, on_save, on_step_dialogue, on_t_choice,
                              this};
  data_ = new DataPanel(0, 0, kDataWidth, main_height, actions);
  // The border between the panels and the chart can be dragged, to read a
  // long fit report or to see a larger chart.
  auto* tile = new Fl_Tile(kDataWidth, 0, kWidth - kDataWidth, main_height);
  auto* top = new Fl_Group(kDataWidth, 0, kWidth - kDataWidth, kTopHeight);
  function_ = new FunctionPanel(kDataWidth, 0, kFunctionWidth, kTopHeight, actions);
  projection_ = new ProjectionPanel(kDataWidth + kFunctionWidth, 0,
                                    kWidth - kDataWidth - kFunctionWidth, kTopHeight, actions);
  top->end();
  top->box(FL_FLAT_BOX);  // the gaps between the panels are painted when it grows
  top->resizable(projection_);
  chart_ = new ChartView(kDataWidth, kTopHeight, kWidth - kDataWidth, main_height - kTopHeight);
  // FLTK's tile drags every child's border but its resizable one, which only
  // bounds the dragging: an empty box that keeps both parts readable.
  auto* limits = new Fl_Box(kDataWidth, kLeastTopHeight, kWidth - kDataWidth,
                            main_height - kLeastTopHeight - kLeastChartHeight);
  tile->end();
  tile->resizable(limits);
  status_ = new Fl_Multiline_Output(10, main_height + 2, kWidth - 20, kStatusHeight - 8);
  status_->textsize(13);
  status_->value("Abra un fichero de datos D*.TXT o un fichero CSV (Ctrl+O).");
  end();
  resizable(tile);
  size_range(900, 700);
  callback(on_close);

  function_->choose_groups(options.groups);
  function_->set_automatic(options.automatic);
  projection_->set_points(options.points.value_or(kDefaultPoints));
  projection_->set_level(options.level.value_or(95));
  projection_->set_first_period(options.first_period.value_or(1));
}

void StudioWindow::install_shortcuts() { Fl::event_dispatch(dispatch); }

// A failure goes to stderr too, for whoever started the program from a
// terminal or a script.
void StudioWindow::say(const std::string& text, bool failure) {
  if (failure) {
    std::fprintf(stderr, "%s\n", text.c_str());
    std::fflush(stderr);
  }
  status_->textcolor(failure ? FL_DARK_RED : FL_BLACK);
  status_->value(text.c_str());
  status_->redraw();
}

void StudioWindow::propose_student_t() {
  if (!session_.opened) return;
  const StudentTField field = student_t_field(session_, projection_->level(),
                                              projection_->calibrated_t_chosen(), separators_);
  projection_->allow_calibrated_t(field.calibrated_allowed);
  projection_->show_student_t(field.text, field.editable);
}

void StudioWindow::open_file(const std::string& path) {
  try {
    OpenedSeries opened = open_series_file(path);
    int first_period = preset_first_period_.value_or(opened.first_period.value_or(1));
    preset_first_period_.reset();  // the command line presets the first file only
    data_->show_series(opened, first_period);
    projection_->set_first_period(first_period);
    projection_->clear_projected();
    chart_->show(observed_chart(opened, first_period, opened.proposed_name, separators_.decimal));
    session_.projected.reset();
    session_.calibrated_t.reset();
    session_.opened = std::move(opened);
    propose_student_t();
    say("Abierto " + path + ": " + std::to_string(session_.opened->series.values.size()) +
            " valores. Elija los términos y pulse Ajustar (Ctrl+J), o escriba los coeficientes.",
        false);
  } catch (const std::exception& error) {
    say(open_failure_text(path, error), true);
  }
}

void StudioWindow::choose_file() {
  Fl_Native_File_Chooser chooser(Fl_Native_File_Chooser::BROWSE_FILE);
  chooser.title("Abrir una serie");
  chooser.filter("Datos y CSV\t*.{TXT,txt,csv,CSV}\nTodos\t*");
  if (session_.opened) chooser.directory(session_.opened->folder.c_str());
  if (chooser.show() != 0 || chooser.filename() == nullptr || *chooser.filename() == '\0') return;
  open_file(chooser.filename());
}

void StudioWindow::fit() {
  if (!session_.opened) {
    say("Abra primero un fichero de datos o un fichero CSV (Ctrl+O).", true);
    return;
  }
  fl_cursor(FL_CURSOR_WAIT);
  Fl::flush();
  try {
    std::string name = data_->problem_name();
    if (name.empty()) name = session_.opened->proposed_name;  // only names the series in the report
    // Validated at the horizon and level of the projection, as --guion does.
    const FitSettings settings = validation_settings_for(
        typed_whole_number(projection_->points(), separators_).value_or(0), projection_->level(),
        session_.opened->series.values.size());
    SeriesFit fitted = fit_series(session_.opened->series, function_->chosen_groups(),
                                  function_->automatic(), data_file_name(name), settings,
                                  separators_);
    function_->show_fit(fitted);
    session_.calibrated_t = fitted.calibrated_t;
    session_.calibrated_level = projection_->level();
    projection_->choose_calibrated_t(calibrated_t_preferred(session_, projection_->level()));
    propose_student_t();
    say("Ajuste hecho: los coeficientes están en sus campos. Pulse Proyectar (Ctrl+P).", false);
  } catch (const std::exception& error) {
    say(failure_line(error, "No se cambia ningún coeficiente."), true);
  }
  fl_cursor(FL_CURSOR_DEFAULT);
}

// Makes the data file of `name` in the open series' folder hold that series:
// written when missing, replaced only when the user agrees. False when it is
// not there to run on (the user kept another series, or it cannot be written;
// the status line says which).
bool StudioWindow::place_data_file(const std::string& name) {
  const std::string file = data_file_name(name);
  DataFileState state = DataFileState::Missing;
  try {
    state = data_file_state(session_.opened->folder, name, session_.opened->series);
  } catch (const std::exception& error) {
    say(failure_line(error, "No se proyecta."), true);
    return false;
  }
  if (state == DataFileState::SameSeries) return true;
  if (state == DataFileState::OtherSeries) {
    fl_message_title("Tendencia");
    int answer = fl_choice("El fichero de datos %s ya existe y tiene otra serie.\n"
                           "¿Reemplazarlo por la serie abierta?",
                           "Conservarlo", "Reemplazarlo", nullptr, file.c_str());
    if (answer != 1) {
      say("No se proyecta: se conserva " + file + ". Cambie el nombre del problema para "
          "escribir la serie abierta con otro nombre.", true);
      return false;
    }
  }
  try {
    if (!write_data_file(session_.opened->folder, name, session_.opened->data_file_bytes,
                         state == DataFileState::OtherSeries))
      throw Failure(FailureKind::FileNotCreatable, file);
  } catch (const std::exception& error) {
    say(failure_line(error, "No se proyecta."), true);
    return false;
  }
  return true;
}

// While tendencia-grafico reads the report for Guardar, the report stays as it
// is: a projection then would write it under the program's feet.
bool StudioWindow::still_saving() {
  if (saving_)
    say("El gráfico se está guardando todavía (tendencia-grafico); espere a que termine.", true);
  return saving_.has_value();
}

void StudioWindow::project() {
  if (!session_.opened) {
    say("Abra primero un fichero de datos o un fichero CSV (Ctrl+O).", true);
    return;
  }
  if (still_saving()) return;
  const std::string name = data_->problem_name();
  std::string refused = problem_name_refusal(name);
  const std::string folder = session_.opened->folder;
  if (refused.empty()) refused = folder_refusal(folder);
  if (!refused.empty()) {
    say(refused, true);
    return;
  }
  if (!place_data_file(name)) return;

  RunAnswers answers;
  answers.problem_name = name;
  answers.points_to_project = projection_->points();
  answers.level = std::to_string(projection_->level());
  answers.coefficients = function_->coefficient_answers();
  answers.student_t = projection_->student_t();
  answers.first_period = projection_->first_period();
  session_.projected.reset();
  projection_->clear_projected();
  try {
    ForecastReport report = tendencia::project(
        answer_lines(answers, session_.opened->series.values.size()), folder, name, separators_);
    // The chart tendencia-grafico draws of this report, by default, and its
    // periods as the chart's table names them.
    const DataFileHeading heading = read_data_heading(folder, name);
    FanChart chart = fan_chart_of(report, {heading.title, name, {}, heading.calendar});
    projection_->show_projected(report, chart.calendar, chart.logarithms);
    chart_->show(std::move(chart));
    session_.projected = std::move(report);
    session_.projected_name = name;
    session_.projected_folder = folder;
    say("Informe escrito en " + results_file_name(name) + " (" + folder +
            "). Guardar (Ctrl+S) escribe el gráfico y su tabla.",
        false);
  } catch (const std::exception& error) {
    // No chart of an earlier projection stays beside a run that stopped.
    const int first_period = typed_whole_number(projection_->first_period(), separators_).value_or(0);
    chart_->show(observed_chart(*session_.opened, first_period, name, separators_.decimal));
    say(error_report(error), true);
  }
}

void StudioWindow::save() {
  if (!session_.projected) {
    say("Nada que guardar: pulse antes Proyectar (Ctrl+P).", true);
    return;
  }
  if (still_saving()) return;
  std::string refused = folder_refusal(session_.projected_folder);
  if (!refused.empty()) {
    say(refused, true);
    return;
  }
  // tendencia-grafico itself writes the files, so they are its bytes exactly,
  // whatever this process drew before. It runs while the window goes on.
  const std::string chart_program = companion_path("tendencia-grafico");
  saving_ = start_collecting(chart_program, {session_.projected_name, "--csv", "--carpeta",
                                             session_.projected_folder});
  if (!saving_) {
    say("Error: no se puede ejecutar " + chart_program + ".", true);
    return;
  }
  Fl::add_fd(saving_->output, FL_READ, on_chart_output, this);
  say("Guardando el gráfico y su tabla (tendencia-grafico)…", false);
}

void StudioWindow::collect_saved_chart() {
  if (!saving_ || !collect_output(*saving_)) return;
  Fl::remove_fd(saving_->output);
  CompanionResult result = finish(*saving_);
  saving_.reset();
  while (!result.output.empty() && result.output.back() == '\n') result.output.pop_back();
  if (result.status == 0) say(result.output, false);
  else if (result.output.empty()) say("Error: tendencia-grafico termina sin decir por qué.", true);
  else say(result.output, true);
}

namespace {
void reap_step_dialogues(void* started) {
  auto* pids = static_cast<std::vector<pid_t>*>(started);
  reap_companions(*pids);
  if (!pids->empty()) Fl::repeat_timeout(2.0, reap_step_dialogues, started);
}
}  // namespace

void StudioWindow::start_step_dialogue() {
  const std::string program = companion_path("tendencia-gui");
  std::optional<pid_t> started = start_companion(
      program, {session_.opened ? session_.opened->folder : std::string("--elegir-carpeta")});
  if (!started) {
    say("Error: no se puede iniciar " + program + ".", true);
    return;
  }
  step_dialogues_.push_back(*started);
  if (!Fl::has_timeout(reap_step_dialogues, &step_dialogues_))
    Fl::add_timeout(2.0, reap_step_dialogues, &step_dialogues_);
  say("Diálogo paso a paso iniciado (tendencia-gui) en " +
          (session_.opened ? session_.opened->folder : std::string("la carpeta que elija")) + ".",
      false);
}

}  // namespace tendencia
