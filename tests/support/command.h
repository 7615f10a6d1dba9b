// A program run the way a user's shell runs it, from a folder "work" inside a
// TempDirectory: what it prints is kept beside "work", so "work" holds only the
// files the program itself wrote. The shell enters "work" for the program; the
// test process stays where it is.
#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "support/temp_directory.h"

namespace tendencia::testing {

struct CommandResult {
  int status = -1;  // the exit status; -1 when the program did not exit by itself
  std::string out, err;
};

// `text` as one word of /bin/sh, whatever it holds.
inline std::string shell_word(const std::string& text) {
  std::string word = "'";
  for (char c : text) word += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return word + "'";
}

class WorkFolder {
 public:
  WorkFolder() : work_(directory_.file("work")) { std::filesystem::create_directory(work_); }

  // The folder the programs run in, and the path of one of its files.
  const std::string& folder() const { return work_; }
  std::string file(const std::string& name) const { return work_ + "/" + name; }
  // The path of a file beside "work", for what a test keeps out of it.
  std::string beside(const std::string& name) const { return directory_.file(name); }
  const TempDirectory& directory() const { return directory_; }

  // Runs `command` with /bin/sh in "work" in the C locale; it may hold pipes
  // and its own input redirection (relative to "work").
  CommandResult run(const std::string& command) const {
    const std::string full = "export LC_ALL=C; cd " + shell_word(work_) + " && { " + command +
                             "; } > " + shell_word(beside("stdout.out")) + " 2> " +
                             shell_word(beside("stderr.out"));
    const int raw = std::system(full.c_str());
    return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, read_file(beside("stdout.out")),
            read_file(beside("stderr.out"))};
  }

 private:
  TempDirectory directory_;
  std::string work_;
};

}  // namespace tendencia::testing
