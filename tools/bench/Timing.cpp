// SPDX-License-Identifier: GPL-3.0-or-later
#include "Timing.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <stdexcept>

namespace {

double median(std::vector<double> aValues) {
  std::sort(aValues.begin(), aValues.end());
  return aValues[aValues.size() / 2];
}

}  // namespace

double medianSeconds(int aRuns, const std::function<void()>& aWork,
                     const std::function<void()>& aBefore) {
  std::vector<double> times;
  for (int i = 0; i < aRuns; ++i) {
    if (aBefore) aBefore();
    const auto start = std::chrono::steady_clock::now();
    aWork();
    times.push_back(
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
  return median(times);
}

TProcessRun runProcess(const std::vector<std::string>& aArgv) {
  std::vector<char*> argv;
  for (const std::string& a : aArgv) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  const auto start = std::chrono::steady_clock::now();
  const pid_t child = fork();
  if (child < 0) throw std::runtime_error("fork failed");
  if (child == 0) {
    const int null = open("/dev/null", O_WRONLY);
    dup2(null, 1);
    dup2(null, 2);
    execv(argv[0], argv.data());
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  TProcessRun run;
  run.Seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  run.PeakKiB = usage.ru_maxrss;
  run.ExitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

TProcessRun medianProcess(int aRuns, const std::vector<std::string>& aArgv,
                          const std::function<void()>& aBefore) {
  std::vector<double> times;
  TProcessRun result;
  for (int i = 0; i < aRuns; ++i) {
    if (aBefore) aBefore();
    const TProcessRun run = runProcess(aArgv);
    if (run.ExitStatus != 0)
      throw std::runtime_error(aArgv[0] + " exited with " + std::to_string(run.ExitStatus));
    times.push_back(run.Seconds);
    result.PeakKiB = std::max(result.PeakKiB, run.PeakKiB);
    result.ExitStatus = run.ExitStatus;
  }
  result.Seconds = median(times);
  return result;
}
