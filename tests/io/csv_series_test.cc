#include "io/csv_series.h"

#include <gtest/gtest.h>

#include "io/csv_dialect.h"
#include "io/import_refused.h"

namespace tendencia {
namespace {

ImportedSeries series_of(const std::string& text, const std::string& column = "") {
  return series_from_table(read_csv_any_delimiter(text), column);
}

std::string refusal_of(const std::string& text, const std::string& column = "") {
  try {
    series_of(text, column);
  } catch (const ImportRefused& refusal) {
    return refusal.what();
  }
  return "";
}

TEST(CsvSeries, APeriodColumnOfLabelsGivesTheTitleAndThePeriods) {
  ImportedSeries s = series_of("Mes;Ventas\n2001-01;1,5\n2001-02;2\n2001-03;-3,25\n");
  EXPECT_EQ(s.values, (std::vector<double>{1.5, 2, -3.25}));
  EXPECT_TRUE(s.has_header);
  EXPECT_EQ(s.period_column, 1u);
  EXPECT_EQ(s.values_column, 2u);
  EXPECT_FALSE(s.whole_periods);
  EXPECT_EQ(s.first_period + " " + s.last_period, "2001-01 2001-03");
  EXPECT_EQ(s.period_header + "|" + s.values_header, "Mes|Ventas");
  EXPECT_EQ(s.decimal_separator, ',');
  EXPECT_EQ(s.first_row, 2u);
  EXPECT_EQ(s.last_row, 4u);
}

TEST(CsvSeries, ConsecutiveWholeNumbersArePeriodsWithOrWithoutHeader) {
  ImportedSeries years = series_of("2001,10\n2002,20.5\n2003,30\n");
  EXPECT_EQ(years.values, (std::vector<double>{10, 20.5, 30}));
  EXPECT_FALSE(years.has_header);
  EXPECT_TRUE(years.whole_periods);
  EXPECT_EQ(years.first_period + " " + years.last_period, "2001 2003");
  EXPECT_EQ(years.period_header + "|" + years.values_header, "|");
  EXPECT_EQ(series_of("t;y\n1;5\n2;6\n").period_header, "t");
  // Not consecutive: two columns of numbers, and the values must be named.
  EXPECT_EQ(refusal_of("2001,10\n2003,20\n"),
            "hay varias columnas de números (1, 2): elija la de los valores con --columna");
  ImportedSeries chosen = series_of("2001,10\n2003,20\n", "2");
  EXPECT_EQ(chosen.period_column, 0u);
  EXPECT_EQ(chosen.first_period + " " + chosen.last_period, "1 2");
  // One column is the values, whatever its numbers.
  ImportedSeries alone = series_of("Unidades\n1\n2\n3\n");
  EXPECT_EQ(alone.values, (std::vector<double>{1, 2, 3}));
  EXPECT_EQ(alone.period_column, 0u);
}

TEST(CsvSeries, ThePeriodsAreReadAsACalendarWhenTheyAreOne) {
  ImportedSeries months = series_of("Mes;Ventas\nnov-1949;1\ndic-1949;2\nene-1950;3\n");
  ASSERT_TRUE(months.calendar);
  EXPECT_EQ(period_label(*months.calendar, 0), "1949-11");
  EXPECT_EQ(months.why_no_calendar, "");
  ImportedSeries years = series_of("2001,10\n2002,20\n");
  ASSERT_TRUE(years.calendar);
  EXPECT_EQ(years.calendar->kind, CalendarKind::Yearly);
  // Sequence numbers are no calendar, and need no reason.
  ImportedSeries numbered = series_of("t;y\n1;5\n2;6\n");
  EXPECT_FALSE(numbered.calendar);
  EXPECT_EQ(numbered.why_no_calendar, "");
  // Labels that are no calendar say where and why, naming the spreadsheet's row.
  ImportedSeries gap = series_of("Mes;Ventas\n1950-01;1\n1950-02;2\n1950-04;3\n");
  EXPECT_FALSE(gap.calendar);
  EXPECT_EQ(gap.why_no_calendar, "fila 4: falta algún periodo entre \"1950-02\" y \"1950-04\"");
  EXPECT_EQ(gap.first_period, "1950-01");
}

// R's write.csv2 writes the row numbers first, quoted, under an empty header.
TEST(CsvSeries, ALaterColumnOfDatesIsThePeriodsWhenTheFirstIsNoCalendar) {
  ImportedSeries r = series_of(
      "\"\";\"Mes\";\"Pasajeros\"\n\"1\";\"1949-01\";112\n\"2\";\"1949-02\";118\n\"3\";\"1949-03\";132\n");
  EXPECT_EQ(r.values, (std::vector<double>{112, 118, 132}));
  EXPECT_EQ(r.period_column, 2u);
  EXPECT_EQ(r.values_column, 3u);
  EXPECT_EQ(r.period_header + "|" + r.first_period + "|" + r.last_period, "Mes|1949-01|1949-03");
  EXPECT_FALSE(r.whole_periods);
  ASSERT_TRUE(r.calendar);
  EXPECT_EQ(r.calendar->kind, CalendarKind::Monthly);
  // Dates after the values, and a first column of names.
  ImportedSeries after = series_of("Valor;Fecha\n5;2024-03-01\n7,5;2024-03-04\n");
  EXPECT_EQ(after.period_column, 2u);
  ASSERT_TRUE(after.calendar);
  EXPECT_EQ(after.calendar->kind, CalendarKind::WorkingDays);
  ImportedSeries named = series_of("Tienda;Semana;Ventas\nA;2024-03-04;1\nB;2024-03-11;2\n");
  EXPECT_EQ(named.period_column, 2u);
  EXPECT_EQ(named.values_column, 3u);
  // A first column that is a calendar stays the period column.
  EXPECT_EQ(series_of("A\xc3\xb1o;Mes;V\n2001;2001-01;1\n2002;2002-01;2\n").period_column, 1u);
}

TEST(CsvSeries, TheValuesColumnIsTheOnlyColumnOfNumbersOrTheNamedOne) {
  const std::string three = "Año;Ventas;Notas;Costes\n2001;1;bien;7\n2002;2;;8\n";
  EXPECT_EQ(refusal_of(three), "hay varias columnas de números (2 (\"Ventas\"), 4 (\"Costes\")): "
                               "elija la de los valores con --columna");
  EXPECT_EQ(series_of(three, "Costes").values, (std::vector<double>{7, 8}));
  EXPECT_EQ(series_of(three, " Costes ").values_column, 4u);
  EXPECT_EQ(series_of(three, "2").values, (std::vector<double>{1, 2}));
  EXPECT_EQ(refusal_of(three, "costes"),
            "ninguna columna tiene la cabecera \"costes\"; las columnas son: 1 (\"Año\"), "
            "2 (\"Ventas\"), 3 (\"Notas\"), 4 (\"Costes\")");
  EXPECT_EQ(refusal_of(three, "5"), "la columna 5 no existe: el fichero tiene 4 columnas");
  EXPECT_EQ(refusal_of(three, "0"), "la columna 0 no existe: el fichero tiene 4 columnas");
  EXPECT_NE(refusal_of(three, "3").find("fila 2, columna 3: \"bien\" no es un número"), std::string::npos);
  EXPECT_EQ(refusal_of("a;x;x\n1;2;3\n2;3;4\n", "x"),
            "hay 2 columnas con la cabecera \"x\": elija una por su número con --columna");
  // Column 1 named: it is the values, and the file has no period column.
  ImportedSeries first = series_of("1;5\n2;6\n", "1");
  EXPECT_EQ(first.values, (std::vector<double>{1, 2}));
  EXPECT_EQ(first.period_column, 0u);

  EXPECT_EQ(refusal_of("Mes;Nota\nene;bien\nfeb;mal\n"), "ninguna columna aparte de la de periodos tiene números");
  EXPECT_EQ(refusal_of("1;\n2;\n"), "ninguna columna aparte de la de periodos tiene números "
                                    "(si la columna 1 es la serie, elíjala con --columna 1)");
  EXPECT_EQ(refusal_of("Nota\nbien\n"), "ninguna columna tiene números");
  EXPECT_EQ(refusal_of("Nota;Otra\n"), "el fichero solo tiene la fila de cabecera");
  EXPECT_EQ(refusal_of("\n;\n"), "el fichero no tiene ninguna fila con datos");
}

TEST(CsvSeries, EveryValueCellMustBeANumberAndIsNamedWhenNot) {
  // One text among numbers leaves the column a column of numbers.
  EXPECT_EQ(refusal_of("Año;Ventas\n2001;1\n2002;n/d\n2003;3\n"),
            "fila 3, columna 2: \"n/d\" no es un número");
  EXPECT_EQ(refusal_of("Año;Ventas\n2001;1\n\n2002;\n2003;3\n"),
            "fila 4, columna 2: la celda del valor está vacía");
  EXPECT_EQ(refusal_of("Año;Ventas;Costes\n2001;1;5,5\n2002;2\n", "Costes"),
            "fila 3, columna 3: la celda del valor está vacía");  // a short row
  EXPECT_EQ(refusal_of("x,y\n1,1e999\n2,2\n"), "fila 2, columna 2: \"1e999\" está fuera del rango de los números");
  std::string long_series;
  for (int i = 1; i <= 1001; ++i) long_series += std::to_string(i) + "," + std::to_string(i * 3) + "\n";
  EXPECT_EQ(refusal_of(long_series), "fila 1001: la serie pasa de los 1000 valores que admite tendencia");
  long_series.erase(long_series.rfind("1001,"));
  EXPECT_EQ(series_of(long_series).values.size(), 1000u);
}

}  // namespace
}  // namespace tendencia
