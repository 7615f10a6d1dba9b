// How a message shows a text the user wrote: between double quotes, as is.
#pragma once

#include <string>
#include <string_view>

namespace tendencia {

inline std::string quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

}  // namespace tendencia
