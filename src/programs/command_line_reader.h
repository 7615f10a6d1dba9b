// The one reader of every program's command line: which arguments are
// options, which values each option takes, and the refusals they all share.
//
//   argument := "--" NAME "=" VALUE   the option NAME with its first value
//             | "--" NAME             the option NAME; its values follow
//             | "-" CHARACTERS        an unknown option: refused
//             | OPERAND               anything else, "-" alone included
//
// An option is read once (a repeatable one may come again, its values adding
// up); one that takes values takes them from the arguments after it, whatever
// they look like, so "--guion 5 -2001" gives -2001 to --guion.
//
// Every refusal is a CommandLineRefused in one of these words:
//   opción desconocida: "--x"
//   --x aparece más de una vez
//   --x no lleva valor
//   falta K después de --x                  (K: the value's name in the usage)
//   sobra "x"                               (an operand too many)
//   --x necesita <what it needs>, no "v"    (a value it cannot take)
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/failure.h"

namespace tendencia {

struct OptionRule {
  std::string name;                 // "--puntos"
  std::vector<std::string> values;  // the names of its values in the usage: {"K"}; none for a flag
  bool repeatable = false;          // may come more than once
  // When set, an argument is one of its values only if it has this shape; a
  // missing first value is refused, and with `more` every following
  // argument of this shape is one more value (--inicio b1=2 b2=0.9).
  bool (*shape)(const std::string& argument) = nullptr;
  bool more = false;
};

struct CommandLine {
  struct Given {
    std::string name;
    std::vector<std::string> values;
  };
  std::vector<std::string> operands;  // in the order given
  std::vector<Given> options;         // in the order given

  bool has(const std::string& name) const;
  // The first value of option `name`, when it was given.
  std::optional<std::string> value(const std::string& name) const;
  // Every value of option `name`, in the order given; empty when it was not.
  std::vector<std::string> values(const std::string& name) const;
};

// Reads `arguments` (those after the program's name) with the options of
// `rules`. Throws CommandLineRefused for an unknown option, an option given
// twice that is not repeatable, a value given to a flag or a missing value.
CommandLine read_command_line(const std::vector<std::string>& arguments,
                              const std::vector<OptionRule>& rules);

// Refuses the operands after the first `most`: sobra "x".
void refuse_operands_beyond(const CommandLine& line, std::size_t most);

// "--x necesita <needs>, no "v"": `what` is the option, followed by the
// value's name where it takes more than one ("--guion M").
[[noreturn]] void refuse_value(const std::string& what, const std::string& needs,
                               const std::string& text);

// The whole number `text` holds by the number scanner's rules
// (text/number_scanner.h): [+-]digits and nothing else, so "007" is 7 and " 7"
// is no number; within low..high. Else refuse_value with "un número entero de
// low a high".
int whole_value(const std::string& text, int low, int high, const std::string& what);

// A level `tendencia` runs at, 90, 95 or 99, written as a whole number
// (its table has those three columns); else refuse_value.
int run_level_value(const std::string& text, const std::string& what);

// The number `text` holds written with "." as decimal separator,
// [+-]digits[.digits][(E|e)[+-]digits] and nothing else, within the double
// range; else refuse_value with `needs`.
double decimal_value(const std::string& text, const std::string& what, const std::string& needs);

}  // namespace tendencia
