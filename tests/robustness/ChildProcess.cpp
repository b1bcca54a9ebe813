// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChildProcess.h"

#include <fcntl.h>
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

TChildResult waitFor(pid_t aChild, int aErrPipe) {
  TChildResult result;
  char buffer[4096];
  for (;;) {
    const ssize_t got = read(aErrPipe, buffer, sizeof buffer);
    if (got > 0) {
      result.Err.append(buffer, static_cast<std::size_t>(got));
      continue;
    }
    if (got < 0 && errno == EINTR) continue;
    break;
  }
  close(aErrPipe);
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

// Forks a child whose standard error comes back through a pipe, with the
// limits applied; aChildMain runs in the child and must end it.
TChildResult runWithErrorPipe(const TChildLimits& aLimits,
                              const std::function<void()>& aChildMain) {
  int pipeEnds[2];
  if (pipe(pipeEnds) != 0) throw std::runtime_error("cannot create a pipe");
  const pid_t child = fork();
  if (child < 0) throw std::runtime_error("cannot fork");
  if (child == 0) {
    close(pipeEnds[0]);
    redirect(pipeEnds[1], STDERR_FILENO);
    applyLimits(aLimits);
    aChildMain();
    _exit(125);
  }
  close(pipeEnds[1]);
  return waitFor(child, pipeEnds[0]);
}

}  // namespace

TChildResult runInChild(const std::function<int()>& aBody, const TChildLimits& aLimits) {
  return runWithErrorPipe(aLimits, [&] {
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
  return runWithErrorPipe(aLimits, [&] {
    const int null = open("/dev/null", O_RDWR);
    redirect(null, STDIN_FILENO);
    redirect(null, STDOUT_FILENO);
    execv(aProgram.c_str(), argv.data());
    _exit(127);
  });
}

pid_t startProgram(const std::string& aProgram, const std::vector<std::string>& aArgs) {
  std::vector<char*> argv = argumentVector(aProgram, aArgs);
  const pid_t child = fork();
  if (child < 0) throw std::runtime_error("cannot fork");
  if (child == 0) {
    const int null = open("/dev/null", O_RDWR);
    redirect(null, STDIN_FILENO);
    redirect(null, STDOUT_FILENO);
    redirect(null, STDERR_FILENO);
    execv(aProgram.c_str(), argv.data());
    _exit(127);
  }
  return child;
}
