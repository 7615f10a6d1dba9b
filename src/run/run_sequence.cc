#include "run/run_sequence.h"

#include <memory>

#include "io/data_series.h"
#include "io/problem_files.h"
#include "io/report_texts.h"
#include "io/results_report.h"
#include "model/student_table.h"
#include "run/coefficient_entry.h"
#include "run/flushing_dialogue.h"
#include "run/regression_report.h"
#include "run/student_t_selection.h"
#include "text/conversions.h"
#include "text/number_forms.h"
#include "text/text_encoding.h"

namespace tendencia {
namespace {

const std::string LF = "\n";

std::string ask_problem_name(Dialogue& dialogue) {
  for (;;) {
    std::string name = dialogue.ask("Nombre del problema (hasta 7 caracteres)");
    if (count_characters(name) <= kMaxProblemNameCharacters) return name;
  }
}

std::string data_file_instructions(const std::string& name) {
  return "EL FICHERO DE DATOS SE DEBE LLAMAR " + data_file_name(name) + LF + LF +
         " y contendrá una tabla de dos columas de 14 dígitos cada una, con el formato "
         "siguiente:" + LF + LF +
         "   Primera fila:    Año o periodo          NUMERO" + LF +
         "   Resto filas:     1, 2, 3, .....             El número correspondiente de la serie";
}

std::string confidence_prompt() {
  return "¿GRADO DE CONFIANZA? (%) ( 90 / 95 / 99 / Otro )" + LF + LF +
         "Si contesta con un valor distinto de 90, 95 ó 99" + LF +
         " o si su tabla de datos tiene más de 32 puntos" + LF +
         "tendrá que introducir posteriormente la t de Student correspondiente";
}

// The run from the problem name on; `report_for` gives the report of the
// problem named.
template <typename ReportFor>
void run_with(Dialogue& user, const Separators& separators, const std::string& folder,
              ReportFor report_for) {
  std::string name = ask_problem_name(user);
  user.show_message(data_file_instructions(name));

  ResultsReport report = report_for(name);
  FlushingDialogue dialogue(user, report);

  std::string answer = dialogue.ask("¿CUANTOS PUNTOS DESEA EXTRAPOLAR?");
  Int16 points_to_project = located("pregunta de los puntos a extrapolar",
                                    [&] { return whole_number(answer, separators); });
  report.write(report.line()
                   .text(report_text::kPointsToProject)
                   .text(sign_blank_form(points_to_project))
                   .text(report_text::kPoints));
  report.write_blank();

  // The level question, the data file and the coefficients repeat together until
  // the level is one the tables know.
  DataSeries series;
  Coefficients coefficients;
  int index = 0;
  while (index == 0) {
    answer = dialogue.ask(confidence_prompt());
    Int16 level = located("pregunta del grado de confianza",
                          [&] { return whole_number(answer, separators); });
    report.write(report.line()
                     .text(report_text::kConfidenceLevel)
                     .text(sign_blank_form(level) + " %"));
    report.flush();  // the data file may be missing: keep the level line
    series = read_data_file(folder, name);
    coefficients = enter_coefficients(dialogue);
    index = confidence_index(level);
  }

  TSelection selection = select_t(index, static_cast<Int16>(series.values.size()), dialogue,
                                  report);

  report.write_blank();
  for (const std::string& formula_line : formula_lines(coefficients))
    report.write(report.line().text(formula_line));
  write_regression_report(coefficients, series, selection, points_to_project, dialogue,
                          report);

  report.sync();
  dialogue.show_message("En el fichero " + results_file_stem(name) + " tiene los resultados");
  dialogue.show_message("¡Hasta la proxima!");
  report.close();
}

}  // namespace

void run_sequence(Dialogue& user, const Separators& separators, const std::string& folder) {
  run_with(user, separators, folder, [&](const std::string& name) {
    return ResultsReport::create(folder, results_file_name(name), separators);
  });
}

std::string run_sequence_report(Dialogue& user, const Separators& separators,
                                const std::string& folder) {
  std::string bytes;
  run_with(user, separators, folder, [&](const std::string&) {
    return ResultsReport(std::make_unique<MemorySink>(bytes), separators);
  });
  return bytes;
}

}  // namespace tendencia
