#include "io/results_report.h"

#include "core/failure.h"
#include "text/number_forms.h"
#include "text/text_encoding.h"

namespace tendencia {

ReportLine& ReportLine::text(std::string_view utf8) {
  bytes_ += utf8_to_cp1252(utf8);
  return *this;
}

ReportLine& ReportLine::raw(std::string_view cp1252) {
  bytes_.append(cp1252);
  return *this;
}

ReportLine& ReportLine::number(double value) {
  append_print_form(bytes_, value, *separators_);
  return *this;
}

ReportLine& ReportLine::next_zone() {
  std::size_t position = bytes_.size();  // 0-based column of the next character
  std::size_t next_start = (position / kZoneWidth + 1) * kZoneWidth;
  bytes_.append(next_start - position, ' ');
  return *this;
}

ResultsReport::ResultsReport(std::unique_ptr<ByteSink> sink, Separators separators)
    : sink_(std::move(sink)), separators_(std::move(separators)) {}

ResultsReport::~ResultsReport() {
  if (!sink_) return;
  sink_->write(pending_);
  sink_->flush();
}

ResultsReport ResultsReport::create(const std::string& file_name,
                                    const Separators& separators) {
  auto sink = FileSink::create(file_name);
  if (!sink) throw Failure(FailureKind::FileNotCreatable, "fichero de resultados " + file_name);
  return ResultsReport(std::move(sink), separators);
}

// Lines gather in memory and reach the sink in large writes; a long report then
// costs a handful of system calls instead of one per line.
void ResultsReport::put(std::string_view bytes) {
  pending_.append(bytes);
  if (pending_.size() >= (1 << 16)) flush();
}

void ResultsReport::write(const ReportLine& line) {
  put(line.bytes());
  put("\r\n");
}

void ResultsReport::write_blank() { put("\r\n"); }

void ResultsReport::flush() {
  if (!sink_) return;
  bool ok = sink_->write(pending_) && sink_->flush();
  pending_.clear();
  if (!ok) throw Failure(FailureKind::WriteFailed, "fichero de resultados");
}

void ResultsReport::sync() {
  flush();
  if (sink_ && !sink_->sync()) throw Failure(FailureKind::WriteFailed, "fichero de resultados");
}

void ResultsReport::close() {
  if (!sink_) return;
  flush();
  bool ok = sink_->close();
  sink_.reset();
  if (!ok) throw Failure(FailureKind::WriteFailed, "fichero de resultados");
}

}  // namespace tendencia
