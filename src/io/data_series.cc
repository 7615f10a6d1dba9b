#include "io/data_series.h"

#include <filesystem>
#include <fstream>
#include <optional>

#include "core/failure.h"
#include "io/problem_files.h"
#include "model/calendar_reading.h"
#include "text/characters.h"
#include "text/conversions.h"
#include "text/encoding_detection.h"
#include "text/text_encoding.h"

namespace tendencia {
namespace {

constexpr int kEnd = std::char_traits<char>::eof();

// Hands out the file's bytes with every line end (LF, or CR LF) turned into a
// single '\n'; a CR not followed by LF stays an ordinary character.
class LineEndReader {
 public:
  explicit LineEndReader(std::istream& in) : buffer_(in.rdbuf()), in_(in) {}

  int peek() {
    if (!has_ahead_) {
      ahead_ = fetch();
      has_ahead_ = true;
    }
    return ahead_;
  }

  int get() {
    int c = peek();
    has_ahead_ = false;
    if (c == '\n') ++line_;
    return c;
  }

  long line() const { return line_; }

 private:
  int fetch() {
    if (buffer_ == nullptr) return kEnd;
    int c;
    try {
      c = buffer_->sbumpc();
      if (c == '\r' && buffer_->sgetc() == '\n') c = buffer_->sbumpc();
    } catch (...) {
      throw Failure(FailureKind::FileNotReadable);
    }
    if (c == kEnd && in_.bad()) throw Failure(FailureKind::FileNotReadable);
    return c;
  }

  std::streambuf* buffer_;
  std::istream& in_;
  int ahead_ = 0;
  bool has_ahead_ = false;
  long line_ = 1;
};

class FieldReader {
 public:
  FieldReader(std::istream& in, const std::string& where) : reader_(in), where_(where) {}

  // The title line, whole; false when the file has no first line at all.
  bool skip_title() {
    if (reader_.peek() == kEnd) return false;
    int c;
    do {
      c = reader_.get();
    } while (c != '\n' && c != kEnd);
    return true;
  }

  // Lines holding only blanks are not rows, wherever they stand; so the end of
  // the file is tested after skipping blanks and line ends.
  bool at_end() {
    skip_blanks_and_line_ends();
    return reader_.peek() == kEnd;
  }

  // A field as written: its bytes, whether quoted, and its line.
  struct RawField {
    std::string text;
    bool quoted = false;
    long line = 0;
  };

  std::optional<RawField> raw_field() {
    skip_blanks_and_line_ends();
    if (reader_.peek() == kEnd) return std::nullopt;
    RawField field;
    field.line = reader_.line();
    field.quoted = reader_.peek() == '"';
    if (field.quoted) {
      reader_.get();
      while (reader_.peek() != '"' && reader_.peek() != '\n' && reader_.peek() != kEnd)
        append(field.text, reader_.get(), field.line);
      if (reader_.peek() == '"') reader_.get();
    } else {
      for (int c = reader_.peek(); c != ',' && c != '\n' && c != kEnd && !is_blank(c);
           c = reader_.peek())
        append(field.text, reader_.get(), field.line);
    }
    take_separator();
    return field;
  }

  std::optional<SeriesValue> field() {
    std::optional<RawField> raw = raw_field();
    if (!raw) return std::nullopt;
    if (raw->quoted || !is_plain_number(raw->text)) return SeriesValue::of_text(std::move(raw->text));
    const long line = raw->line;
    return SeriesValue::of_number(
        located([&] { return place(line); }, [&] { return plain_number_value(raw->text); }));
  }

  long line() const { return reader_.line(); }
  std::string place(long line) const { return where_ + ", línea " + std::to_string(line); }

 private:
  void append(std::string& text, int c, long line) {
    if (text.size() >= kMaxFieldBytes) throw Failure(FailureKind::FieldTooLong, place(line));
    text += static_cast<char>(c);
  }

  void skip_blanks_and_line_ends() {
    while (is_blank(reader_.peek()) || reader_.peek() == '\n') reader_.get();
  }

  // After a field: blanks, then one comma or the line end.
  void take_separator() {
    while (is_blank(reader_.peek())) reader_.get();
    if (reader_.peek() == ',' || reader_.peek() == '\n') reader_.get();
  }

  LineEndReader reader_;
  const std::string& where_;
};

bool same_ignoring_ascii_case(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
    if (x != y) return false;
  }
  return true;
}

bool is_regular(const std::filesystem::path& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error);
}

