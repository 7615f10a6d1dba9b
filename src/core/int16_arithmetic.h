// Counts, levels and period labels are 16-bit signed integers, and the program's
// promise is that leaving -32768..32767 stops the run instead of wrapping round.
#pragma once

#include <cstdint>

#include "core/failure.h"

namespace tendencia {

using Int16 = std::int16_t;

inline Int16 narrow16(long value) {
  if (value < INT16_MIN || value > INT16_MAX) throw Failure(FailureKind::Overflow);
  return static_cast<Int16>(value);
}

inline Int16 add16(Int16 a, Int16 b) { return narrow16(long{a} + long{b}); }
inline Int16 sub16(Int16 a, Int16 b) { return narrow16(long{a} - long{b}); }

}  // namespace tendencia
