// Starts the terminal program as a child with pipes on stdin and stdout, so a
// test can answer question by question, send it signals and read its exit. It
// starts in a folder of the test's, through the shell, as a user starts it
// there; the test process stays where it is.
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <vector>

#include "support/strings.h"

namespace tendencia::testing {

class ChildProcess {
 public:
  // argv[0] is the program, started in `folder`; `file_size_limit` (bytes, 0
  // for none) sets RLIMIT_FSIZE in the child, the way a nearly full disk
  // refuses writes.
  ChildProcess(const std::vector<std::string>& argv, const std::string& folder,
               long file_size_limit = 0) {
    int in[2], out[2], err[2];
    if (pipe(in) != 0 || pipe(out) != 0 || pipe(err) != 0) return;
    pid_ = fork();
    if (pid_ == 0) {
      dup2(in[0], 0);
      dup2(out[1], 1);
      dup2(err[1], 2);
      for (int fd : {in[0], in[1], out[0], out[1], err[0], err[1]}) close(fd);
      if (file_size_limit > 0) {
        rlimit limit{static_cast<rlim_t>(file_size_limit), static_cast<rlim_t>(file_size_limit)};
        setrlimit(RLIMIT_FSIZE, &limit);
      }
      // The shell enters the folder, then becomes the program (same process).
      std::vector<std::string> shell = {"/bin/sh", "-c", "cd \"$0\" && exec \"$@\"", folder};
      shell.insert(shell.end(), argv.begin(), argv.end());
      std::vector<char*> args;
      for (const std::string& a : shell) args.push_back(const_cast<char*>(a.c_str()));
      args.push_back(nullptr);
      setenv("LC_ALL", "C", 1);
      execv(args[0], args.data());
      _exit(127);
    }
    close(in[0]);
    close(out[1]);
    close(err[1]);
    stdin_ = in[1];
    stdout_ = out[0];
    stderr_ = err[0];
    fcntl(stdout_, F_SETFL, O_NONBLOCK);
    fcntl(stderr_, F_SETFL, O_NONBLOCK);
    ::signal(SIGPIPE, SIG_IGN);
  }

  ~ChildProcess() {
    if (pid_ > 0 && !reaped_) {
      kill(pid_, SIGKILL);
      wait();
    }
    for (int fd : {stdin_, stdout_, stderr_})
      if (fd >= 0) close(fd);
  }

  void write_line(const std::string& line) {
    std::string bytes = line + "\n";
    if (::write(stdin_, bytes.data(), bytes.size()) < 0) {
    }
  }

  void close_stdin() {
    close(stdin_);
    stdin_ = -1;
  }

  // Reads stdout until it holds `text` `count` times. False only for a program
  // that hangs: the limit is far beyond any run, so a slow or instrumented
  // machine never trips it.
  bool wait_for_output(const std::string& text, std::size_t count) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(120);
    while (occurrences(out_, text) < count) {
      if (std::chrono::steady_clock::now() > deadline) return false;
      pollfd p{stdout_, POLLIN, 0};
      poll(&p, 1, 100);
      drain(stdout_, out_);
    }
    return true;
  }

  void signal(int number) { ::kill(pid_, number); }

  // Waits for the end; returns the raw wait status.
  int wait() {
    int status = 0;
    rusage usage{};
    while (wait4(pid_, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    reaped_ = true;
    max_rss_kb_ = usage.ru_maxrss;
    drain(stdout_, out_);
    drain(stderr_, err_);
    return status;
  }

  const std::string& out() const { return out_; }
  const std::string& err() const { return err_; }
  long max_rss_kb() const { return max_rss_kb_; }

 private:
  static void drain(int fd, std::string& into) {
    char buffer[65536];
    ssize_t n;
    while ((n = read(fd, buffer, sizeof buffer)) > 0) into.append(buffer, static_cast<std::size_t>(n));
  }

  pid_t pid_ = -1;
  bool reaped_ = false;
  int stdin_ = -1, stdout_ = -1, stderr_ = -1;
  std::string out_, err_;
  long max_rss_kb_ = 0;
};

}  // namespace tendencia::testing
