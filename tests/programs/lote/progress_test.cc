#include "programs/lote/progress.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace tendencia::lote {
namespace {

std::string told(std::FILE* file) {
  std::rewind(file);
  std::string text;
  for (int c = std::fgetc(file); c != EOF; c = std::fgetc(file)) text += static_cast<char>(c);
  return text;
}

TEST(Progress, SaysTheSeriesDoneAndTheTimeLeft) {
  EXPECT_EQ(progress_words(57, 2, 200, 200.4), "57 de 200 series, 2 rechazadas; quedan unos 3 min 20 s");
  EXPECT_EQ(progress_words(1, 1, 9, 3725), "1 de 9 series, 1 rechazada; quedan unos 1 h 2 min 5 s");
  EXPECT_EQ(progress_words(0, 0, 9, 59.6), "0 de 9 series, 0 rechazadas; quedan unos 1 min 0 s");
  EXPECT_EQ(progress_words(3, 0, 9, std::nullopt), "3 de 9 series, 0 rechazadas");
}

// A log gets a line a tenth, whatever the number of series.
TEST(Progress, OutsideATerminalTellsEachTenthOnce) {
  for (std::size_t total : {3u, 10u, 25u}) {
    std::FILE* log = std::tmpfile();
    ASSERT_NE(log, nullptr);
    Progress progress(total, log, false);
    for (std::size_t i = 0; i < total; ++i) progress.series_done(i == 1, false);
    progress.finish();
    const std::string text = told(log);
    std::fclose(log);
    EXPECT_EQ(text.substr(text.rfind('\n', text.size() - 2) + 1),
              "tendencia-lote: " + std::to_string(total) + " de " + std::to_string(total) +
                  " series, 1 rechazada (100 %)\n");
    std::size_t lines = 0;
    for (char c : text) lines += c == '\n';
    EXPECT_EQ(lines, std::min<std::size_t>(total, 10)) << text;
  }
}

TEST(Progress, OnATerminalRewritesOneLine) {
  std::FILE* terminal = std::tmpfile();
  ASSERT_NE(terminal, nullptr);
  Progress progress(2, terminal, true);
  progress.series_done(false, true);
  progress.series_done(false, false);
  progress.finish();
  const std::string text = told(terminal);
  std::fclose(terminal);
  // Taken series cost nothing: the time left is told from the worked ones only.
  EXPECT_EQ(text.rfind("\r1 de 2 series, 0 rechazadas\033[K\r2 de 2 series, 0 rechazadas; quedan "
                       "unos 0 s\033[K\n", 0), 0u) << text;
}

}  // namespace
}  // namespace tendencia::lote
