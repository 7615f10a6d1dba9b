// What tendencia-lote does with its command line: every series of the sheet
// the whole way, on every processor, and the tables of all of them; or the
// parts of the shards merged into those tables.
#pragma once

#include <exception>

#include "programs/lote/command_line.h"

namespace tendencia::lote {

// Returns the exit status: 0 when every series is projected, 1 when any is
// refused. A Ctrl+C ends the process by its signal once the series in hand
// are done and the tables of what is done are written. Throws a Failure,
// ImportRefused (the sheet) or MergeRefused for the program's frame.
int lote_program(const Request& request);

// The failure that stopped the whole program, on stderr; returns 1.
int lote_failed(const Request& request, const std::exception& error);

}  // namespace tendencia::lote
