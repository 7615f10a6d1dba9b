// tendencia-lote as a user runs it: a sheet of many series, each projected as
// tendencia-ajuste NOMBRE --automatico --guion M INICIO --t-calibrada piped
// into tendencia projects it, whatever the sheet's shape, however often the
// run is stopped and started, on one machine or in shards.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <thread>

#include "support/child_process.h"
#include "support/command.h"
#include "support/strings.h"
#include "support/temp_directory.h"
#include "support/test_size.h"

namespace tendencia {
namespace {

using namespace testing;

const std::string kLote = TENDENCIA_LOTE_BINARY;

// Yearly series of a few dozen values, each its own trend and noise; every
// 7th starts three years later than the others.
struct Series {
  std::string name;
  int first_year = 1981;
  std::vector<double> values;
};

std::vector<Series> yearly_series(int count, int values) {
  std::vector<Series> all;
  unsigned long long state = 12345;
  auto random = [&] {
    state = (state * 6364136223846793005ULL + 1442695040888963407ULL);
    return static_cast<double>(state >> 11) / 9007199254740992.0;
  };
  for (int j = 0; j < count; ++j) {
    Series s{"Producto " + std::to_string(j + 1), j % 7 == 6 ? 1984 : 1981, {}};
    const double level = 100 + 400 * random(), slope = 4 * random() - 1, noise = 1 + 4 * random(),
                 bend = 0.5 + random();
    for (int i = s.first_year - 1981; i < values; ++i)
      s.values.push_back(
          std::round(100 * (level + slope * i + 10 * bend * std::sqrt(i + 1) + noise * (random() - 0.5))) /
          100);
    all.push_back(std::move(s));
  }
  return all;
}

std::string number(double value, char decimal) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", value);
  std::string written = text;
  if (decimal != '.') written[written.find('.')] = decimal;
  return written;
}

// A column per series, as a Spanish spreadsheet saves it: ";" and decimal commas.
std::string wide_sheet(const std::vector<Series>& all, int values) {
  std::string text = "fecha";
  for (const Series& s : all) text += ";" + s.name;
  text += "\n";
  for (int i = 0; i < values; ++i) {
    text += std::to_string(1981 + i);
    for (const Series& s : all) {
      const int at = 1981 + i - s.first_year;
      text += ";" + (at < 0 ? std::string() : number(s.values[static_cast<std::size_t>(at)], ','));
    }
    text += "\n";
  }
  return text;
}

// The same series a row per value, as a database exports them: "," and points,
// the columns in another order.
std::string long_sheet(const std::vector<Series>& all) {
  std::string text = "valor,serie,fecha\n";
  for (const Series& s : all)
    for (std::size_t i = 0; i < s.values.size(); ++i)
      text += number(s.values[i], '.') + "," + s.name + "," +
              std::to_string(s.first_year + static_cast<int>(i)) + "\n";
  return text;
}

// Every file of `a`'s folder but the sheet has its twin in `b`'s; says which differ.
std::string differences(const std::string& a, const std::string& b,
                        const std::vector<std::string>& left_out = {"hoja.csv"}) {
  auto kept = [&](const std::string& folder) {
    std::vector<std::string> names = files_in(folder);
    for (const std::string& name : left_out)
      names.erase(std::remove(names.begin(), names.end(), name), names.end());
    return names;
  };
  const std::vector<std::string> names_a = kept(a);
  std::string found;
  if (names_a != kept(b)) found += "not the same files; ";
  for (const std::string& name : names_a)
    if (read_file(a + "/" + name) != read_file(b + "/" + name)) found += name + " ";
  return found;
}

std::size_t reports_in(const std::string& folder) {
  std::size_t reports = 0;
  for (const std::string& name : files_in(folder)) reports += name[0] == 'E';
  return reports;
}

TEST(LoteProgram, AWideSheetAndTheSameSeriesAsALongTableGiveTheSameFiles) {
  const int count = sized(200, 7), values = 24;  // S0007 is checked below
  const std::vector<Series> series = yearly_series(count, values);
  WorkFolder wide, longer, pipeline;
  write_file(wide.file("hoja.csv"), wide_sheet(series, values));
  write_file(longer.file("hoja.csv"), long_sheet(series));
  const CommandResult by_columns = wide.run(kLote + " hoja.csv --puntos 2");
  const CommandResult by_rows = longer.run(kLote + " hoja.csv --puntos 2");
  EXPECT_EQ(by_columns.status, by_rows.status);
  EXPECT_NE(by_columns.out.find(std::to_string(count) + " series, una columna cada una (periodos: "
                                "columna 1)"),
            std::string::npos)
      << by_columns.out;
  EXPECT_NE(by_rows.out.find("una fila por valor (serie: columna 2, periodo: columna 3, valor: "
                             "columna 1)"),
            std::string::npos)
      << by_rows.out;
  EXPECT_EQ(differences(wide.folder(), longer.folder()), "");
  EXPECT_GT(reports_in(wide.folder()), static_cast<std::size_t>(count) * 3 / 4);
  // Outside a terminal, progress is a line a tenth.
  EXPECT_LE(occurrences(by_columns.err, "tendencia-lote: "), 10u) << by_columns.err;
  EXPECT_NE(by_columns.err.find(std::to_string(count) + " de " + std::to_string(count) + " series"),
            std::string::npos);

  // S0007 starts in 1984: the pipeline on its data file, as the README shows it.
  std::filesystem::copy_file(wide.file("DS0007.TXT"), pipeline.file("DS0007.TXT"));
  const CommandResult piped = pipeline.run(std::string(TENDENCIA_AJUSTE_BINARY) +
                                           " S0007 --automatico --guion 2 1984 --t-calibrada | " +
                                           TENDENCIA_BINARY + " > /dev/null");
  EXPECT_EQ(piped.status, 0) << piped.err;
  EXPECT_EQ(read_file(pipeline.file("ES0007.TXT")), read_file(wide.file("ES0007.TXT")));
  EXPECT_EQ(read_file(wide.file("lote-series.csv")).rfind("serie,nombre\r\nS0001,Producto 1\r\n", 0),
            0u);
}

TEST(LoteProgram, AWrongCommandLineOrAnUnreadableSheetSaysWhyAndWritesNothing) {
  WorkFolder work;
  CommandResult result = work.run(kLote);
  EXPECT_EQ(result.status, 2);
  EXPECT_EQ(result.err.rfind("Error: falta la hoja (un fichero CSV).\nUso: tendencia-lote HOJA ", 0), 0u)
      << result.err;
  result = work.run(kLote + " no.csv");
  EXPECT_EQ(result.status, 1);
  EXPECT_NE(result.err.find("no.csv"), std::string::npos) << result.err;
  write_file(work.file("hoja.csv"), "2001;1;2\n2002;3;4\n");
  result = work.run(kLote + " hoja.csv");
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.err.rfind("Error al leer la hoja hoja.csv: fila 1: \"2001\" no es una cabecera", 0), 0u)
      << result.err;
  result = work.run(kLote + " --unir");
  EXPECT_EQ(result.status, 1);
  EXPECT_EQ(result.err, "Error al unir las partes: no hay ninguna parte que unir "
                        "(lote-resumen-K-de-N.csv, de --parte K/N). No se escribe ninguna tabla.\n");
  EXPECT_EQ(files_in(work.folder()), std::vector<std::string>{"hoja.csv"});
  result = work.run(kLote + " --help");
  EXPECT_EQ(result.status, 0);
  EXPECT_NE(result.out.find("--parte K/N"), std::string::npos);
}

