// One run on one problem, from the problem name to the farewell.
#pragma once

#include "ui/dialogue.h"
#include "text/separators.h"

namespace tendencia {

// Runs the whole sequence. Any failure leaves as a Failure exception, with every
// report line written before it already in the results file.
void run_sequence(Dialogue& dialogue, const Separators& separators);

}  // namespace tendencia
