// The first line of a data file: the title of the periods column and the name
// of the series, as the data file writer lays them out ("Mes" and "Pasajeros",
// or the program's own "Año o periodo" and "NUMERO"). The run skips the line;
// the chart takes its titles from it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tendencia {

// What a data file without headers of its own says in its title line.
constexpr const char* kDefaultPeriodHeader = "Año o periodo";
constexpr const char* kDefaultValuesHeader = "NUMERO";

struct TitleLine {
  std::string period_header;  // "" when the line does not name the periods
  std::string values_header;  // "" when the line does not name the series
};

// The title line (UTF-8) with its blanks around dropped, laid out as
// `period_header`, two blanks or more, `values_header`; a line without such a
// run of blanks is all series name. The program's own defaults and headers that
// are plain numbers (a file whose first line is a row of data) name nothing.
TitleLine split_title_line(std::string_view line);

// The name of the series in the data file of its logarithms: "log(Pasajeros)".
std::string logarithm_header(const std::string& series_name);

// Does a values header say the values are logarithms, "log(Pasajeros)" or
// "log(Pasajeros), últimos 33"? Then the header with the series' own name in
// place of its logarithm ("Pasajeros, últimos 33"); else nothing.
std::optional<std::string> header_without_logarithm(std::string_view values_header);

}  // namespace tendencia
