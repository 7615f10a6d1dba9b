#include "run/coefficient_entry.h"

#include "core/failure.h"
#include "text/conversions.h"
#include "text/number_forms.h"

namespace tendencia {

std::string coefficient_prompt() {
  const std::string lf = "\n";
  return "Introduzca los coeficientes b0 a b24 de la funcion a extrapolar" + lf + lf +
         "previamente obtenida por ajuste de la serie a la sucesión: 1, 2, 3, ...." + lf + lf +
         "   F(X) = b0 + b1*X^b2 + b3*X^b4 + b5*exp(b6*X) + b7*log(X+b8)" + lf + lf +
         "        + b9*cos(b10*X+b11) + b12*cos(b13*X+b14)" + lf + lf +
         "        + b15*X/(b16+X) + b17*exp(b18*X)/(1+b19*exp(b20*X))" + lf + lf +
         "        + b21*exp(b22*X)/(1+b23*exp(b24*X))";
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
