#include "run/coefficient_entry.h"

#include "core/failure.h"
#include "model/trend_terms.h"
#include "text/conversions.h"
#include "text/number_forms.h"

namespace tendencia {

std::string coefficient_prompt() {
  const std::string lf = "\n";
  std::string prompt = "Introduzca los coeficientes b0 a b24 de la funcion a extrapolar" + lf + lf +
                       "previamente obtenida por ajuste de la serie a la sucesión: 1, 2, 3, ....";
  for (const std::string& line :
       formula_text([](int k) { return "b" + std::to_string(k); }, FormulaStyle{"   ", "        ", false}))
    prompt += lf + lf + line;
  return prompt;
}

Coefficients enter_coefficients(Dialogue& dialogue) {
  dialogue.show_message(coefficient_prompt());
  Coefficients c;
  for (int k = 0; k < 25; ++k) {
    std::string label = "b" + sign_blank_form(k).substr(1);
    std::string answer = dialogue.ask(label);
    c.b[k] = answer.empty()
                 ? 0.0
                 : located("coeficiente " + label, [&] { return leading_number(answer); });
  }
  return c;
}

}  // namespace tendencia
