#include "programs/term_choice.h"

#include <algorithm>

#include "core/failure.h"
#include "text/quoted.h"

namespace tendencia {

std::string known_term_names() {
  std::string list;
  for (TermGroup g : all_term_groups()) list += std::string(list.empty() ? "" : ", ") + term_name(g);
  return list;
}

std::vector<TermGroup> chosen_terms(const std::vector<std::string>& names) {
  std::vector<TermGroup> named;
  for (const std::string& name : names) {
    const std::optional<TermGroup> group = term_group_named(name);
    if (!group)
      throw CommandLineRefused("término desconocido: " + quoted(name) + " (los términos son " +
                               known_term_names() + ")");
    if (std::find(named.begin(), named.end(), *group) != named.end())
      throw CommandLineRefused("el término " + name + " aparece más de una vez");
    named.push_back(*group);
  }
  std::vector<TermGroup> ordered;
  for (TermGroup g : all_term_groups())
    if (std::find(named.begin(), named.end(), g) != named.end()) ordered.push_back(g);
  return ordered;
}

}  // namespace tendencia
