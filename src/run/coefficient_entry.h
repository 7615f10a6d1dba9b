// The coefficient questions: the user types b0..b24 of the trend function.
#pragma once

#include <string>

#include "model/trend_function.h"
#include "ui/dialogue.h"

namespace tendencia {

// The explanatory message box, then one input box per coefficient "b0".."b24".
// An empty answer (or Cancel) stores 0; any other goes through the leading-number
// conversion, so only a number beyond the double range stops the run.
Coefficients enter_coefficients(Dialogue& dialogue);

// The text of the explanatory message box.
std::string coefficient_prompt();

}  // namespace tendencia
