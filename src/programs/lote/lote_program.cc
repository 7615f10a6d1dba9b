#include "programs/lote/lote_program.h"

#include <sched.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <thread>
#include <unordered_set>

#include "io/data_file_writer.h"
#include "io/import_refused.h"
#include "io/problem_files.h"
#include "io/whole_file_writer.h"
#include "programs/lote/batch_files.h"
#include "programs/lote/batch_tables.h"
#include "programs/lote/progress.h"
#include "programs/lote/stop_signals.h"
#include "programs/program.h"
#include "text/quoted.h"

namespace tendencia::lote {
namespace {

// The processors this process may run on.
int processors() {
  cpu_set_t set;
  if (sched_getaffinity(0, sizeof set, &set) == 0 && CPU_COUNT(&set) > 0) return CPU_COUNT(&set);
  return static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
}

std::string sheet_words(const std::string& path, const Sheet& sheet) {
  const std::string encoding = sheet.text.encoding == TextEncoding::Windows1252 ? "Windows-1252"
                               : sheet.text.byte_order_mark                     ? "UTF-8 con marca BOM"
                                                                                : "UTF-8";
  const std::string delimiter =
      sheet.delimiter == '\t' ? std::string("tabulador") : tendencia::quoted(std::string(1, sheet.delimiter));
  std::string words = "Hoja " + path + ": " + encoding + ", delimitador " + delimiter + "; " +
                      std::to_string(sheet.series.size()) + " series, ";
  if (sheet.long_shape)
    return words + "una fila por valor (serie: columna " + std::to_string(sheet.series_column) +
           ", periodo: columna " + std::to_string(sheet.period_column) + ", valor: columna " +
           std::to_string(sheet.values_column) + ").\n";
  words += "una columna cada una";
  if (sheet.period_column) words += " (periodos: columna " + std::to_string(sheet.period_column) + ")";
  return words + ".\n";
}

// Every file the series of `todo` write, and their tables: a temporary one of
// them that a killed run left is removed before they are written again. The
// shards of a sheet all write lote-series.csv, perhaps from other machines,
// whose processes this one cannot see: only a whole run sweeps its temporary.
std::unordered_set<std::string> files_of(const std::vector<std::size_t>& todo,
                                         const Request& request) {
  std::unordered_set<std::string> names = {forecasts_table_name(request.part, request.parts),
                                           summary_table_name(request.part, request.parts)};
  if (request.parts == 1) names.insert(kSeriesTable);
  for (std::size_t index : todo) {
    const std::string name = series_name(index);
    const std::string problem = run_problem_name(name, request.data_choices);
    names.insert({data_file_name(name), data_file_name(problem), results_file_name(problem),
                  summary_record_name(problem)});
  }
  return names;
}

// Runs the series of `todo` on `threads` threads, each series on one, until
// they are done or a stop is asked; the results of those done, in order.
std::vector<SeriesResult> run_all(const Sheet& sheet, const std::vector<std::size_t>& todo,
                                  const BatchSettings& settings, int threads,
                                  const StopSignals& stop) {
  Progress progress(todo.size(), stderr, ::isatty(STDERR_FILENO) == 1);
  std::vector<std::optional<SeriesResult>> results(todo.size());
  std::atomic<std::size_t> next{0};
  std::vector<std::exception_ptr> failures(static_cast<std::size_t>(threads));
  auto work = [&](std::size_t worker) {
    try {
      for (std::size_t i = next++; i < todo.size() && !stop.stop_asked(); i = next++) {
        results[i] = run_series(todo[i], sheet.series[todo[i]], settings);
        results[i]->sheet_index = todo[i];
        progress.series_done(!results[i]->refusal.empty(), results[i]->taken);
      }
    } catch (...) {
      failures[worker] = std::current_exception();
      next = todo.size();
    }
  };
  std::vector<std::thread> helpers;
  for (int t = 1; t < threads; ++t) helpers.emplace_back(work, static_cast<std::size_t>(t));
  work(0);
  for (std::thread& helper : helpers) helper.join();
  progress.finish();
  for (const std::exception_ptr& failure : failures)
    if (failure) std::rethrow_exception(failure);
  std::vector<SeriesResult> done;
  for (std::optional<SeriesResult>& result : results)
    if (result) done.push_back(std::move(*result));
  return done;
}

int merge_program() {
  const MergedTables merged = merge_parts("");
  write_whole_file("", forecasts_table_name(1, 1), merged.forecasts, true);
  write_whole_file("", summary_table_name(1, 1), merged.summary, true);
  for (const std::string& line : merged.refused) std::fprintf(stderr, "Rechazada %s\n", line.c_str());
  std::printf("Unidas %d partes en %s y %s: %zu series, %zu rechazadas.\n", merged.parts,
              forecasts_table_name(1, 1).c_str(), summary_table_name(1, 1).c_str(), merged.series,
              merged.refused.size());
  return merged.refused.empty() ? 0 : 1;
}

}  // namespace

int lote_program(const Request& request) {
  if (request.merge) return merge_program();
  BatchSettings settings;
  settings.points = request.points;
  settings.level = request.level;
  settings.data_choices = request.data_choices;
  settings.redo = request.redo;
  settings.separators = separators_from_locale();
  // The sheet's time before it is read: a change while it is read makes it newer.
  std::error_code error;
  settings.sheet_time = std::filesystem::last_write_time(request.sheet, error);
  const Sheet sheet = read_sheet_file(request.sheet, request.columns);
  std::printf("%s", sheet_words(request.sheet, sheet).c_str());
  std::fflush(stdout);
  write_whole_file("", kSeriesTable, series_table(sheet, settings.separators), true);

  std::vector<std::size_t> todo;
  for (std::size_t i = static_cast<std::size_t>(request.part - 1); i < sheet.series.size();
       i += static_cast<std::size_t>(request.parts))
    todo.push_back(i);
  remove_abandoned_temporaries("", files_of(todo, request));
  const int threads = std::max(1, std::min(request.threads.value_or(processors()),
                                           static_cast<int>(todo.size())));
  StopSignals stop;
  const std::vector<SeriesResult> results = run_all(sheet, todo, settings, threads, stop);

  const std::string forecasts = forecasts_table_name(request.part, request.parts);
  const std::string summary = summary_table_name(request.part, request.parts);
  write_whole_file("", forecasts, forecasts_table(results, settings.separators), true);
  write_whole_file("", summary, summary_table(results, settings.separators), true);
  std::size_t refused = 0, taken = 0;
  for (const SeriesResult& result : results) {
    taken += result.taken;
    if (result.refusal.empty()) continue;
    ++refused;
    // By its own index: a stop leaves gaps among the results, not only an end.
    std::fprintf(stderr, "Rechazada %s\n",
                 refused_line(result.name, sheet.series[result.sheet_index].name, result.refusal)
                     .c_str());
  }
  std::printf("Escritos %s, %s y %s: %zu series proyectadas (%zu tomadas de una ejecución "
              "anterior), %zu rechazadas.\n",
              kSeriesTable, forecasts.c_str(), summary.c_str(), results.size() - refused, taken,
              refused);
  std::fflush(stdout);
  if (stop.stop_asked()) {
    std::fprintf(stderr,
                 "Interrumpido: las tablas tienen las %zu series hechas de %zu; la misma orden "
                 "hace las que faltan.\n",
                 results.size(), todo.size());
    stop.end_as_signalled();
  }
  return refused == 0 ? 0 : 1;
}

int lote_failed(const Request& request, const std::exception& error) {
  if (dynamic_cast<const ImportRefused*>(&error))
    return report_failure(error, "No se proyecta ninguna serie.", "al leer la hoja " + request.sheet);
  if (dynamic_cast<const MergeRefused*>(&error))
    return report_failure(error, "No se escribe ninguna tabla.", "al unir las partes");
  return report_failure(error, "tendencia-lote se detiene; lo escrito hasta aquí se conserva.");
}

}  // namespace tendencia::lote
