// The user's trend function F(X): a fixed sum of ten terms over 25 coefficients
// b0..b24, fitted elsewhere. Here it is entered, evaluated and written out.
#pragma once

#include <array>
#include <string>

#include "model/int16_arithmetic.h"
#include "ui/dialogue.h"

namespace tendencia {

struct Coefficients {
  std::array<double, 25> b{};
};

// The explanatory message box, then one input box per coefficient "b0".."b24".
// An empty answer (or Cancel) stores 0; any other goes through the leading-number
// conversion, so only a number beyond the double range stops the run.
Coefficients enter_coefficients(Dialogue& dialogue);

// The text of the explanatory message box.
std::string coefficient_prompt();

// F(X). Every term is computed at every call, whatever its coefficients, so a
// term with a zero outer coefficient can still stop the run (log(0), 0/0, ...).
double evaluate(const Coefficients& c, Int16 x);

// The four formula lines of the report, each the plain concatenation of its items.
std::array<std::string, 4> formula_lines(const Coefficients& c);

}  // namespace tendencia
