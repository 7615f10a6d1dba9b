#include "model/trend_terms.h"

namespace tendencia {
namespace {

constexpr std::array<TermGroupEntry, 10> kTerms = {{
    {TermGroup::Constant, "constante", 0, 1, 0, "{0}"},
    {TermGroup::Power, "potencia", 1, 2, 0, "{0}*X^[{1}]"},
    {TermGroup::SecondPower, "potencia2", 3, 2, 0, "{0}*X^[{1}]"},
    {TermGroup::Exponential, "exponencial", 5, 2, 0, "{0}*exp({1}*X)"},
    {TermGroup::Logarithm, "logaritmo", 7, 2, 0, "{0}*log(X+{1})"},
    {TermGroup::Cosine, "coseno", 9, 3, 1, "{0}*cos({1}*X+{2})"},
    {TermGroup::SecondCosine, "coseno2", 12, 3, 1, "{0}*cos({1}*X+{2})"},
    {TermGroup::Hyperbola, "hiperbola", 15, 2, 2, "{0}*X/({1}+X)"},
    {TermGroup::Logistic, "logistica", 17, 4, 2, "{0}*exp({1}*X)/(1+{2}*exp({3}*X))"},
    {TermGroup::SecondLogistic, "logistica2", 21, 4, 3, "{0}*exp({1}*X)/(1+{2}*exp({3}*X))"},
}};

const TermGroupEntry& entry(TermGroup group) { return kTerms[static_cast<std::size_t>(group)]; }

std::string text_of(const TermGroupEntry& term, const std::function<std::string(int)>& coefficient,
                    bool parenthesised) {
  std::string text;
  for (const char* c = term.text; *c != '\0'; ++c) {
    if (*c == '{') {
      text += coefficient(term.first + (c[1] - '0'));
      c += 2;
    } else if (*c == '[' || *c == ']') {
      if (parenthesised) text += *c == '[' ? '(' : ')';
    } else {
      text += *c;
    }
  }
  return text;
}

}  // namespace

const std::array<TermGroupEntry, 10>& term_table() { return kTerms; }

const std::vector<TermGroup>& all_term_groups() {
  static const std::vector<TermGroup> groups = [] {
    std::vector<TermGroup> g;
    for (const TermGroupEntry& e : kTerms) g.push_back(e.group);
    return g;
  }();
  return groups;
}

const char* term_name(TermGroup group) { return entry(group).name; }

std::optional<TermGroup> term_group_named(std::string_view name) {
  for (const TermGroupEntry& e : kTerms)
    if (name == e.name) return e.group;
  return std::nullopt;
}

int coefficient_of(TermGroup group, int place) { return entry(group).first + place; }

std::vector<int> term_coefficients(TermGroup group) {
  const TermGroupEntry& e = entry(group);
  std::vector<int> indices;
  for (int k = e.first; k < e.first + e.count; ++k) indices.push_back(k);
  return indices;
}

std::string coefficient_list(TermGroup group) {
  std::string list;
  for (int k : term_coefficients(group)) list += (list.empty() ? "b" : ", b") + std::to_string(k);
  return list;
}

std::string term_text(TermGroup group, const std::function<std::string(int)>& coefficient,
                      bool parenthesised) {
  return text_of(entry(group), coefficient, parenthesised);
}

std::string term_formula(TermGroup group) {
  return term_text(group, [](int k) { return "b" + std::to_string(k); }, false);
}

std::array<std::string, 4> formula_text(const std::function<std::string(int)>& coefficient,
                                        const FormulaStyle& style) {
  std::array<std::string, 4> lines;
  for (const TermGroupEntry& term : kTerms) {
    std::string& line = lines[static_cast<std::size_t>(term.formula_line)];
    if (line.empty())
      line = term.formula_line == 0 ? std::string(style.first_line) + "F(X) = "
                                     : std::string(style.other_lines) + "+ ";
    else
      line += " + ";
    line += text_of(term, coefficient, style.parenthesised);
  }
  return lines;
}

}  // namespace tendencia
