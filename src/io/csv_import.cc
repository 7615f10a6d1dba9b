#include "io/csv_import.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "core/failure.h"
#include "io/csv_dialect.h"
#include "io/data_file_writer.h"
#include "io/import_refused.h"
#include "io/problem_files.h"
#include "text/text_encoding.h"
#include "io/file_bytes.h"

namespace tendencia {
namespace {

std::size_t line_of(std::string_view bytes, std::size_t offset) {
  return 1 + static_cast<std::size_t>(std::count(bytes.begin(), bytes.begin() + offset, '\n'));
}

std::string hex_byte(char c) {
  char text[8];
  std::snprintf(text, sizeof text, "0x%02X", static_cast<unsigned char>(c));
  return text;
}

// Refuses bytes that are no text file this program reads.
void check_text(std::string_view bytes, TextEncoding encoding) {
  if (has_utf16_byte_order_mark(bytes))
    throw ImportRefused("el fichero está en UTF-16; guárdelo como CSV en UTF-8 o en Windows-1252");
  if (has_utf8_byte_order_mark(bytes) && encoding != TextEncoding::Utf8) {
    std::size_t at = kUtf8ByteOrderMark.size() +
                     first_invalid_utf8_byte(bytes.substr(kUtf8ByteOrderMark.size()));
    throw ImportRefused("el fichero empieza con la marca de UTF-8, pero la línea " +
                        std::to_string(line_of(bytes, at)) + " no es UTF-8 válido");
  }
  std::size_t at = first_non_text_byte(bytes, encoding);
  if (at != std::string_view::npos)
    throw ImportRefused("no es un fichero de texto: la línea " + std::to_string(line_of(bytes, at)) +
                        " contiene el byte " + hex_byte(bytes[at]));
}

std::string line_ends_of(std::string_view bytes) {
  std::size_t at = bytes.find_first_of("\r\n");
  if (at == std::string_view::npos) return "";
  if (bytes[at] == '\n') return "LF";
  return at + 1 < bytes.size() && bytes[at + 1] == '\n' ? "CR LF" : "CR";
}


}  // namespace

void check_problem_name(const std::string& name) {
  if (!names_a_file_here(data_file_name(name)))
    throw ImportRefused("el nombre del problema no puede contener \"/\"");
  if (count_characters(name) > kMaxProblemNameCharacters)
    throw ImportRefused("el nombre del problema tiene más de " +
                        std::to_string(kMaxProblemNameCharacters) +
                        " caracteres, y tendencia no lo aceptaría");
}

namespace {

ImportRefused data_file_exists(const std::string& name) {
  return ImportRefused("ya existe el fichero de datos " + data_file_name(name) +
                       "; se conserva (use --sobrescribir para reemplazarlo)");
}

}  // namespace

CsvText csv_text(std::string_view bytes) {
  CsvText text;
  text.encoding = detect_encoding(bytes);
  check_text(bytes, text.encoding);
  text.byte_order_mark = has_utf8_byte_order_mark(bytes);
  text.line_ends = line_ends_of(bytes);
  text.utf8 = as_utf8(bytes, text.encoding);
  return text;
}

CsvImport read_csv_import(std::string_view bytes, const std::string& column) {
  CsvImport import;
  const CsvText text = csv_text(bytes);
  import.encoding = text.encoding;
  import.byte_order_mark = text.byte_order_mark;
  import.line_ends = text.line_ends;
  CsvTable table = read_csv_any_delimiter(text.utf8);
  import.delimiter = table.delimiter;
  import.columns = table.columns;
  import.series = series_from_table(table, column);
  import.data_file_bytes =
      data_file_bytes(import.series.period_header, import.series.values_header,
                      import.series.values, import.series.calendar);
  return import;
}

CsvImport read_csv_file(const std::string& path, const std::string& column) {
  return read_csv_import(read_regular_file(path, "fichero CSV " + path), column);
}

CsvImport import_csv_file(const ImportRequest& request) {
  check_problem_name(request.problem_name);
  const std::string data_file = path_in(request.folder, data_file_name(request.problem_name));
  std::error_code error;
  if (!request.replace_existing &&
      std::filesystem::symlink_status(data_file, error).type() != std::filesystem::file_type::not_found)
    throw data_file_exists(request.problem_name);
  CsvImport import = read_csv_file(request.csv_file, request.column);
  if (!write_data_file(request.folder, request.problem_name, import.data_file_bytes,
                       request.replace_existing))
    throw data_file_exists(request.problem_name);
  return import;
}

}  // namespace tendencia
