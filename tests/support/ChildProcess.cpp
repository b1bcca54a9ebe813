// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChildProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <stdexcept>

namespace {

void applyLimits(const TChildLimits& aLimits) {
  if (aLimits.FileSize) {
    signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{*aLimits.FileSize, *aLimits.FileSize};
    if (setrlimit(RLIMIT_FSIZE, &limit) != 0) _exit(126);
  }
  if (aLimits.AddressSpaceHeadroom) {
    // The first field of statm is the size of everything mapped, in pages.
    unsigned long pages = 0;
    FILE* statm = std::fopen("/proc/self/statm", "r");
    if (!statm || std::fscanf(statm, "%lu", &pages) != 1) _exit(126);
    std::fclose(statm);
    const rlim_t bytes =
        pages * static_cast<rlim_t>(sysconf(_SC_PAGESIZE)) + *aLimits.AddressSpaceHeadroom;
    const rlimit limit{bytes, bytes};
    if (setrlimit(RLIMIT_AS, &limit) != 0) _exit(126);
  }
}

void redirect(int aFrom, int aTo) {
  if (aFrom != aTo) dup2(aFrom, aTo);
}

void redirectToNull(std::initializer_list<int> aStreams) {
  const int null = open("/dev/null", O_RDWR);
  for (const int stream : aStreams) redirect(null, stream);
}

/// Reads both pipes to their ends at once, so that a child filling one
/// cannot block while the other is read.
void drain(int aOutPipe, int aErrPipe, TChildResult& aResult) {
  pollfd pipes[2] = {{aOutPipe, POLLIN, 0}, {aErrPipe, POLLIN, 0}};
  std::string* texts[2] = {&aResult.Out, &aResult.Err};
  int open = 2;
  char buffer[4096];
  while (open > 0) {
    if (poll(pipes, 2, -1) < 0) {
      if (errno == EINTR) continue;
      break;
    }
    for (int p = 0; p < 2; ++p) {
      if (pipes[p].fd < 0 || pipes[p].revents == 0) continue;
      const ssize_t got = read(pipes[p].fd, buffer, sizeof buffer);
      if (got > 0) {
        texts[p]->append(buffer, static_cast<std::size_t>(got));
      } else if (got == 0 || errno != EINTR) {
        close(pipes[p].fd);
        pipes[p].fd = -1;
        --open;
      }
    }
  }
}

TChildResult waitFor(pid_t aChild, int aOutPipe, int aErrPipe) {
  TChildResult result;
  drain(aOutPipe, aErrPipe, result);
  int status = 0;
  while (waitpid(aChild, &status, 0) < 0 && errno == EINTR) {
  }
  if (WIFEXITED(status)) result.ExitCode = WEXITSTATUS(status);
  if (WIFSIGNALED(status)) result.Signal = WTERMSIG(status);
  return result;
}

std::vector<char*> argumentVector(const std::string& aProgram,
                                  const std::vector<std::string>& aArgs) {
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(aProgram.c_str()));
  for (const std::string& arg : aArgs) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  return argv;
}

// Forks a child whose standard output and error come back through pipes,
// with the limits applied; aChildMain runs in the child and must end it.
TChildResult runWithPipes(const TChildLimits& aLimits, const std::function<void()>& aChildMain) {
  int outPipe[2];
  int errPipe[2];
  if (pipe(outPipe) != 0) throw std::runtime_error("cannot create a pipe");
  if (pipe(errPipe) != 0) throw std::runtime_error("cannot create a pipe");
  const pid_t child = fork();
  if (child < 0) throw std::runtime_error("cannot fork");
  if (child == 0) {
    close(outPipe[0]);
    close(errPipe[0]);
    redirect(outPipe[1], STDOUT_FILENO);
    redirect(errPipe[1], STDERR_FILENO);
    applyLimits(aLimits);
    aChildMain();
    _exit(125);
  }
  close(outPipe[1]);
  close(errPipe[1]);
  return waitFor(child, outPipe[0], errPipe[0]);
}

}  // namespace

TChildResult runInChild(const std::function<int()>& aBody, const TChildLimits& aLimits) {
  return runWithPipes(aLimits, [&] {
    int status = 125;
    try {
      status = aBody();
    } catch (...) {
    }
    _exit(status);
  });
}

TChildResult runProgram(const std::string& aProgram, const std::vector<std::string>& aArgs,
                        const TChildLimits& aLimits) {
  std::vector<char*> argv = argumentVector(aProgram, aArgs);
  return runWithPipes(aLimits, [&] {
    redirectToNull({STDIN_FILENO});
    execv(aProgram.c_str(), argv.data());
    _exit(127);
  });
}

pid_t startProgram(const std::string& aProgram, const std::vector<std::string>& aArgs) {
  std::vector<char*> argv = argumentVector(aProgram, aArgs);
  const pid_t child = fork();
  if (child < 0) throw std::runtime_error("cannot fork");
  if (child == 0) {
    redirectToNull({STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO});
    execv(aProgram.c_str(), argv.data());
    _exit(127);
  }
  return child;
}
