#include "io/data_series.h"

#include <gtest/gtest.h>

#include <sstream>

#include "core/failure.h"

namespace tendencia {
namespace {

DataSeries parse(const std::string& contents) {
  std::istringstream in(contents);
  return read_series(in, "fichero de datos Dt.TXT");
}

std::vector<std::string> shown(const DataSeries& series) {
  std::vector<std::string> out;
  for (const SeriesValue& v : series.values)
    out.push_back(v.is_text ? "'" + v.text + "'" : std::to_string(v.number));
  return out;
}

FailureKind failure_of(const std::string& contents, std::string* place = nullptr) {
  try {
    parse(contents);
  } catch (const Failure& f) {
    if (place) *place = f.place();
    return f.kind();
  }
  ADD_FAILURE() << "no failure";
  return FailureKind::EmptyFile;
}

TEST(DataSeries, FieldsAreSeparatedByBlanksCommasAndLineEnds) {
  EXPECT_EQ(shown(parse("T\r\n1 120.5\r\n2,130\r\n3     141.25\r\n")),
            (std::vector<std::string>{"120.500000", "130.000000", "141.250000"}));
  EXPECT_EQ(shown(parse("T\n1\t2\n2 ,  4\n3\t,7")),
            (std::vector<std::string>{"2.000000", "4.000000", "7.000000"}));
  // Two fields a row wherever they stand.
  EXPECT_EQ(shown(parse("T\r\n1\r\n2\r\n2\r\n4\r\n")),
            (std::vector<std::string>{"2.000000", "4.000000"}));
  EXPECT_EQ(shown(parse("T\r\n1 2 2\r\n4 3 7\r\n")),
            (std::vector<std::string>{"2.000000", "4.000000", "7.000000"}));
  // A comma that ends a line is only a separator.
  EXPECT_EQ(shown(parse("T\r\n1,\r\n2\r\n")), (std::vector<std::string>{"2.000000"}));
}

TEST(DataSeries, FirstFieldsAreIgnored) {
  EXPECT_EQ(shown(parse("T\r\n7 1\r\n3 2\r\n9 3\r\nx 4\r\n")),
            (std::vector<std::string>{"1.000000", "2.000000", "3.000000", "4.000000"}));
}

// The importer writes a calendar's labels where sequence numbers stood; the
// run reads those rows exactly as numbered ones, and the chart reads the labels.
TEST(DataSeries, RowsOpeningWithDatesReadAsNumberedRowsAndGiveTheirCalendar) {
  const std::string dated = "Mes  Pasajeros\r\n1949-01 112\r\n1949-02,118\r\n\"1949-03\" 132\r\n";
  const std::string numbered = "Mes  Pasajeros\r\n1 112\r\n2,118\r\n3 132\r\n";
  EXPECT_EQ(shown(parse(dated)), shown(parse(numbered)));
  std::istringstream in(dated);
  EXPECT_EQ(read_period_fields(in), (std::vector<std::string>{"1949-01", "1949-02", "1949-03"}));
  std::istringstream dates(dated);
  const std::optional<Calendar> calendar = read_data_calendar(dates);
  ASSERT_TRUE(calendar);
  EXPECT_EQ(period_label(*calendar, 3), "1949-04");
  // Sequence numbers, a gap, or rows the run could not read give no calendar.
  for (const std::string& contents :
       {numbered, std::string("T\r\n1949-01 1\r\n1949-03 2\r\n"), std::string("T\r\n1949-01 1\r\n1949-02\r\n"),
        std::string("T\r\n") + std::string(kMaxFieldBytes + 1, '1') + " 2\r\n", std::string(""),
        std::string("T")}) {
    std::istringstream none(contents);
    EXPECT_FALSE(read_data_calendar(none)) << contents.substr(0, 40);
  }
  std::string too_many = "T\r\n";
  for (std::size_t i = 0; i <= kMaxSeriesValues; ++i) too_many += "2001-01-01 1\r\n";
  std::istringstream many(too_many);
  EXPECT_TRUE(read_period_fields(many).empty());
}

TEST(DataSeries, QuotedAndNonNumericFieldsAreText) {
  EXPECT_EQ(shown(parse("T\r\n\"a\",2\r\n\"b, c\" 4\r\n\"3\",\"7\"\r\n1 \" 13 \"\r\n2 abc\r\n")),
            (std::vector<std::string>{"2.000000", "4.000000", "'7'", "' 13 '", "'abc'"}));
  // An empty field between two commas is an empty text; an unclosed quote ends at
  // the line end.
  EXPECT_EQ(shown(parse("T\r\n1,,2,\"open\r\n3 4\r\n")),
            (std::vector<std::string>{"''", "'open'", "4.000000"}));
  // A CR alone is an ordinary character; NUL bytes too.
  EXPECT_EQ(shown(parse(std::string("T\r\n1 a\rb\r\n2 x\0y\n", 16))),
            (std::vector<std::string>{"'a\rb'", std::string("'x\0y'", 5)}));
}

TEST(DataSeries, BlankLinesAreSkippedWhereverTheyStand) {
  EXPECT_EQ(shown(parse("\r\n1 2\r\n\r\n  \t \r\n2\r\n\r\n4\r\n\r\n   \r\n\r\n")),
            (std::vector<std::string>{"2.000000", "4.000000"}));
  EXPECT_TRUE(parse("title only").values.empty());
  EXPECT_TRUE(parse("title\r\n\r\n  \r\n").values.empty());
}

TEST(DataSeries, ReadsExactly1000RowsAndRefusesThe1001st) {
  std::string contents = "T\r\n";
  for (int i = 1; i <= 1000; ++i) contents += std::to_string(i) + " " + std::to_string(i * 2) + "\r\n";
  DataSeries series = parse(contents);
  ASSERT_EQ(series.values.size(), 1000u);
  EXPECT_EQ(series.values.back().number, 2000);
  std::string place;
  EXPECT_EQ(failure_of(contents + "1001 5\r\n", &place), FailureKind::TooManyRows);
  EXPECT_NE(place.find("1001"), std::string::npos) << place;
}

TEST(DataSeries, FailuresNameTheLine) {
  std::string place;
  EXPECT_EQ(failure_of("", &place), FailureKind::EmptyFile);
  EXPECT_EQ(failure_of("T\r\n1 2\r\n2 4\r\n4\r\n", &place), FailureKind::MissingField);
  EXPECT_NE(place.find("fila 3"), std::string::npos) << place;
  EXPECT_EQ(failure_of("T\r\n1 2\r\n2 1e999\r\n", &place), FailureKind::Overflow);
  EXPECT_NE(place.find("línea 3"), std::string::npos) << place;
  // The discarded first field is still a number, and still overflows.
  EXPECT_EQ(failure_of("T\r\n1 2\r\n1e999 4\r\n", &place), FailureKind::Overflow);
  EXPECT_EQ(failure_of("T\r\n1 " + std::string(kMaxFieldBytes + 1, '9') + "\r\n"),
            FailureKind::FieldTooLong);
}

TEST(DataSeries, UnderflowIsZeroNotAFailure) {
  DataSeries series = parse("T\r\n1 1e-400\r\n2 -0\r\n3 4.9e-324\r\n");
  EXPECT_EQ(series.values[0].number, 0.0);
  EXPECT_EQ(series.values[1].number, 0.0);
  EXPECT_GT(series.values[2].number, 0.0);
}

TEST(SeriesNumber, ConvertsTextOnlyWhenUsedAndNamesTheRow) {
  Separators c;
  EXPECT_EQ(series_number(SeriesValue::of_text(" 13 "), 2, c), 13);
  EXPECT_EQ(series_number(SeriesValue::of_text("1,5"), 2, Separators{",", "."}), 1.5);
  try {
    series_number(SeriesValue::of_text("1,5"), 2, c);
    FAIL();
  } catch (const Failure& f) {
    EXPECT_EQ(f.kind(), FailureKind::NotANumber);
    EXPECT_EQ(f.place(), "valor 2 de la serie");
  }
}

}  // namespace
}  // namespace tendencia
