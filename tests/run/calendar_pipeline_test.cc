// A dated series the whole way, as a user runs it: tendencia-importar, then
// tendencia-ajuste --automatico --guion piped into tendencia, then
// tendencia-grafico --csv. The data file carries the dates, the chart's
// table carries them on, and the report is byte for byte the one the same
// values give with their rows numbered 1, 2, 3.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <sstream>

#include "model/calendar.h"
#include "support/command.h"
#include "support/temp_directory.h"

namespace tendencia {
namespace {

using namespace testing;

class CalendarPipeline : public ::testing::Test {
 protected:
  WorkFolder work;
  // The same values with their rows numbered, run in a folder of their own.
  WorkFolder numbered_work;
};

std::vector<std::string> lines_of(const std::string& text, const std::string& end) {
  std::vector<std::string> lines;
  for (std::size_t at = 0, next; at < text.size(); at = next + end.size()) {
    next = text.find(end, at);
    if (next == std::string::npos) next = text.size();
    lines.push_back(text.substr(at, next - at));
  }
  return lines;
}

std::string first_cell(const std::string& row) { return row.substr(0, row.find(',')); }

// The data file with each row's first field replaced by its number.
std::string numbered(const std::string& data_file) {
  std::vector<std::string> lines = lines_of(data_file, "\r\n");
  std::string out = lines.at(0) + "\r\n";
  for (std::size_t i = 1; i < lines.size(); ++i)
    out += std::to_string(i) + " " + lines[i].substr(lines[i].find_last_of(' ') + 1) + "\r\n";
  return out;
}

// The report of `name` through tendencia-ajuste's script of answers, in `work`.
std::string report_of(const WorkFolder& work, const std::string& name, int horizon) {
  const CommandResult run = work.run(std::string(TENDENCIA_AJUSTE_BINARY) + " " + name +
                                     " --automatico --guion " + std::to_string(horizon) +
                                     " 1 --t-calibrada | " + TENDENCIA_BINARY + " > /dev/null");
  EXPECT_EQ(run.status, 0) << run.err;
  return read_file(work.file("E" + name + ".TXT"));
}

struct Expected {
  std::string kind;                                // the calendar the summary names
  std::string first, last, first_projected, last_projected;  // labels in the chart's table
};

// Imports `csv` as problem `name`, runs the pipeline `horizon` periods ahead
// (0: the kind's M4 horizon), and checks the data file, the report and the table.
void check_pipeline(const WorkFolder& work, const WorkFolder& numbered_work,
                    const std::string& csv, const std::string& name, CalendarKind kind,
                    const Expected& expected, int horizon = 0) {
  SCOPED_TRACE(name);
  write_file(work.file(name + ".csv"), csv);
  const CommandResult imported =
      work.run(std::string(TENDENCIA_IMPORTAR_BINARY) + " " + name + ".csv " + name);
  ASSERT_EQ(imported.status, 0) << imported.err;
  EXPECT_NE(imported.out.find(": calendario " + expected.kind), std::string::npos) << imported.out;
  EXPECT_NE(imported.out.find("En tendencia, conteste 1 a \"¿Año o Periodo inicial?\": el informe "
                              "numera los periodos 1, 2, 3..., y el gráfico y su tabla llevan las "
                              "fechas (" + expected.first + "...).\n"),
            std::string::npos)
      << imported.out;
  const std::string data_file = read_file(work.file("D" + name + ".TXT"));
  EXPECT_EQ(lines_of(data_file, "\r\n").at(1).rfind(expected.first + " ", 0), 0u);

  if (horizon == 0) horizon = m4_horizon(Calendar{kind, 0});
  const std::string report = report_of(work, name, horizon);
  EXPECT_NE(report.find("Se extrapolan  " + std::to_string(horizon) + " "), std::string::npos);
  write_file(numbered_work.file("D" + name + ".TXT"), numbered(data_file));
  EXPECT_EQ(report_of(numbered_work, name, horizon), report) << "the report differs with numbered rows";

  const CommandResult drawn = work.run(std::string(TENDENCIA_GRAFICO_BINARY) + " " + name + " --csv");
  ASSERT_EQ(drawn.status, 0) << drawn.err;
  const std::vector<std::string> table = lines_of(read_file(work.file("G" + name + ".CSV")), "\r\n");
  const std::size_t observed = lines_of(data_file, "\r\n").size() - 1;
  ASSERT_EQ(table.size(), 1 + observed + horizon);
  EXPECT_EQ(first_cell(table[1]), expected.first);
  EXPECT_EQ(first_cell(table[observed]), expected.last);
  EXPECT_EQ(first_cell(table[observed + 1]), expected.first_projected);
  EXPECT_EQ(first_cell(table.back()), expected.last_projected);
}

TEST_F(CalendarPipeline, AirPassengersAsRWritesItKeepsItsMonthsToTheChartsTable) {
  check_pipeline(work, numbered_work, read_file(TENDENCIA_SOURCE_DIR "/tests/data/airpassengers.csv"), "pasaj",
                 CalendarKind::Monthly, {"mensual", "1949-01", "1960-12", "1961-01", "1962-12"}, 24);
}

TEST_F(CalendarPipeline, AQuarterlySeriesKeepsItsQuarters) {
  // Australia's population in thousands, roughly as austres has it: growth
  // and a little season.
  std::string csv = "Trimestre;Poblacion\n";
  for (int q = 0; q < 60; ++q) {
    char row[64];
    std::snprintf(row, sizeof row, "%d-Q%d;%.1f\n", 1971 + q / 4, q % 4 + 1,
                  13067.3 + 52.4 * q + 6 * std::sin(q * 1.5708));
    csv += row;
  }
  for (char& c : csv)
    if (c == '.') c = ',';
  check_pipeline(work, numbered_work, csv, "austres", CalendarKind::Quarterly,
                 {"trimestral", "1971-Q1", "1985-Q4", "1986-Q1", "1987-Q4"});
}

TEST_F(CalendarPipeline, ADailySeriesKeepsItsDates) {
  std::string csv = "Fecha,Visitas\n";
  for (int d = 0; d < 90; ++d) {
    char row[64];
    // From 28/02/2024, over the leap day.
    const CivilDate date = date_of_day(day_number({2024, 2, 28}) + d);
    std::snprintf(row, sizeof row, "%02d/%02d/%04d,%.2f\n", date.day, date.month, date.year,
                  200 + 1.5 * d + 20 * std::sin(d / 3.0));
    csv += row;
  }
  check_pipeline(work, numbered_work, csv, "visitas", CalendarKind::Daily,
                 {"diario", "2024-02-28", "2024-05-27", "2024-05-28", "2024-06-10"});
}

TEST_F(CalendarPipeline, AStockIndexOfWorkingDaysSkipsTheWeekendsAhead) {
  std::string csv = "Fecha;Cierre\n";
  long long day = day_number({2022, 1, 3});  // a Monday
  double close = 8500;
  for (int d = 0; d < 500; ++d, ++day) {
    while (weekday(day) >= 5) ++day;
    close += 12 * std::sin(d * 0.7) + 3 * std::cos(d * 2.3) + 1.1;
    char row[64];
    std::snprintf(row, sizeof row, "%s;%.2f\n", date_label(date_of_day(day)).c_str(), close);
    csv += row;
  }
  for (char& c : csv)
    if (c == '.') c = ',';
  // 500 working days from 2022-01-03 end on Friday 2023-12-01; the next is Monday.
  check_pipeline(work, numbered_work, csv, "ibex", CalendarKind::WorkingDays,
                 {"de días laborables", "2022-01-03", "2023-12-01", "2023-12-04", "2023-12-21"});
}

}  // namespace
}  // namespace tendencia
