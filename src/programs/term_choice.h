// The terms of F(X) a command line names, as tendencia-ajuste and
// tendencia-estudio both take them.
#pragma once

#include <string>
#include <vector>

#include "model/trend_terms.h"

namespace tendencia {

// "constante, potencia, ..., logistica2": every term's name, for a refusal.
std::string known_term_names();

// The groups `names` name, in the order of F(X) whatever their order here.
// CommandLineRefused for a name that is no term's (término desconocido: "x"
// (los términos son ...)) or one named twice (el término x aparece más de una
// vez).
std::vector<TermGroup> chosen_terms(const std::vector<std::string>& names);

}  // namespace tendencia
