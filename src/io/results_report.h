// The results file: lines of items laid out in 14-column print zones, written in
// Windows-1252 with CR LF line ends.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "io/byte_sink.h"
#include "text/separators.h"

namespace tendencia {

// One report line under construction. Items follow each other directly (the ";"
// separator); next_zone() is the "," separator.
class ReportLine {
 public:
  explicit ReportLine(const Separators& separators) : separators_(&separators) {}

  ReportLine& text(std::string_view utf8);      // the program's texts, typed answers
  ReportLine& raw(std::string_view cp1252);     // bytes read from the data file
  ReportLine& number(double value);             // print form
  ReportLine& whole(long long value);           // print form of a whole number, faster
  // Pads with blanks to the first zone start (columns 1, 15, 29, ...) strictly
  // after the write position, so a "," at a zone start skips that whole zone.
  ReportLine& next_zone();

  std::string_view bytes() const { return {buffer_.data(), size_}; }
  void clear() { size_ = 0; }

  static constexpr std::size_t kZoneWidth = 14;

 private:
  // Room for `n` more bytes at the end; returns where they start. The buffer
  // only grows, so a line reused row after row never allocates again.
  char* room(std::size_t n);

  const Separators* separators_;
  std::string buffer_;  // the line is its first size_ bytes
  std::size_t size_ = 0;
};

class ResultsReport {
 public:
  ResultsReport(std::unique_ptr<ByteSink> sink, Separators separators);
  ResultsReport(ResultsReport&&) = default;
  ResultsReport& operator=(ResultsReport&&) = default;
  // A run that stops by an exception still leaves every written line on disk.
  ~ResultsReport();

  // Creates or replaces the file `file_name` ("E" + name + ".TXT") of
  // `folder` (io/problem_files.h); FileNotCreatable failure, naming the file,
  // otherwise, and for a name that reaches out of the folder.
  static ResultsReport create(const std::string& folder, const std::string& file_name,
                              const Separators& separators);

  const Separators& separators() const { return separators_; }
  ReportLine line() const { return ReportLine(separators_); }

  void write(const ReportLine& line);
  void write_blank();
  // Every dialogue and every stop flushes, so no written line is ever lost.
  void flush();
  // Flushes and puts the file on the disk itself, so a report the program
  // announces survives a power cut; WriteFailed when the system refuses.
  void sync();
  void close();

 private:
  void put(std::string_view bytes);
  std::size_t to_piece_end() const;
  void write_whole_pieces();

  // Between dialogues, lines reach the sink in pieces of this size, each ending
  // at a multiple of it in the file.
  static constexpr std::size_t kPieceBytes = 1 << 16;

  std::unique_ptr<ByteSink> sink_;
  Separators separators_;
  std::string pending_;
  std::size_t written_ = 0;  // bytes the sink has taken
};

}  // namespace tendencia
