// One run on one problem, from the problem name to the farewell.
#pragma once

#include <string>

#include "text/separators.h"
#include "ui/dialogue.h"

namespace tendencia {

// Runs the whole sequence on the problem's files in `folder`
// (io/problem_files.h). Any failure leaves as a Failure exception, with every
// report line written before it already in the results file.
void run_sequence(Dialogue& dialogue, const Separators& separators, const std::string& folder);

}  // namespace tendencia
