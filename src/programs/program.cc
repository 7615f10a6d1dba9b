#include "programs/program.h"

#include <csignal>
#include <cstdio>
#include <cstring>

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

std::string failure_line(const std::exception& error, const std::string& consequence,
                         const std::string& context) {
  return "Error" + (context.empty() ? "" : " " + context) + ": " + what_failed(error) + ". " +
         consequence;
}

int report_failure(const std::exception& error, const std::string& consequence,
                   const std::string& context) {
  std::fprintf(stderr, "%s\n", failure_line(error, consequence, context).c_str());
  return 1;
}

}  // namespace tendencia
