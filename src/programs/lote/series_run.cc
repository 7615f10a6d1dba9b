#include "programs/lote/series_run.h"

#include <algorithm>
#include <system_error>

#include "chart/calendar_axis.h"
#include "chart/forecast_report.h"
#include "chart/forecast_table.h"
#include "core/failure.h"
#include "io/csv_table.h"
#include "io/data_file_writer.h"
#include "io/file_bytes.h"
#include "io/problem_files.h"
#include "io/run_answers.h"
#include "io/whole_file_writer.h"
#include "model/calendar.h"
#include "programs/ajuste/fit_program.h"
#include "programs/lote/batch_files.h"
#include "run/run_sequence.h"
#include "text/characters.h"
#include "text/number_forms.h"
#include "text/text_encoding.h"
#include "ui/answer_list_dialogue.h"

namespace tendencia::lote {
namespace {

constexpr const char* kDone = "ok";

// A summary's cells are the program's words and the sheet's names: written
// in Windows-1252, as the reports are, and on one line each. The code page
// has no arrow and no infinity, which the fit's refusals use.
std::string summary_cell(std::string utf8) {
  for (const auto& [from, to] : {std::pair<std::string, std::string>{"→", "->"}, {"∞", "infinito"}})
    for (std::size_t at = utf8.find(from); at != std::string::npos; at = utf8.find(from, at))
      utf8.replace(at, from.size(), to);
  std::string cell = utf8_to_cp1252(utf8);
  for (char& c : cell)
    if (c == '\r' || c == '\n') c = ' ';
  return cell;
}

std::string optional_cell(const std::optional<double>& value, const Separators& separators) {
  return value ? table_number(*value, separators) : "";
}

std::string refused_row(const std::string& name, const std::string& why, char delimiter) {
  return table_row({name, "", "", "", "", "", "", summary_cell(why)}, delimiter);
}

}  // namespace

std::string forecast_rows(const std::string& name, const ForecastReport& report,
                          const ImportedSeries& series, int first_period, bool logarithms) {
  const Separators& separators = report.separators;
  const char delimiter = table_delimiter(separators);
  const std::size_t window_start =
      series.values.size() - std::min(series.values.size(), report.observed_rows.size());
  std::optional<CalendarAxis> axis = calendar_axis(report, series.calendar);
  if (axis) axis->first_period -= static_cast<int>(window_start);
  std::string rows;
  for (std::size_t i = 0; i < window_start; ++i) {
    const long long period = first_period + static_cast<long long>(i);
    const std::optional<std::string> label =
        axis ? label_of_period(*axis, axis->first_period + static_cast<long long>(i)) : std::nullopt;
    rows += table_row({name, label.value_or(std::to_string(period)),
                       table_number(series.values[i], separators), "", "", ""},
                      delimiter);
  }
  for (const ForecastTableRow& r : forecast_table_rows(report, axis, logarithms))
    rows += table_row({name, r.period, r.observed, r.trend, r.lower, r.upper}, delimiter);
  return rows;
}

namespace {

// Is the file there and no older than the sheet?
bool current(const std::string& path, const BatchSettings& settings) {
  std::error_code error;
  const auto time = std::filesystem::last_write_time(path, error);
  return !error && std::filesystem::is_regular_file(path, error) && time >= settings.sheet_time;
}

// The rows an earlier run left for the series, when its report is complete,
// no older than the sheet, for the same M and level and written with the same
// separators, and its summary row and data files are there.
std::optional<SeriesResult> taken_from_files(const std::string& name, const std::string& problem,
                                             const ImportedSeries& series, const SeriesPlan& plan,
                                             const BatchSettings& settings) {
  const std::string report_path = path_in(settings.folder, results_file_name(problem));
  const std::string record_path = path_in(settings.folder, summary_record_name(problem));
  if (!current(report_path, settings) || !current(record_path, settings) ||
      !current(path_in(settings.folder, data_file_name(name)), settings) ||
      !current(path_in(settings.folder, data_file_name(problem)), settings))
    return std::nullopt;
  const std::string header = summary_header(settings.separators);
  const char delimiter = table_delimiter(settings.separators);
  std::optional<ForecastReport> report;
  std::string row;
  std::vector<std::string> cells;
  try {
    const std::string record = read_regular_file(record_path, record_path);
    if (record.compare(0, header.size(), header) != 0) return std::nullopt;
    row = record.substr(header.size());
    const CsvTable table = read_csv_table(row, delimiter);
    if (table.rows.size() != 1 || row.find("\r\n") + 2 != row.size()) return std::nullopt;
    cells = table.rows.front().cells;
    report = parse_forecast_report(read_regular_file(report_path, report_path));
  } catch (const std::exception&) {
    return std::nullopt;
  }
  if (cells.size() != 8 || cells[0] != name || cells[7] != kDone ||
      report->separators.decimal != settings.separators.decimal ||
      report->points_announced != plan.points_to_project || report->level != settings.level)
    return std::nullopt;
  // The data column names the choice ("logaritmo de los últimos 33").
  const bool logarithms = starts_with(cells[2], "logaritmo");
  return SeriesResult{name, forecast_rows(name, *report, series, plan.first_period, logarithms),
                      row, "", true};
}

FitRequest fit_request(const std::string& name, const SeriesPlan& plan,
                       const BatchSettings& settings) {
  FitRequest request;
  request.problem_name = name;
  request.automatic = true;
  request.script = ScriptAnswers{plan.points_to_project, plan.first_period};
  request.calibrated_t = true;
  request.period = plan.season;
  request.level_percent = settings.level;
  if (settings.data_choices) request.data_name = run_problem_name(name, true);
  return request;
}

std::vector<std::string> lines_of(const std::string& text) {
  std::vector<std::string> lines;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t end = text.find('\n', at);
    lines.push_back(text.substr(at, end - at));
    at = end == std::string::npos ? text.size() : end + 1;
  }
  return lines;
}

// The summary's row of a projected series: what the automatic choice chose
// and how it validated; the coverage of the interval with the t the run took.
std::string summary_row(const std::string& name, const ajuste::ScriptedFit& scripted,
                        const ForecastReport& report, const BatchSettings& settings) {
  const FitOutcome& outcome = scripted.outcome;
  const Validation& validation = *outcome.validation;
  const int run_values = static_cast<int>(outcome.run_values.size());
  const std::optional<double> t = t_for_run(outcome, settings.level, run_values, true);
  const bool calibrated = run_asks_t(static_cast<std::size_t>(run_values)) && t &&
                          validation.calibrated_t && *t == *validation.calibrated_t;
  const HorizonScore& total = validation.total;
  const Separators& s = settings.separators;
  return table_row({name, summary_cell(term_set_name(outcome.terms)),
                    summary_cell(data_choice_name(outcome.data)), optional_cell(total.mase, s),
                    optional_cell(total.naive_mase, s),
                    table_number(100.0 * (calibrated ? total.calibrated_coverage : total.coverage), s),
                    optional_cell(report.student_t, s), kDone},
                   table_delimiter(s));
}

SeriesPlan plan_for(const ImportedSeries& series, const BatchSettings& settings) {
  return {settings.points.value_or(m4_horizon(series.calendar)),
          series.calendar ? initial_period_answer(*series.calendar) : 1,
          seasonal_period(series.calendar)};
}

SeriesResult projected(const std::string& name, const std::string& problem,
                       const ImportedSeries& series, const SeriesPlan& plan,
                       const BatchSettings& settings) {
  const std::string& folder = settings.folder;
  write_data_file(folder, name,
                  data_file_bytes(series.period_header, series.values_header, series.values,
                                  series.calendar),
                  true);
  const FitRequest request = fit_request(name, plan, settings);
  ajuste::check_script_fits(*request.script, static_cast<int>(series.values.size()));
  const ajuste::ScriptedFit scripted =
      ajuste::scripted_fit(request, series.values, folder, settings.separators);
  AnswerListDialogue answers(lines_of(scripted.answers));
  const std::string report_bytes = run_sequence_report(answers, settings.separators, folder);
  const ForecastReport report = parse_forecast_report(report_bytes);
  SeriesResult result{name,
                      forecast_rows(name, report, series, plan.first_period,
                                    scripted.outcome.data.logarithm),
                      summary_row(name, scripted, report, settings), "", false};
  write_whole_file(folder, summary_record_name(problem),
                   summary_header(settings.separators) + result.summary_row, true);
  write_whole_file(folder, results_file_name(problem), report_bytes, true);
  return result;
}

}  // namespace

std::string forecasts_header(const Separators& separators) {
  return table_row({"serie", "periodo", "observado", "tendencia", "minimo", "maximo"},
                   table_delimiter(separators));
}

std::string summary_header(const Separators& separators) {
  return table_row({"serie", "terminos", "datos", "mase", "mase_ingenuo", "cobertura", "t",
                    "estado"},
                   table_delimiter(separators));
}

SeriesResult run_series(std::size_t index, const SheetSeries& series,
                        const BatchSettings& settings) {
  const std::string name = series_name(index);
  const char delimiter = table_delimiter(settings.separators);
  if (!series.series) return {name, "", refused_row(name, series.refusal, delimiter), series.refusal};
  try {
    const SeriesPlan plan = plan_for(*series.series, settings);
    const std::string problem = run_problem_name(name, settings.data_choices);
    if (!settings.redo)
      if (std::optional<SeriesResult> taken =
              taken_from_files(name, problem, *series.series, plan, settings))
        return *taken;
    return projected(name, problem, *series.series, plan, settings);
  } catch (const std::exception& error) {
    const std::string why = what_failed(error);
    return {name, "", refused_row(name, why, delimiter), why};
  }
}

}  // namespace tendencia::lote
