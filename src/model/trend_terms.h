// The one table of F(X)'s terms: each group's name, the coefficients it owns,
// what each of them does, and how the group is written. The dialogue's formula,
// the report's formula lines, the fit's term names and starting values, and
// the help texts all read it; F(X) itself is evaluated in trend_function.h.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tendencia {

enum class TermGroup {
  Constant,
  Power,
  SecondPower,
  Exponential,
  Logarithm,
  Cosine,
  SecondCosine,
  Hyperbola,
  Logistic,
  SecondLogistic
};

// A coefficient's place within its group (coefficient_of).
constexpr int kOuter = 0;  // the one F(X) is linear in: b0, b1, b3, b5, ...
constexpr int kShape = 1;  // the exponent, rate, shift or frequency
constexpr int kPhase = 2;  // a cosine's phase
constexpr int kDenominatorScale = 2;  // a logistic's b in 1 + b·exp(cX)
constexpr int kDenominatorRate = 3;   // a logistic's c in 1 + b·exp(cX)

struct TermGroupEntry {
  TermGroup group;
  const char* name;  // as the command lines name it: "constante", "potencia", ...
  int first, count;  // the group owns b[first] .. b[first + count - 1]
  int formula_line;  // 0..3: the line of the written formula that holds it
  // The term with {i} for its i-th coefficient; what stands in [ ] is put in
  // parentheses in the report and written bare in the dialogue.
  const char* text;
};

// Every group, in the order of F(X).
const std::array<TermGroupEntry, 10>& term_table();
const std::vector<TermGroup>& all_term_groups();

const char* term_name(TermGroup group);

// The group a name denotes; nothing for any other text.
std::optional<TermGroup> term_group_named(std::string_view name);

// The k of the coefficient bk at `place` within the group (kOuter, kShape...).
int coefficient_of(TermGroup group, int place);

// The indices k of the coefficients bk the group owns, in increasing order.
std::vector<int> term_coefficients(TermGroup group);

// "b1, b2": the group's coefficients by name.
std::string coefficient_list(TermGroup group);

// How the formula is laid out: the first line's start, every other line's
// start, and whether [ ] in a term's text become parentheses.
struct FormulaStyle {
  const char* first_line;
  const char* other_lines;
  bool parenthesised;
};

// One group's term, each coefficient k written as `coefficient(k)`.
std::string term_text(TermGroup group, const std::function<std::string(int)>& coefficient,
                      bool parenthesised);

// "b1*X^b2": the group's term as the dialogue and the help texts write it.
std::string term_formula(TermGroup group);

// The four lines of F(X), each coefficient k written as `coefficient(k)`.
std::array<std::string, 4> formula_text(const std::function<std::string(int)>& coefficient,
                                        const FormulaStyle& style);

}  // namespace tendencia
