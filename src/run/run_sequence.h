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

// The same run, the data file read from `folder`, with its report gathered in
// memory instead of the results file: returns the bytes the results file
// would hold, for a program that writes it whole once the run is complete.
// A failure leaves as run_sequence's does, and the lines written are lost.
std::string run_sequence_report(Dialogue& dialogue, const Separators& separators,
                                const std::string& folder);

}  // namespace tendencia
