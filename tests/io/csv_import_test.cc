// Files as spreadsheets write them, imported and read back by the program's own
// reader, then run: every dialect the importer finds by itself.
#include "io/csv_import.h"

#include <gtest/gtest.h>

#include "core/failure.h"
#include "io/data_series.h"
#include "io/import_refused.h"
#include "run/run_sequence.h"
#include "support/scripted_dialogue.h"
#include "support/temp_directory.h"

namespace tendencia {
namespace {

using namespace testing;

struct Dialect {
  const char* name;
  std::string bytes;
  char delimiter, decimal;
  TextEncoding encoding;
  std::string title;  // the data file's title line, Windows-1252
  std::string first_period;  // the first row's: a year or month as written, else 1
};

const std::vector<double> kValues = {132.89, 143.8, -1500, 0.1, 162.13};

std::vector<Dialect> dialects() {
  return {
      {"comma", "A\xc3\xb1o,Ventas\n2001,132.89\n2002,143.8\n2003,-1.5e3\n2004,.1\n2005,162.13\n",
       ',', '.', TextEncoding::Utf8, "A\xf1o                   Ventas", "2001"},
      {"semicolon-bom-crlf",
       "\xef\xbb\xbf" "A\xc3\xb1o;Ventas\r\n2001;132,89\r\n2002;143,8\r\n2003;-1500\r\n2004;0,1\r\n"
       "2005;162,13\r\n",
       ';', ',', TextEncoding::Utf8, "A\xf1o                   Ventas", "2001"},
      {"tab-windows-1252",
       "A\xf1o\tVentas\r\n2001\t132,89\r\n2002\t143,8\r\n2003\t-1500\r\n2004\t0,1\r\n2005\t162,13\r\n",
       '\t', ',', TextEncoding::Windows1252, "A\xf1o                   Ventas", "2001"},
      {"semicolon-labels-quoted",
       "Mes;\"Ventas; \"\"netas\"\"\"\r\n2001-01;132,89\r\n2001-02;143,8\r\n2001-03;-1500\r\n"
       "2001-04;0,1\r\n2001-05;\"162,13\"\r\n",
       ';', ',', TextEncoding::Utf8, "Mes           Ventas; \"netas\"", "2001-01"},
      {"quoted-everything",
       "\"Periodo\",\"Ventas, netas\"\r\n\"1\",\"132.89\"\r\n\"2\",\"143.8\"\r\n\"3\",\"-1500\"\r\n"
       "\"4\",\"0.1\"\r\n\"5\",\"162.13\"\r\n",
       ',', '.', TextEncoding::Utf8, "Periodo        Ventas, netas", "1"},
      {"one-column-no-header", "132.89\n143.8\n-1500\n0.1\n162.13", ',', '.', TextEncoding::Utf8,
       "A\xf1o o periodo         NUMERO", "1"},
  };
}

TEST(CsvImport, EveryDialectReadsBackAsTheSameDoublesAndRuns) {
  for (const Dialect& dialect : dialects()) {
    SCOPED_TRACE(dialect.name);
    TempDirectory directory;
    write_file(directory.file("serie.csv"), dialect.bytes);
    CsvImport import = import_csv_file({directory.file("serie.csv"), "s", "", false, directory.folder()});
    if (import.columns > 1) {
      EXPECT_EQ(import.delimiter, dialect.delimiter);
    }
    EXPECT_EQ(import.series.decimal_separator, dialect.decimal);
    EXPECT_EQ(import.encoding, dialect.encoding);
    EXPECT_EQ(import.series.values, kValues);

    const std::string written = read_file(directory.file("Ds.TXT"));
    EXPECT_EQ(written.substr(0, written.find("\r\n")), dialect.title);
    std::string first_row = dialect.first_period;
    first_row.resize(22, ' ');
    EXPECT_EQ(written.substr(written.find("\r\n") + 2, 30), first_row + "132.89\r\n");
    DataSeries series = read_data_file(directory.folder(), "s");
    ASSERT_EQ(series.values.size(), kValues.size());
    for (std::size_t i = 0; i < kValues.size(); ++i) EXPECT_EQ(series.values[i].number, kValues[i]);

    ScriptedDialogue dialogue(run_answers("s", "2", "95", {}, {"2001"}));
    EXPECT_NO_THROW(run_sequence(dialogue, Separators{}, directory.folder()));
    EXPECT_NE(read_file(directory.file("Es.TXT")).find(" 2007 "), std::string::npos);
  }
}

// The example as a Spanish spreadsheet saves it (";", decimal comma,
// Windows-1252, CR LF) gives the run the very report of the example itself.
TEST(CsvImport, TheExamplesSpreadsheetGivesTheExamplesReport) {
  auto report_of = [](const std::string& data_file) {
    TempDirectory directory;
    write_file(directory.file("Dventas.TXT"), data_file);
    ScriptedDialogue dialogue(run_answers("ventas", "5", "95", {"120", "15", "0.9"}, {"2001"}));
    run_sequence(dialogue, Separators{",", "."}, directory.folder());
    return read_file(directory.file("Eventas.TXT"));
  };
  const std::string examples = TENDENCIA_EXAMPLES;
  CsvImport import = read_csv_import(read_file(examples + "/ventas.csv"), "");
  EXPECT_EQ(import.encoding, TextEncoding::Windows1252);
  EXPECT_EQ(import.series.first_period + "-" + import.series.last_period, "2001-2020");
  const std::string report = report_of(import.data_file_bytes);
  EXPECT_NE(report.find(" 2025 "), std::string::npos);
  EXPECT_EQ(report, report_of(read_file(examples + "/Dventas.TXT")));
}

std::string refusal_of(const std::string& bytes) {
  try {
    read_csv_import(bytes, "");
  } catch (const ImportRefused& refusal) {
    return refusal.what();
  }
  return "";
}

TEST(CsvImport, BytesThatAreNoTextAreRefused) {
  EXPECT_EQ(refusal_of(std::string("a;b\n1;2\n2;\0\n", 12)),
            "no es un fichero de texto: la línea 3 contiene el byte 0x00");
  EXPECT_EQ(refusal_of(std::string("\xff\xfe" "1\0;\0", 6)),
            "el fichero está en UTF-16; guárdelo como CSV en UTF-8 o en Windows-1252");
  EXPECT_EQ(refusal_of("\xef\xbb\xbf" "a;b\n1;2\n2;\xf1\n"),
            "el fichero empieza con la marca de UTF-8, pero la línea 3 no es UTF-8 válido");
  EXPECT_EQ(refusal_of("a;b\n1;\x81\n"), "no es un fichero de texto: la línea 2 contiene el byte 0x81");
  EXPECT_EQ(refusal_of(""), "el fichero no tiene ninguna fila con datos");
  EXPECT_EQ(refusal_of("\xef\xbb\xbf\r\n\r\n"), "el fichero no tiene ninguna fila con datos");
}

TEST(CsvImport, AnExistingDataFileIsKeptUnlessReplacedAndBadNamesWriteNothing) {
  TempDirectory directory;
  write_file(directory.file("serie.csv"), "1\n2\n");
  write_file(directory.file("Dx.TXT"), "anterior");
  EXPECT_THROW(import_csv_file({directory.file("serie.csv"), "x", "", false, directory.folder()}), ImportRefused);
  EXPECT_EQ(read_file(directory.file("Dx.TXT")), "anterior");
  import_csv_file({directory.file("serie.csv"), "x", "", true, directory.folder()});
  EXPECT_EQ(read_file(directory.file("Dx.TXT")).substr(0, 6), "A\xf1o o ");

  EXPECT_THROW(import_csv_file({directory.file("serie.csv"), "a/b", "", false, directory.folder()}), ImportRefused);
  EXPECT_THROW(import_csv_file({directory.file("serie.csv"), "ocho_car", "", false, directory.folder()}), ImportRefused);
  import_csv_file({directory.file("serie.csv"), "sie7e\xc3\xb1o", "", false, directory.folder()});  // 7 characters, 8 bytes
  EXPECT_THROW(import_csv_file({directory.file("falta.csv"), "y", "", false, directory.folder()}), Failure);
  EXPECT_THROW(import_csv_file({directory.file("."), "y", "", false, directory.folder()}), ImportRefused);
  EXPECT_FALSE(std::filesystem::exists(directory.file("Dy.TXT")));
}

}  // namespace
}  // namespace tendencia
