#include "io/csv_table.h"

#include <csv.h>

#include <algorithm>
#include <memory>
#include <new>

#include "core/failure.h"
#include "io/import_refused.h"

namespace tendencia {
namespace {

// libcsv calls back from C code, which an exception must not cross: the
// callbacks note the first refusal and ignore the rest of the input, and the
// caller throws it once libcsv has returned.
struct Collector {
  CsvLimits limits;
  CsvTable table;
  CsvRow row;
  std::size_t records = 0;   // records ended so far
  bool last_ended_by_cr = false;
  std::string refusal;
  std::size_t refused_row = 0;

  std::size_t current_record() const { return records + 1; }

  void refuse(const std::string& why) {
    if (!refusal.empty()) return;
    refused_row = current_record();
    refusal = row_place(refused_row) + ": " + why;
  }
};

bool holds_a_cell(const CsvRow& row) {
  return std::any_of(row.cells.begin(), row.cells.end(),
                     [](const std::string& cell) { return !cell.empty(); });
}

void take_cell(void* bytes, std::size_t size, void* data) {
  auto& collector = *static_cast<Collector*>(data);
  if (!collector.refusal.empty()) return;
  if (size > kMaxFieldBytes)
    return collector.refuse("una celda tiene más de " + std::to_string(kMaxFieldBytes) + " bytes");
  if (collector.row.cells.size() >= collector.limits.columns)
    return collector.refuse("la fila tiene más de " + std::to_string(collector.limits.columns) +
                            " columnas");
  try {
    collector.row.cells.emplace_back(static_cast<const char*>(bytes), size);
  } catch (const std::bad_alloc&) {
    collector.refuse(kMemoryExhausted);
  }
}

void end_row(int terminator, void* data) {
  auto& collector = *static_cast<Collector*>(data);
  if (!collector.refusal.empty()) return;
  CsvRow& row = collector.row;
  // libcsv ends a row at each CR and at each LF: the LF of a CR LF pair ends an
  // empty row that is no record of its own.
  if (row.cells.empty() && terminator == '\n' && collector.last_ended_by_cr) {
    collector.last_ended_by_cr = false;
    return;
  }
  collector.last_ended_by_cr = terminator == '\r';
  if (holds_a_cell(row)) {
    if (collector.table.rows.size() >= collector.limits.rows)
      return collector.refuse(
          "el fichero tiene más de " + std::to_string(collector.limits.rows) + " filas con datos" +
          (collector.limits.rows == kMaxCsvRows
               ? " (una cabecera y " + std::to_string(kMaxSeriesValues) + " valores como mucho)"
               : ""));
    row.record = collector.current_record();
    collector.table.columns = std::max(collector.table.columns, row.cells.size());
    try {
      collector.table.rows.push_back(std::move(row));
    } catch (const std::bad_alloc&) {
      return collector.refuse(kMemoryExhausted);
    }
  }
  row = CsvRow{};
  ++collector.records;
}

struct ParserDeleter {
  void operator()(csv_parser* parser) const {
    csv_free(parser);
    delete parser;
  }
};

}  // namespace

CsvTable read_csv_table(std::string_view text, char delimiter, const CsvLimits& limits) {
  std::unique_ptr<csv_parser, ParserDeleter> parser(new csv_parser);
  // Strict: a stray quote is refused instead of being read as some guess.
  // CSV_REPALL_NL reports blank lines too, so records keep a spreadsheet's numbers.
  if (csv_init(parser.get(), CSV_STRICT | CSV_STRICT_FINI | CSV_REPALL_NL) != 0)
    throw std::bad_alloc();
  csv_set_delim(parser.get(), static_cast<unsigned char>(delimiter));

  Collector collector;
  collector.limits = limits;
  collector.table.delimiter = delimiter;
  // Fed in small pieces so a refusal, or a cell growing past the limit inside
  // libcsv's own buffer, stops the reading early.
  constexpr std::size_t kPiece = 1024;
  for (std::size_t at = 0; at < text.size() && collector.refusal.empty(); at += kPiece) {
    std::size_t size = std::min(kPiece, text.size() - at);
    if (csv_parse(parser.get(), text.data() + at, size, take_cell, end_row, &collector) != size) {
      if (csv_error(parser.get()) == CSV_ENOMEM) throw std::bad_alloc();
      collector.refuse("comillas mal puestas: una comilla dentro de una celda sin comillas, "
                       "o texto tras la comilla que cierra la celda");
    }
    if (csv_get_buffer_size(parser.get()) > kMaxFieldBytes + kPiece)
      collector.refuse("una celda tiene más de " + std::to_string(kMaxFieldBytes) + " bytes");
  }
  if (collector.refusal.empty() && csv_fini(parser.get(), take_cell, end_row, &collector) != 0)
    collector.refuse("falta la comilla que cierra la celda");
  if (!collector.refusal.empty()) throw ImportRefused(collector.refusal, collector.refused_row);
  return std::move(collector.table);
}

}  // namespace tendencia