// Series of every calendar in one long table, each with the command line
// lote is equivalent to for it: its M4 horizon, its initial period, its season.
struct Mixed {
  std::string key;
  std::vector<std::string> labels;
  std::string equivalent;  // M INICIO and --periodo for tendencia-ajuste
};

std::vector<Mixed> mixed_series() {
  auto labels = [](int count, const std::function<std::string(int)>& label) {
    std::vector<std::string> all;
    for (int i = 0; i < count; ++i) all.push_back(label(i));
    return all;
  };
  auto two = [](int n) { return (n < 10 ? "0" : "") + std::to_string(n); };
  const int n = sized(40, 34);
  return {
      {"meses", labels(n, [&](int i) { return std::to_string(2001 + i / 12) + "-" + two(i % 12 + 1); }),
       "18 1 --periodo 12"},
      {"trimestres", labels(n, [&](int i) { return std::to_string(1990 + i / 4) + "Q" + std::to_string(i % 4 + 1); }),
       "8 1 --periodo 4"},
      {"años", labels(n, [](int i) { return std::to_string(1950 + i); }), "6 1950"},
      {"días", labels(n, [&](int i) { return two(i % 28 + 1) + "/" + two(2 + i / 28) + "/2021"; }), "14 1"},
      {"sin calendario", labels(n, [](int i) { return "L" + std::to_string(i); }), "6 1"},
      {"corta", labels(20, [](int i) { return std::to_string(1990 + i); }), "6 1990"},
  };
}

