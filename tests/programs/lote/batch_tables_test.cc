#include "programs/lote/batch_tables.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "chart/forecast_table.h"
#include "programs/lote/batch_files.h"
#include "support/temp_directory.h"

namespace tendencia::lote {
namespace {

using namespace testing;

// Five series' results, the 4th refused, in the dialect of `separators`.
std::vector<SeriesResult> results(const Separators& separators) {
  const char d = table_delimiter(separators);
  std::vector<SeriesResult> all;
  for (std::size_t i = 0; i < 5; ++i) {
    const std::string name = series_name(i);
    if (i == 3) {
      all.push_back({name, "", table_row({name, "", "", "", "", "", "", "fila 5, columna 4: \"x\""}, d),
                     "fila 5, columna 4: \"x\"", false});
      continue;
    }
    std::string rows;
    for (int k = 0; k <= static_cast<int>(i); ++k)
      rows += table_row({name, "2001-0" + std::to_string(k + 1), std::to_string(k), "", "", ""}, d);
    all.push_back({name, rows, table_row({name, "constante, potencia", "serie", "1", "2", "90", "2", "ok"}, d),
                   "", false});
  }
  return all;
}

// The folder after shards of `parts` wrote their parts of `all`.
void write_parts(const TempDirectory& directory, const std::vector<SeriesResult>& all, int parts,
                 const Separators& separators) {
  Sheet sheet;
  for (std::size_t i = 0; i < all.size(); ++i) sheet.series.push_back({"Producto " + std::to_string(i), {}, ""});
  write_file(directory.file(kSeriesTable), series_table(sheet, separators));
  for (int k = 1; k <= parts; ++k) {
    std::vector<SeriesResult> part;
    for (std::size_t i = static_cast<std::size_t>(k - 1); i < all.size(); i += static_cast<std::size_t>(parts))
      part.push_back(all[i]);
    write_file(directory.file(forecasts_table_name(k, parts)), forecasts_table(part, separators));
    write_file(directory.file(summary_table_name(k, parts)), summary_table(part, separators));
  }
}

std::string refusal_of(const std::string& folder) {
  try {
    merge_parts(folder);
  } catch (const MergeRefused& refused) {
    return refused.what();
  }
  return "";
}

TEST(BatchTables, ThePartsMergeIntoTheTablesOfOneWholeRun) {
  for (const Separators& separators : {Separators{".", ""}, Separators{",", "."}}) {
    for (int parts : {2, 4, 7}) {
      SCOPED_TRACE(std::to_string(parts) + " partes, " + separators.decimal);
      TempDirectory directory;
      const std::vector<SeriesResult> all = results(separators);
      write_parts(directory, all, parts, separators);
      const MergedTables merged = merge_parts(directory.folder());
      EXPECT_EQ(merged.forecasts, forecasts_table(all, separators));
      EXPECT_EQ(merged.summary, summary_table(all, separators));
      EXPECT_EQ(merged.parts, parts);
      EXPECT_EQ(merged.series, 5u);
      EXPECT_EQ(merged.refused, std::vector<std::string>{"S0004 (Producto 3): fila 5, columna 4: \"x\""});
    }
  }
}

TEST(BatchTables, PartsThatDoNotMakeOneWholeRunAreRefused) {
  const std::vector<SeriesResult> all = results({});
  TempDirectory none;
  EXPECT_EQ(refusal_of(none.folder()),
            "no hay ninguna parte que unir (lote-resumen-K-de-N.csv, de --parte K/N)");
  TempDirectory missing;
  write_parts(missing, all, 3, {});
  std::filesystem::remove(missing.file("lote-resumen-2-de-3.csv"));
  EXPECT_EQ(refusal_of(missing.folder()), "falta la parte 2 de 3 (lote-resumen-2-de-3.csv)");
  std::filesystem::remove(missing.file("lote-pronosticos-3-de-3.csv"));
  write_file(missing.file("lote-resumen-2-de-3.csv"), summary_table({all[1], all[4]}, {}));
  EXPECT_EQ(refusal_of(missing.folder()), "falta lote-pronosticos-3-de-3.csv, la otra mitad de su parte");
  TempDirectory mixed;
  write_parts(mixed, all, 2, {});
  write_file(mixed.file("lote-resumen-1-de-3.csv"), summary_table({}, {}));
  EXPECT_NE(refusal_of(mixed.folder()).find("hay partes de repartos distintos"), std::string::npos);
  // A shard stopped half way left out a series.
  TempDirectory unfinished;
  write_parts(unfinished, all, 2, {});
  write_file(unfinished.file("lote-resumen-2-de-2.csv"), summary_table({all[1]}, {}));
  write_file(unfinished.file("lote-pronosticos-2-de-2.csv"), forecasts_table({all[1]}, {}));
  EXPECT_EQ(refusal_of(unfinished.folder()),
            "falta la serie S0004 de lote-series.csv: su parte no la terminó; vuelva a ejecutarla");
  TempDirectory twice;
  write_parts(twice, all, 2, {});
  write_file(twice.file("lote-resumen-2-de-2.csv"), summary_table({all[1], all[3], all[2]}, {}));
  EXPECT_EQ(refusal_of(twice.folder()), "la serie S0003 está en las partes 1 y 2");
}

}  // namespace
}  // namespace tendencia::lote
