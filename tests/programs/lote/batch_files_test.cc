#include "programs/lote/batch_files.h"

#include <gtest/gtest.h>

namespace tendencia::lote {
namespace {

TEST(BatchFiles, NamesEachSeriesByItsPlaceAndEachPartByItsNumber) {
  EXPECT_EQ(series_name(0), "S0001");
  EXPECT_EQ(series_name(9998), "S9999");
  EXPECT_EQ(run_problem_name("S0007", false), "S0007");
  EXPECT_EQ(run_problem_name("S0007", true), "S0007d");
  EXPECT_EQ(summary_record_name("S0007d"), "RS0007d.CSV");
  EXPECT_EQ(forecasts_table_name(1, 1), "lote-pronosticos.csv");
  EXPECT_EQ(summary_table_name(3, 4), "lote-resumen-3-de-4.csv");
  for (auto [k, n] : {std::pair{1, 2}, {3, 4}, {12, 9999}})
    EXPECT_EQ(summary_part_of(summary_table_name(k, n)), std::make_pair(k, n));
  // A whole run, --parte 1/1 too, writes the tables themselves.
  for (const char* other : {"lote-resumen.csv", "lote-resumen-1-de-1.csv", "lote-resumen-5-de-4.csv", "lote-resumen-0-de-4.csv",
                            "lote-resumen-03-de-4.csv", "lote-resumen-+3-de-4.csv",
                            "lote-resumen-3-de-4.CSV", "lote-pronosticos-3-de-4.csv",
                            "lote-resumen-3-de-.csv", ".lote-resumen-3-de-4.csv.1-0.tmp"})
    EXPECT_EQ(summary_part_of(other), std::nullopt) << other;
}

}  // namespace
}  // namespace tendencia::lote
