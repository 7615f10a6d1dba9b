// The ten groups of terms of F(X), by the name the command line gives them, and
// the coefficients b0..b24 each group owns.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tendencia {

enum class TermGroup {
  Constant,       // b0
  Power,          // b1*X^b2
  SecondPower,    // b3*X^b4
  Exponential,    // b5*exp(b6*X)
  Logarithm,      // b7*log(X+b8)
  Cosine,         // b9*cos(b10*X+b11)
  SecondCosine,   // b12*cos(b13*X+b14)
  Hyperbola,      // b15*X/(b16+X)
  Logistic,       // b17*exp(b18*X)/(1+b19*exp(b20*X))
  SecondLogistic  // b21*exp(b22*X)/(1+b23*exp(b24*X))
};

// Every group, in the order of F(X).
const std::vector<TermGroup>& all_term_groups();

// The command-line name ("constante", "potencia", ... "logistica2").
const char* term_name(TermGroup group);

// The group a command-line name denotes; nothing for any other text.
std::optional<TermGroup> term_group_named(std::string_view name);

// The indices k of the coefficients bk the group owns, in increasing order.
std::vector<int> term_coefficients(TermGroup group);

// "b1, b2": the group's coefficients as the report names them.
std::string coefficient_list(TermGroup group);

}  // namespace tendencia
