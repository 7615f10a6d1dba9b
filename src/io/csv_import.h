// A spreadsheet's CSV file turned into a problem's data file: the bytes decoded,
// the delimiter found, the series read from the cells, the data file written.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "io/csv_series.h"
#include "text/encoding_detection.h"

namespace tendencia {

// A CSV file's bytes as text: how they are written, and the text in UTF-8.
struct CsvText {
  TextEncoding encoding = TextEncoding::Utf8;
  bool byte_order_mark = false;
  std::string line_ends;  // "CR LF", "LF", "CR", or "" for a single line
  std::string utf8;
};

// Tells the encoding and the line ends and decodes the bytes. ImportRefused
// for bytes that are not text (NUL and other control bytes, UTF-16, a UTF-8
// byte-order mark before bytes that are not UTF-8).
CsvText csv_text(std::string_view bytes);

struct CsvImport {
  TextEncoding encoding = TextEncoding::Utf8;
  bool byte_order_mark = false;
  std::string line_ends;        // "CR LF", "LF", "CR", or "" for a single line
  char delimiter = ',';
  std::size_t columns = 0;      // the most cells of any row
  ImportedSeries series;
  std::string data_file_bytes;  // the data file, Windows-1252, CR LF
};

// Everything but the writing, on the bytes of a CSV file (at most kMaxWholeFileBytes):
// what csv_text, read_csv_any_delimiter and series_from_table refuse.
CsvImport read_csv_import(std::string_view bytes, const std::string& column);

// read_csv_import on the file at `path`: Failure FileNotFound or FileNotReadable
// naming it, ImportRefused for what is no regular file or passes kMaxWholeFileBytes
// (io/file_bytes.h).
// Writes nothing.
CsvImport read_csv_file(const std::string& path, const std::string& column);

// ImportRefused for a problem name the run would not accept (more than
// kMaxProblemNameCharacters characters) or whose files would land in another
// folder ("/").
void check_problem_name(const std::string& name);

struct ImportRequest {
  std::string csv_file;       // a path
  std::string problem_name;   // the data file is "D" + name + ".TXT" in `folder`
  std::string column;         // --columna, or empty
  bool replace_existing = false;
  std::string folder;         // io/problem_files.h: empty for the folder the program started in
};

// Reads the CSV file and writes the data file at once. ImportRefused, writing
// nothing, for a file it does not take, a problem name the run would not accept
// and an existing data file when !replace_existing; Failure (FileNotFound,
// FileNotReadable, FileNotCreatable, WriteFailed) naming the file otherwise.
CsvImport import_csv_file(const ImportRequest& request);

}  // namespace tendencia
