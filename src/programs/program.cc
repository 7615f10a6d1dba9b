#include "programs/program.h"

#include <csignal>
#include <cstdio>
#include <cstring>
#include <new>

namespace tendencia {

std::optional<int> answer_help_or_version(int argc, char** argv, const ProgramTexts& texts) {
  if (argc != 2) return std::nullopt;
  if (std::strcmp(argv[1], "--help") == 0) {
    std::fwrite(texts.help.data(), 1, texts.help.size(), stdout);
    return 0;
  }
  if (std::strcmp(argv[1], "--version") == 0) {
    std::printf("%s 1.0\n", texts.name);
    return 0;
  }
  return std::nullopt;
}

void ignore_write_signals() {
#ifdef SIGPIPE
  std::signal(SIGPIPE, SIG_IGN);
#endif
#ifdef SIGXFSZ
  std::signal(SIGXFSZ, SIG_IGN);
#endif
}

int refuse_command_line(const ProgramTexts& texts, const std::string& why) {
  if (!why.empty()) std::fprintf(stderr, "Error: %s.\n", why.c_str());
  std::fprintf(stderr, "%s (--help para la ayuda)\n", texts.usage.c_str());
  return 2;
}

int report_failure(const std::exception& error, const std::string& consequence,
                   const std::string& context) {
  const char* what =
      dynamic_cast<const std::bad_alloc*>(&error) != nullptr ? "memoria insuficiente" : error.what();
  std::fprintf(stderr, "Error%s%s: %s. %s\n", context.empty() ? "" : " ", context.c_str(), what,
               consequence.c_str());
  return 1;
}

}  // namespace tendencia
