#include "fit/term_groups.h"

namespace tendencia {
namespace {

struct GroupEntry {
  TermGroup group;
  const char* name;
  int first;  // the group owns b[first] .. b[first + count - 1]
  int count;
};

// The table of F(X): its groups, their names and coefficients, in one place.
constexpr GroupEntry kGroups[] = {
    {TermGroup::Constant, "constante", 0, 1},
    {TermGroup::Power, "potencia", 1, 2},
    {TermGroup::SecondPower, "potencia2", 3, 2},
    {TermGroup::Exponential, "exponencial", 5, 2},
    {TermGroup::Logarithm, "logaritmo", 7, 2},
    {TermGroup::Cosine, "coseno", 9, 3},
    {TermGroup::SecondCosine, "coseno2", 12, 3},
    {TermGroup::Hyperbola, "hiperbola", 15, 2},
    {TermGroup::Logistic, "logistica", 17, 4},
    {TermGroup::SecondLogistic, "logistica2", 21, 4},
};

const GroupEntry& entry(TermGroup group) {
  for (const GroupEntry& e : kGroups)
    if (e.group == group) return e;
  return kGroups[0];
}

}  // namespace

const std::vector<TermGroup>& all_term_groups() {
  static const std::vector<TermGroup> groups = [] {
    std::vector<TermGroup> g;
    for (const GroupEntry& e : kGroups) g.push_back(e.group);
    return g;
  }();
  return groups;
}

const char* term_name(TermGroup group) { return entry(group).name; }

std::optional<TermGroup> term_group_named(std::string_view name) {
  for (const GroupEntry& e : kGroups)
    if (name == e.name) return e.group;
  return std::nullopt;
}

std::vector<int> term_coefficients(TermGroup group) {
  const GroupEntry& e = entry(group);
  std::vector<int> indices;
  for (int k = e.first; k < e.first + e.count; ++k) indices.push_back(k);
  return indices;
}

std::string coefficient_list(TermGroup group) {
  std::string list;
  for (int k : term_coefficients(group)) {
    if (!list.empty()) list += ", ";
    list += "b" + std::to_string(k);
  }
  return list;
}

}  // namespace tendencia