TEST(LoteProgram, EveryReportIsThePipelinesOwnForItsCalendar) {
  std::vector<Mixed> mixed = mixed_series();
  // Under the sanitizers a season, no calendar and the table's t: a handful of fits.
  if (kSanitizedTests) mixed = {mixed[0], mixed[4], mixed[5]};
  std::string sheet = "serie;periodo;valor\n";
  for (const Mixed& m : mixed)
    for (std::size_t i = 0; i < m.labels.size(); ++i)
      sheet += m.key + ";" + m.labels[i] + ";" +
               number(200 + 3.0 * i + 15 * std::sin(0.5 * i) + 7 * std::cos(2.1 * i), ',') + "\n";
  // Under the sanitizers the data are not weighed: the same code paths, a
  // third of the fits.
  for (const bool data : kSanitizedTests ? std::vector<bool>{false} : std::vector<bool>{false, true}) {
    SCOPED_TRACE(data ? "--datos" : "la serie");
    WorkFolder work;
    write_file(work.file("hoja.csv"), sheet);
    const CommandResult batch = work.run(kLote + " hoja.csv" + (data ? " --datos" : ""));
    ASSERT_NE(batch.status, 2) << batch.err;
    for (std::size_t i = 0; i < mixed.size(); ++i) {
      const std::string name = "S000" + std::to_string(i + 1), run = data ? name + "d" : name;
      SCOPED_TRACE(mixed[i].key);
      WorkFolder pipeline;
      std::filesystem::copy_file(work.file("D" + name + ".TXT"), pipeline.file("D" + name + ".TXT"));
      const CommandResult piped = pipeline.run(
          std::string(TENDENCIA_AJUSTE_BINARY) + " " + name + " --automatico" +
          (data ? " --datos " + run : "") + " --guion " + mixed[i].equivalent +
          " --t-calibrada > ../respuestas.txt && " + TENDENCIA_BINARY + " < ../respuestas.txt > /dev/null");
      // A series the automatic choice cannot project is refused by both.
      if (piped.status != 0) {
        EXPECT_FALSE(std::filesystem::exists(work.file("E" + run + ".TXT")));
        EXPECT_NE(batch.err.find("Rechazada " + name + " (" + mixed[i].key + "): "), std::string::npos)
            << batch.err;
        continue;
      }
      EXPECT_EQ(read_file(work.file("E" + run + ".TXT")), read_file(pipeline.file("E" + run + ".TXT")));
      EXPECT_EQ(read_file(work.file("D" + run + ".TXT")), read_file(pipeline.file("D" + run + ".TXT")));
    }
  }
}

TEST(LoteProgram, ASheetWithThreeBrokenSeriesWritesTheOthersAndNamesTheThree) {
  const int count = sized(200, 8), values = 24;
  std::vector<Series> series = yearly_series(count, values);
  std::string sheet = wide_sheet(series, values);
  // Row 12 (1991) of S0005, row 20 (1999) of S0006, the last row of the last series.
  auto break_cell = [&](int row, int column, const std::string& text) {
    std::size_t at = 0;
    for (int r = 1; r < row; ++r) at = sheet.find('\n', at) + 1;
    for (int c = 1; c < column; ++c) at = sheet.find(';', at) + 1;
    const std::size_t end = sheet.find_first_of(";\n", at);
    sheet.replace(at, end - at, text);
  };
  break_cell(12, 6, "");
  break_cell(20, 7, "n/d");
  break_cell(values + 1, count + 1, "1.234,5");
  WorkFolder work;
  write_file(work.file("hoja.csv"), sheet);
  const CommandResult batch = work.run(kLote + " hoja.csv --puntos 2");
  EXPECT_EQ(batch.status, 1);
  const std::string last = "S0" + std::to_string(count + 1000).substr(1);
  const std::string reasons[] = {
      "S0005 (Producto 5): fila 12, columna 6: la celda del valor está vacía",
      "S0006 (Producto 6): fila 20, columna 7: \"n/d\" no es un número",
      last + " (Producto " + std::to_string(count) + "): fila " + std::to_string(values + 1) +
          ", columna " + std::to_string(count + 1) + ": el número \"1.234,5\" lleva separador de miles"};
  for (const std::string& reason : reasons)
    EXPECT_NE(batch.err.find("Rechazada " + reason), std::string::npos) << batch.err;
  // The others are each projected or, where the automatic choice finds no
  // trend to trust, refused for that: never for a cell.
  const std::string summary = read_file(work.file("lote-resumen.csv"));
  EXPECT_EQ(occurrences(summary, "\r\n"), static_cast<std::size_t>(count) + 1);
  EXPECT_EQ(occurrences(batch.err, ", columna "), 3u) << batch.err;
  EXPECT_EQ(occurrences(summary, ",ok\r\n"), reports_in(work.folder()));
  EXPECT_EQ(reports_in(work.folder()) + occurrences(batch.err, "Rechazada "),
            static_cast<std::size_t>(count));
  for (const std::string& name : {std::string("S0005"), std::string("S0006"), last})
    EXPECT_FALSE(std::filesystem::exists(work.file("D" + name + ".TXT"))) << name;
}

