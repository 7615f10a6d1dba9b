// A command line out of a fuzzer's bytes: NUL separates the arguments.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tendencia::testing {

inline std::vector<std::string> arguments_of(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string> arguments(1);
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] == 0)
      arguments.emplace_back();
    else
      arguments.back() += static_cast<char>(data[i]);
  }
  return arguments;
}

}  // namespace tendencia::testing
