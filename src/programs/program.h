// What every program does around its own work, in one place: --help and
// --version, a wrong command line refused with the usage line (exit 2), a
// failure reported on stderr (exit 1), writes that fail instead of killing the
// process. Each program is a folder beside this file: its command line (a
// tested parser), what it does, and a main that hands both to program_main.
#pragma once

#include <exception>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/failure.h"

namespace tendencia {

struct ProgramTexts {
  const char* name;   // "tendencia-importar", for --version
  std::string usage;  // the one-line usage, "Uso: ...", without a line end
  std::string help;   // the whole --help text
};

// "--help" prints `help`, "--version" the program's version; either gives the
// exit status 0. Any other command line gives nothing: the caller goes on.
std::optional<int> answer_help_or_version(int argc, char** argv, const ProgramTexts& texts);

// A closed stdout or a file-size limit must make a write fail and be reported,
// not kill the process: call once at start.
void ignore_write_signals();

// Writes "Error: <why>.\n" (when there is a why) and the usage line on stderr;
// returns the exit status 2.
int refuse_command_line(const ProgramTexts& texts, const std::string& why);

// One failure as every program shows it: "Error <context>: <what>.
// <consequence>" ("Error: ..." without a context; <what> as what_failed,
// core/failure.h, says it).
std::string failure_line(const std::exception& error, const std::string& consequence,
                         const std::string& context = "");

// Writes failure_line on stderr, then a line end; returns the exit status 1.
int report_failure(const std::exception& error, const std::string& consequence,
                   const std::string& context = "");

// The whole life of a program: --help and --version; `parse` reads the
// arguments after the program's name and throws CommandLineRefused for a
// command line it cannot act on; `act` does the work and returns the exit
// status; an exception leaving it goes to `on_failure`, which reports it
// (most programs through report_failure) and returns the status.
template <typename Request>
int program_main(int argc, char** argv, const ProgramTexts& texts,
                 Request (*parse)(const std::vector<std::string>&),
                 const std::function<int(const Request&)>& act,
                 const std::function<int(const Request&, const std::exception&)>& on_failure) {
  if (std::optional<int> status = answer_help_or_version(argc, argv, texts)) return *status;
  std::optional<Request> request;
  try {
    request = parse(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const CommandLineRefused& refused) {
    return refuse_command_line(texts, refused.what());
  }
  ignore_write_signals();
  try {
    return act(*request);
  } catch (const CommandLineRefused& refused) {
    return refuse_command_line(texts, refused.what());
  } catch (const std::exception& error) {
    return on_failure(*request, error);
  }
}

}  // namespace tendencia