// A sheet of a few dozen series, run once whole in `reference`.
class StoppedOrSharded : public ::testing::Test {
 protected:
  StoppedOrSharded() {
    const std::vector<Series> series = yearly_series(count, values);
    for (const WorkFolder* folder : {&reference, &work})
      write_file(folder->file("hoja.csv"), wide_sheet(series, values));
    const CommandResult whole = reference.run(kLote + " hoja.csv --puntos 2");
    EXPECT_NE(whole.status, 2) << whole.err;
  }

  const int count = sized(40, 6), values = 24;
  WorkFolder reference, work;
};

// Killed half way, as a power cut or `kill -9` does it: the run started
// again takes what was done and ends with the files of a run never stopped,
// with no temporary file left behind.
TEST_F(StoppedOrSharded, ARunKilledHalfWayAndStartedAgainEndsWithTheSameFiles) {
  ChildProcess killed({kLote, "hoja.csv", "--puntos", "2", "--hilos", "1"}, work.folder());
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(5);
  while (reports_in(work.folder()) < static_cast<std::size_t>(count) / 2 &&
         std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  killed.signal(SIGKILL);
  const int status = killed.wait();
  ASSERT_TRUE(WIFSIGNALED(status)) << "the run ended before it was killed";
  const std::size_t done = reports_in(work.folder());
  const CommandResult again = work.run(kLote + " hoja.csv --puntos 2");
  EXPECT_NE(again.out.find("(" + std::to_string(done) + " tomadas de una ejecución anterior)"),
            std::string::npos)
      << again.out;
  EXPECT_EQ(differences(reference.folder(), work.folder()), "");
}

// Ctrl+C: the series in hand are finished, the tables hold what is done, and
// the shell sees the interruption.
TEST_F(StoppedOrSharded, CtrlCStopsAfterTheSeriesInHandWithTheTablesOfWhatIsDone) {
  ChildProcess interrupted({kLote, "hoja.csv", "--puntos", "2", "--hilos", "1"}, work.folder());
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(5);
  while (reports_in(work.folder()) < 2 && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  interrupted.signal(SIGINT);
  const int status = interrupted.wait();
  ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGINT) << interrupted.err();
  EXPECT_NE(interrupted.err().find("Interrumpido: las tablas tienen las "), std::string::npos);
  const std::string summary = read_file(work.file("lote-resumen.csv"));
  const std::size_t rows = occurrences(summary, "\r\n") - 1;
  EXPECT_LT(rows, static_cast<std::size_t>(count));
  EXPECT_EQ(occurrences(summary, ",ok\r\n"), reports_in(work.folder()));
  EXPECT_EQ(read_file(reference.file("lote-resumen.csv")).substr(0, summary.size()), summary);
  const CommandResult again = work.run(kLote + " hoja.csv --puntos 2");
  EXPECT_EQ(differences(reference.folder(), work.folder()), "");
}

// Four shards with GNU parallel, as on four machines sharing the folder; the
// parts merged are the tables of one whole run, byte for byte.
TEST_F(StoppedOrSharded, FourShardsRunByGnuParallelAndMergedAreOneWholeRun) {
  const CommandResult shards =
      work.run("parallel --will-cite " + kLote + " hoja.csv --puntos 2 --hilos 1 --parte {}/4 "
               "::: 1 2 3 4; " + kLote + " --unir");
  EXPECT_NE(shards.out.find("Unidas 4 partes en lote-pronosticos.csv y lote-resumen.csv: " +
                            std::to_string(count) + " series"),
            std::string::npos)
      << shards.out << shards.err;
  std::vector<std::string> parts = {"hoja.csv"};
  for (int k = 1; k <= 4; ++k)
    for (const std::string table : {"pronosticos", "resumen"})
      parts.push_back("lote-" + table + "-" + std::to_string(k) + "-de-4.csv");
  for (const std::string& part : parts)
    EXPECT_TRUE(std::filesystem::exists(work.file(part))) << part;
  EXPECT_EQ(differences(reference.folder(), work.folder(), parts), "");
}

}  // namespace
}  // namespace tendencia