// The exact name first; a file system that tells case apart may still hold the
// file the user meant under another case, and one unambiguous match is taken.
std::optional<std::string> find_data_file(const std::string& folder, const std::string& name) {
  if (!names_a_file_here(name)) return std::nullopt;
  if (is_regular(path_in(folder, name))) return name;
  std::optional<std::string> found;
  std::error_code error;
  for (std::filesystem::directory_iterator it(folder.empty() ? "." : folder, error), end;
       !error && it != end;
       it.increment(error)) {
    std::string candidate = it->path().filename().string();
    if (!same_ignoring_ascii_case(candidate, name) || !is_regular(it->path())) continue;
    if (found) return std::nullopt;
    found = candidate;
  }
  return found;
}

}  // namespace

double series_number(const SeriesValue& value, int row, const Separators& separators) {
  if (!value.is_text) return value.number;
  return located("valor " + std::to_string(row) + " de la serie",
                 [&] { return as_typed_number(value.text, separators); });
}

DataSeries read_series(std::istream& in, const std::string& where) {
  FieldReader fields(in, where);
  if (!fields.skip_title()) throw Failure(FailureKind::EmptyFile, fields.place(1));
  DataSeries series;
  while (!fields.at_end()) {
    std::size_t row = series.values.size() + 1;
    if (row > kMaxSeriesValues)
      throw Failure(FailureKind::TooManyRows,
                    fields.place(fields.line()) + ", fila " + std::to_string(row));
    fields.field();  // the sequence number: the program numbers the values itself
    std::optional<SeriesValue> value = fields.field();
    if (!value)
      throw Failure(FailureKind::MissingField,
                    where + ", fila " + std::to_string(row) + " al final del fichero");
    series.values.push_back(std::move(*value));
  }
  return series;
}

std::vector<std::string> read_period_fields(std::istream& in) {
  std::vector<std::string> periods;
  const std::string where = "fichero de datos";
  FieldReader fields(in, where);
  try {
    if (!fields.skip_title()) return {};
    while (!fields.at_end()) {
      std::optional<FieldReader::RawField> period = fields.raw_field();
      if (periods.size() == kMaxSeriesValues || !period || !fields.raw_field()) return {};
      periods.push_back(std::move(period->text));
    }
  } catch (const Failure&) {
    return {};
  }
  return periods;
}

std::optional<Calendar> read_data_calendar(std::istream& in) {
  const std::vector<std::string> periods = read_period_fields(in);
  if (periods.empty()) return std::nullopt;
  return read_calendar(periods).calendar;
}

std::string read_title_line(std::istream& in) {
  std::string line;
  LineEndReader reader(in);
  try {
    for (int c = reader.get(); c != '\n' && c != kEnd && line.size() < kMaxFieldBytes;
         c = reader.get())
      line += static_cast<char>(c);
  } catch (const Failure&) {
    return "";
  }
  // A cut at the limit may split a UTF-8 sequence: the line is still UTF-8
  // without that sequence's first bytes.
  if (line.size() == kMaxFieldBytes) {
    std::size_t bad = first_invalid_utf8_byte(line);
    if (bad != std::string::npos && bad + 4 > line.size()) line.resize(bad);
  }
  return as_utf8(line, detect_encoding(line));
}

std::string read_data_title(const std::string& folder, const std::string& problem_name) {
  std::optional<std::string> found = find_data_file(folder, data_file_name(problem_name));
  if (!found) return "";
  std::ifstream in(path_in(folder, *found), std::ios::binary);
  return in ? read_title_line(in) : "";
}

DataFileHeading read_data_heading(const std::string& folder, const std::string& problem_name) {
  std::optional<std::string> found = find_data_file(folder, data_file_name(problem_name));
  if (!found) return {};
  std::ifstream in(path_in(folder, *found), std::ios::binary);
  if (!in) return {};
  DataFileHeading heading;
  heading.title = read_title_line(in);
  // The rows are read from the start, as the run reads them.
  in.clear();
  if (!in.seekg(0)) return heading;
  heading.calendar = read_data_calendar(in);
  return heading;
}

DataSeries read_data_file(const std::string& folder, const std::string& problem_name) {
  std::string name = data_file_name(problem_name);
  std::string where = "fichero de datos " + name;
  std::optional<std::string> found = find_data_file(folder, name);
  if (!found) throw Failure(FailureKind::FileNotFound, where);
  if (*found != name) where = "fichero de datos " + *found;
  std::ifstream in(path_in(folder, *found), std::ios::binary);
  if (!in) throw Failure(FailureKind::FileNotReadable, where);
  return read_series(in, where);
}

}  // namespace tendencia
