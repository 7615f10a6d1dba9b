#include "io/results_report.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/failure.h"
#include "support/recording_sink.h"
#include "support/temp_directory.h"

namespace tendencia {
namespace {

using testing::RecordingSink;
using testing::SinkLog;

const Separators kC;

TEST(ReportLine, PrintZonesStartEveryFourteenColumns) {
  ReportLine header(kC);
  header.text("Año o periodo").next_zone().text(" TENDENCIA").next_zone().next_zone()
      .text("MINIMO    ").next_zone().next_zone().text("MAXIMO    ");
  const std::string b(header.bytes());
  EXPECT_EQ(b.find("A\xf1o"), 0u);           // column 1
  EXPECT_EQ(b.find(" TENDENCIA"), 14u);      // column 15
  EXPECT_EQ(b.find("MINIMO"), 42u);          // column 43
  EXPECT_EQ(b.find("MAXIMO"), 70u);          // column 71
  EXPECT_EQ(b.size(), 80u);
}

TEST(ReportLine, AZoneSeparatorAtAZoneStartSkipsTheWholeZone) {
  ReportLine line(kC);
  line.text("12345678901234").next_zone().text("x");  // ends exactly at a zone start
  EXPECT_EQ(line.bytes().find('x'), 28u);
  ReportLine short_item(kC);
  short_item.text("1234567890123").next_zone().text("x");
  EXPECT_EQ(short_item.bytes().find('x'), 14u);
  ReportLine long_item(kC);
  long_item.text(std::string(30, 'a')).next_zone().text("x");
  EXPECT_EQ(long_item.bytes().find('x'), 42u);
}

TEST(ReportLine, NumberItemsHaveABlankBeforeAndAfter) {
  ReportLine line(kC);
  line.number(2001).next_zone().number(2);
  EXPECT_EQ(line.bytes(), " 2001          2 ");
  ReportLine joined(kC);
  joined.text("El número de puntos considerado es: ").number(3);
  EXPECT_EQ(joined.bytes(), "El n\xfamero de puntos considerado es:  3 ");
  ReportLine raw(kC);
  raw.number(1).next_zone().raw("\x81\x8d text");
  EXPECT_EQ(raw.bytes(), " 1            \x81\x8d text");
}

TEST(ResultsReport, WritesCrLfLinesAndFlushesOnDemand) {
  SinkLog log;
  ResultsReport report(std::make_unique<RecordingSink>(log), kC);
  report.write(report.line().text("Se extrapolan  2  puntos"));
  report.write_blank();
  EXPECT_EQ(log.written, "");  // buffered until a dialogue or the end needs it
  report.flush();
  EXPECT_EQ(log.written, "Se extrapolan  2  puntos\r\n\r\n");
  report.close();
  EXPECT_TRUE(log.closed);
}

TEST(ResultsReport, AStopByExceptionStillLeavesTheLinesInTheFile) {
  SinkLog log;
  try {
    ResultsReport report(std::make_unique<RecordingSink>(log), kC);
    report.write(report.line().text("kept"));
    throw Failure(FailureKind::Overflow);
  } catch (const Failure&) {
  }
  EXPECT_EQ(log.written, "kept\r\n");
}

TEST(ResultsReport, AWriteErrorIsAFailureNotASuccess) {
  SinkLog log;
  ResultsReport report(std::make_unique<RecordingSink>(log), kC);
  report.write(report.line().text("line"));
  log.refuse_writes = true;
  try {
    report.flush();
    FAIL() << "a refused write was not reported";
  } catch (const Failure& f) {
    EXPECT_EQ(f.kind(), FailureKind::WriteFailed);
  }
}

TEST(ResultsReport, SyncPutsPendingLinesOnTheDeviceAndAFailingSyncIsAFailure) {
  SinkLog log;
  ResultsReport report(std::make_unique<RecordingSink>(log), kC);
  report.write(report.line().text("line"));
  report.sync();
  EXPECT_EQ(log.written, "line\r\n");
  EXPECT_EQ(log.syncs, 1);
  log.refuse_sync = true;
  try {
    report.sync();
    FAIL() << "a refused sync was not reported";
  } catch (const Failure& f) {
    EXPECT_EQ(f.kind(), FailureKind::WriteFailed);
  }
}

// Between dialogues, lines reach the file in pieces that end on 64 KiB
// boundaries of the file, however much a dialogue flushed before; and a piece
// the file refuses is the last thing written.
TEST(ResultsReport, PiecesEndOn64KiBBoundariesAndStopAtARefusal) {
  SinkLog log;
  ResultsReport report(std::make_unique<RecordingSink>(log), kC);
  report.write(report.line().text("Se extrapolan  31767  puntos"));
  report.flush();  // a dialogue: whatever is pending, however short
  auto write_block = [&] {
    for (int i = 0; i < 700; ++i) report.write(report.line().text(std::string(97, 'a' + i % 26)));
  };
  for (int i = 0; i < 6; ++i) {
    write_block();
    for (int j = 0; j < 50; ++j) report.write(report.line().text("row"));
  }
  ASSERT_GE(log.writes.size(), 5u);
  std::size_t end = log.writes[0];
  for (std::size_t k = 1; k < log.writes.size(); ++k) {
    end += log.writes[k];
    EXPECT_EQ(end % 65536, 0u) << "write " << k << " ends at " << end;
  }
  const std::size_t before = log.written.size();
  log.refuse_beyond = before + 1000;
  EXPECT_THROW(write_block(), Failure);
  report.write(report.line().text("after"));
  EXPECT_THROW(report.flush(), Failure);
  EXPECT_EQ(log.written.size(), before);
}

TEST(ResultsReport, IsCreatedInItsFolderAndNeverOutsideIt) {
  testing::TempDirectory directory;
  std::filesystem::create_directory(directory.file("Ea"));
  for (const char* name : {"Ea/b.TXT", "E/tmp/x.TXT"}) {
    try {
      ResultsReport::create(directory.folder(), name, kC);
      FAIL() << name;
    } catch (const Failure& f) {
      EXPECT_EQ(f.kind(), FailureKind::FileNotCreatable);
      EXPECT_EQ(f.place(), std::string("fichero de resultados ") + name);
    }
  }
  EXPECT_TRUE(std::filesystem::is_empty(directory.file("Ea")));
  EXPECT_THROW(ResultsReport::create(directory.folder(), std::string("Ea\0b.TXT", 8), kC), Failure);
  ResultsReport report = ResultsReport::create(directory.folder(), "Ex.TXT", kC);
  report.write(report.line().text("uno"));
  report.close();
  EXPECT_EQ(testing::read_file(directory.file("Ex.TXT")), "uno\r\n");
}

}  // namespace
}  // namespace tendencia
