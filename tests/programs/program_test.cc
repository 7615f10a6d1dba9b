// How every program shows a failure: one line, in Spanish, memory that ran out
// included, whichever program and whichever place shows it.
#include "programs/program.h"

#include <gtest/gtest.h>

#include <new>

#include "core/failure.h"
#include "io/import_summary.h"
#include "run/run_program.h"

namespace tendencia {
namespace {

TEST(FailureLine, SaysWhatFailedAndWhatFollowsWithMemoryNamedInSpanish) {
  const Failure division(FailureKind::DivisionByZero, "F(X) en X = 6");
  EXPECT_EQ(failure_line(division, "No se dibuja ningún gráfico.", "al dibujar Ek.TXT"),
            "Error al dibujar Ek.TXT: división por cero (F(X) en X = 6). No se dibuja ningún "
            "gráfico.");
  // The studio's fit, the run, the importer: the same words for memory that ran out.
  const std::bad_alloc exhausted;
  EXPECT_EQ(failure_line(exhausted, "No se cambia ningún coeficiente."),
            "Error: memoria insuficiente. No se cambia ningún coeficiente.");
  EXPECT_EQ(error_report(exhausted).rfind("Error: memoria insuficiente.\n", 0), 0u);
  EXPECT_EQ(import_failure_text("s.csv", exhausted),
            "Error al importar s.csv: memoria insuficiente. No se escribe ningún fichero de datos.");
}

}  // namespace
}  // namespace tendencia
