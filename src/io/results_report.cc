#include "io/results_report.h"

#include <algorithm>
#include <cstring>

#include "core/failure.h"
#include "io/problem_files.h"
#include "text/number_forms.h"
#include "text/text_encoding.h"

namespace tendencia {

char* ReportLine::room(std::size_t n) {
  if (size_ + n > buffer_.size()) buffer_.resize(std::max(2 * buffer_.size(), size_ + n + 64));
  return buffer_.data() + size_;
}

ReportLine& ReportLine::text(std::string_view utf8) { return raw(utf8_to_cp1252(utf8)); }

ReportLine& ReportLine::raw(std::string_view cp1252) {
  std::memcpy(room(cp1252.size()), cp1252.data(), cp1252.size());
  size_ += cp1252.size();
  return *this;
}

ReportLine& ReportLine::number(double value) {
  const std::string& decimal = separators_->decimal;
  size_ += write_number(room(kMaxNumberChars + 2 + decimal.size()), value < 0.0 ? '-' : ' ',
                        value, decimal, ' ');
  return *this;
}

ReportLine& ReportLine::whole(long long value) {
  const std::string& decimal = separators_->decimal;
  size_ += write_whole_number(room(kMaxNumberChars + 2 + decimal.size()), value < 0 ? '-' : ' ',
                              value, decimal, ' ');
  return *this;
}

ReportLine& ReportLine::next_zone() {
  std::size_t next_start = (size_ / kZoneWidth + 1) * kZoneWidth;  // size_: 0-based column
  std::memset(room(next_start - size_), ' ', next_start - size_);
  size_ = next_start;
  return *this;
}

ResultsReport::ResultsReport(std::unique_ptr<ByteSink> sink, Separators separators)
    : sink_(std::move(sink)), separators_(std::move(separators)) {}

ResultsReport::~ResultsReport() {
  if (!sink_) return;
  sink_->write(pending_);
  sink_->flush();
}

ResultsReport ResultsReport::create(const std::string& folder, const std::string& file_name,
                                    const Separators& separators) {
  std::unique_ptr<FileSink> sink;
  if (names_a_file_here(file_name)) sink = FileSink::create(path_in(folder, file_name));
  if (!sink) throw Failure(FailureKind::FileNotCreatable, "fichero de resultados " + file_name);
  return ResultsReport(std::move(sink), separators);
}

// Lines gather in memory and reach the sink in large writes; a long report then
// costs a handful of system calls instead of one per line.
void ResultsReport::put(std::string_view bytes) {
  pending_.append(bytes);
  if (pending_.size() >= to_piece_end()) write_whole_pieces();
}

void ResultsReport::write(const ReportLine& line) {
  pending_.append(line.bytes());
  put("\r\n");
}

void ResultsReport::write_blank() { put("\r\n"); }

// Each piece ends where the file reaches a multiple of kPieceBytes, so the
// system is given whole pages to store, and whole large pages where it keeps
// them: the same bytes cost it half as much as pieces across page edges.
std::size_t ResultsReport::to_piece_end() const { return kPieceBytes - written_ % kPieceBytes; }

void ResultsReport::write_whole_pieces() {
  if (!sink_) return;
  std::size_t start = 0;
  for (std::size_t piece = to_piece_end(); pending_.size() - start >= piece;
       piece = to_piece_end()) {
    if (!sink_->write(std::string_view(pending_).substr(start, piece))) {
      pending_.clear();  // nothing after a refused piece, or the file would have a gap
      throw Failure(FailureKind::WriteFailed, "fichero de resultados");
    }
    written_ += piece;
    start += piece;
  }
  pending_.erase(0, start);
}

void ResultsReport::flush() {
  if (!sink_) return;
  bool ok = sink_->write(pending_) && sink_->flush();
  written_ += pending_.size();
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
