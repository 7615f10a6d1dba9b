// Every program's command line is read by a parser of the same shape: the
// request, or CommandLineRefused saying why.
#include <gtest/gtest.h>

#include "core/failure.h"
#include "programs/tendencia/command_line.h"

namespace tendencia {
namespace {

TEST(TerminalCommandLine, TakesNoArgument) {
  terminal::parse_command_line({});
  EXPECT_THROW(terminal::parse_command_line({"ventas"}), CommandLineRefused);
}

}  // namespace
}  // namespace tendencia
