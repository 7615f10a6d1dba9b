// The promise to the user, checked on the terminal program: it writes the whole
// report or stops with a clear message and exit status 1, and every line written
// before a stop is in the results file; no input makes it crash or hold memory.
#include <sys/mount.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <functional>

#include "support/child_process.h"
#include "support/temp_directory.h"

namespace tendencia {
namespace {

using namespace testing;

const std::string kWorkedData = "A\xf1o   NUMERO\r\n1 2\r\n2 4\r\n3 7\r\n";

// Answers of the worked example, M points projected.
std::vector<std::string> worked_answers(const std::string& points = "2") {
  return run_answers("t", points, "95", {}, {"2001"});
}

struct Stop {
  int status;
  std::string err;
  long max_rss_kb;
};

Stop run_to_the_end(const std::vector<std::string>& answers, const std::string& folder,
                    long file_size_limit = 0, std::vector<std::string> argv = {TENDENCIA_BINARY}) {
  ChildProcess child(argv, folder, file_size_limit);
  for (const std::string& a : answers) child.write_line(a);
  child.close_stdin();
  int status = child.wait();
  return {status, child.err(), child.max_rss_kb()};
}

bool exited_with(int status, int code) { return WIFEXITED(status) && WEXITSTATUS(status) == code; }

class Hardening : public ::testing::Test {
 protected:
  Hardening() { write_file(directory.file("Dt.TXT"), kWorkedData); }

  // The run in the test's folder.
  Stop run_here(const std::vector<std::string>& answers, long file_size_limit = 0) {
    return run_to_the_end(answers, directory.folder(), file_size_limit);
  }

  // The complete report of the same answers, made without any obstacle.
  std::string complete_report(const std::vector<std::string>& answers) {
    Stop stop = run_here(answers);
    EXPECT_TRUE(exited_with(stop.status, 0)) << stop.err;
    std::string report = read_file(directory.file("Et.TXT"));
    std::filesystem::remove(directory.file("Et.TXT"));
    return report;
  }

