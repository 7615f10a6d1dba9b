#include "programs/estudio/projection.h"

#include <fstream>
#include <iterator>

#include "io/problem_files.h"
#include "run/run_sequence.h"
#include "ui/answer_list_dialogue.h"

namespace tendencia {

ForecastReport project(const std::vector<std::string>& answers, const std::string& folder,
                       const std::string& problem_name, const Separators& separators) {
  AnswerListDialogue dialogue(answers);
  run_sequence(dialogue, separators, folder);
  const std::string file = results_file_name(problem_name);
  std::ifstream in(path_in(folder, file), std::ios::binary);
  if (!in) throw ReportRefused("no se puede leer el fichero " + file);
  std::string bytes(std::istreambuf_iterator<char>(in), {});
  return parse_forecast_report(bytes);
}

}  // namespace tendencia
