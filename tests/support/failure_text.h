// A failure as one comparable text, "what @ where", for tests that check both.
#pragma once

#include <string>

#include "core/failure.h"

namespace tendencia::testing {

inline std::string failure_text(const Failure& failure) {
  return std::string(describe(failure.kind())) + " @ " + failure.place();
}

}  // namespace tendencia::testing