  TempDirectory directory;
};

TEST_F(Hardening, AWriteRefusedByAFileSizeLimitIsAFailureNotASuccess) {
  // A short report, and a long one whose projected rows are being written when
  // the limit is reached.
  for (auto [points, limit] : {std::pair<const char*, long>{"300", 8192},
                               std::pair<const char*, long>{"5000", 200000}}) {
    std::vector<std::string> answers = worked_answers(points);
    std::string complete = complete_report(answers);
    ASSERT_GT(complete.size(), static_cast<std::size_t>(2 * limit));
    Stop stop = run_here(answers, limit);
    EXPECT_TRUE(exited_with(stop.status, 1)) << stop.status;
    EXPECT_NE(stop.err.find("no se puede escribir el fichero"), std::string::npos) << stop.err;
    std::string kept = read_file(directory.file("Et.TXT"));
    EXPECT_EQ(kept.size(), static_cast<std::size_t>(limit));
    EXPECT_EQ(complete.compare(0, kept.size(), kept), 0)
        << "what is kept is not the report's start (M = " << points << ")";
  }
}

TEST_F(Hardening, AFullFilesystemIsAFailureNotASuccess) {
  std::string complete = complete_report(worked_answers("1000"));
  const std::string small = directory.file("small");
  std::filesystem::create_directory(small);
  if (mount("tmpfs", small.c_str(), "tmpfs", 0, "size=16k") != 0)
    GTEST_SKIP() << "this machine does not allow mounting a small file system";
  write_file(small + "/Dt.TXT", kWorkedData);
  Stop stop = run_to_the_end(worked_answers("1000"), small);
  std::string kept = read_file(small + "/Et.TXT");
  umount(small.c_str());
  EXPECT_TRUE(exited_with(stop.status, 1)) << stop.status;
  EXPECT_NE(stop.err.find("no se puede escribir el fichero"), std::string::npos) << stop.err;
  EXPECT_GT(kept.size(), 4096u);
  EXPECT_LT(kept.size(), complete.size());
  EXPECT_EQ(complete.compare(0, kept.size(), kept), 0) << "what is kept is not the report's start";
}

// At each input box of a full run, an interrupt or a termination ends the
// program (never with status 0) and the results file holds exactly the lines
// written before that question.
TEST_F(Hardening, ASignalAtAnyQuestionLosesNoLine) {
  std::vector<std::string> answers = worked_answers();
  std::string complete = complete_report(answers);
  auto prefix_until = [&](const std::string& marker) {
    return complete.substr(0, complete.find(marker) + marker.size());
  };
  const std::string after_points = prefix_until("puntos\r\n\r\n");
  const std::string after_level = prefix_until("95 %\r\n");
  const std::string after_header = prefix_until("MAXIMO    \r\n");
  for (int signal_number : {SIGINT, SIGTERM}) {
    for (std::size_t question = 0; question < answers.size(); ++question) {
      std::filesystem::remove(directory.file("Et.TXT"));
      ChildProcess child({TENDENCIA_BINARY}, directory.folder());
      for (std::size_t k = 0; k < question; ++k) child.write_line(answers[k]);
      ASSERT_TRUE(child.wait_for_output("\n> ", question + 1)) << "question " << question;
      child.signal(signal_number);
      int status = child.wait();
      EXPECT_FALSE(exited_with(status, 0)) << "question " << question;
      std::string expected = question == 0   ? "(none)"
                             : question == 1 ? ""
                             : question == 2 ? after_points
                             : question < answers.size() - 1 ? after_level
                                                             : after_header;
      std::string kept = std::filesystem::exists(directory.file("Et.TXT"))
                             ? read_file(directory.file("Et.TXT"))
                             : "(none)";
      EXPECT_EQ(kept, expected) << "signal " << signal_number << " at question " << question;
    }
  }
}

TEST_F(Hardening, AResultsFileThatCannotBeCreatedStopsAtThatStep) {
  // A name with "/" would name a file in another folder: nothing is created.
  std::filesystem::create_directory(directory.file("Ea"));
  write_file(directory.file("Da"), "");
  Stop slash = run_here({"a/b", "2", "95"});
  EXPECT_TRUE(exited_with(slash.status, 1));
  EXPECT_NE(slash.err.find("no se puede crear el fichero"), std::string::npos) << slash.err;
  EXPECT_TRUE(std::filesystem::is_empty(directory.file("Ea")));

  // A folder of that name.
  std::filesystem::create_directory(directory.file("Eq.TXT"));
  Stop folder = run_here({"q", "2", "95"});
  EXPECT_TRUE(exited_with(folder.status, 1));
  EXPECT_NE(folder.err.find("fichero de resultados Eq.TXT"), std::string::npos) << folder.err;
  EXPECT_TRUE(std::filesystem::is_empty(directory.file("Eq.TXT")));

  // A read-only folder (root ignores permissions: run as nobody then).
  const std::string ro = directory.file("ro");
  std::filesystem::create_directory(ro);
  std::filesystem::permissions(directory.path(), std::filesystem::perms::all);
  write_file(ro + "/Dt.TXT", kWorkedData);
  std::filesystem::permissions(ro, std::filesystem::perms::owner_read |
                                        std::filesystem::perms::owner_exec |
                                        std::filesystem::perms::group_read |
                                        std::filesystem::perms::group_exec |
                                        std::filesystem::perms::others_read |
                                        std::filesystem::perms::others_exec);
  std::vector<std::string> argv = {TENDENCIA_BINARY};
  if (geteuid() == 0)
    argv = {"/usr/bin/setpriv", "--reuid=65534", "--regid=65534", "--clear-groups",
            TENDENCIA_BINARY};
  Stop read_only = run_to_the_end(worked_answers(), ro, 0, argv);
  std::filesystem::permissions(ro, std::filesystem::perms::owner_all);
  EXPECT_TRUE(exited_with(read_only.status, 1)) << read_only.err;
  EXPECT_NE(read_only.err.find("no se puede crear el fichero"), std::string::npos) << read_only.err;
  EXPECT_FALSE(std::filesystem::exists(ro + "/Et.TXT"));
}

// A data file far larger than any series is refused early, in little memory,
// and the results file keeps the lines written before the data file was read.
// Memory is measured against the same binary refused for the same reason on a
// small file: the sanitizers' shadow memory and the allocator, which differ
// from machine to machine, are in both peaks, so only what the huge file itself
// costs is compared.
TEST_F(Hardening, HugeDataFilesAreRefusedWithoutBeingHeldInMemory) {
  const std::string first_lines =
      "Se extrapolan  2  puntos\r\n\r\nEl grado de confianza de los intervalos es:  95 %\r\n";
  constexpr long kHuge = 300L << 20;  // sparse: takes no disk
  constexpr long kSmall = 8L << 10;   // just beyond the longest field a row may hold
  constexpr long kHugeMayAddKb = 4 * 1024;
  auto refused = [&](const std::function<void(long)>& make_data_file, const std::string& why) {
    make_data_file(kSmall);
    Stop small = run_here(worked_answers());
    EXPECT_TRUE(exited_with(small.status, 1));
    EXPECT_NE(small.err.find(why), std::string::npos) << small.err;
    make_data_file(kHuge);
    Stop huge = run_here(worked_answers());
    EXPECT_TRUE(exited_with(huge.status, 1));
    EXPECT_NE(huge.err.find(why), std::string::npos) << huge.err;
    EXPECT_LT(huge.max_rss_kb, small.max_rss_kb + kHugeMayAddKb)
        << "small file: " << small.max_rss_kb << " kB";
    EXPECT_EQ(read_file(directory.file("Et.TXT")), first_lines);
    return huge;
  };

  refused(
      [&](long size) {  // one field, then NUL bytes and no line end
        {
          std::ofstream(directory.file("Dt.TXT"), std::ios::binary) << "T\r\n1 ";
        }
        std::filesystem::resize_file(directory.file("Dt.TXT"), static_cast<std::uintmax_t>(size));
      },
      "campo demasiado largo");

  Stop million = refused(
      [&](long size) {  // rows far beyond the last one a series may have
        std::ofstream out(directory.file("Dt.TXT"), std::ios::binary);
        out << "T\r\n";
        const int rows = size == kHuge ? 1000000 : 1001;
        for (int i = 1; i <= rows; ++i) out << i << ' ' << i << "\r\n";
      },
      "demasiadas filas");
  EXPECT_NE(million.err.find("fila 1001"), std::string::npos) << million.err;

  refused(
      [&](long size) {  // one field of blanks and NULs
        {
          std::ofstream(directory.file("Dt.TXT"), std::ios::binary) << "T\r\n";
        }
        std::filesystem::resize_file(directory.file("Dt.TXT"), static_cast<std::uintmax_t>(size));
        std::ofstream(directory.file("Dt.TXT"), std::ios::binary | std::ios::in | std::ios::out).seekp(3) << "1";
      },
      "campo demasiado largo");
}

}  // namespace
}  // namespace tendencia
