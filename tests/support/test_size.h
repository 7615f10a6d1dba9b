// How large a test's inputs are. The sanitizer build runs every test on the
// same code paths as the normal build, but its fits run many times slower: a
// test whose full size would take minutes there takes a smaller input, and
// keeps its full size in the normal build (make test runs both).
#pragma once

namespace tendencia::testing {

#ifdef TENDENCIA_SANITIZED_TESTS
constexpr bool kSanitizedTests = true;
#else
constexpr bool kSanitizedTests = false;
#endif

// `full` in the normal build, `sanitized` under the sanitizers.
constexpr int sized(int full, int sanitized) { return kSanitizedTests ? sanitized : full; }

}  // namespace tendencia::testing
