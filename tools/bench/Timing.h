// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <vector>

/// Seconds of wall time one call of aWork takes, median of aRuns calls;
/// aBefore runs untimed before each call.
double medianSeconds(int aRuns, const std::function<void()>& aWork,
                     const std::function<void()>& aBefore = {});

struct TProcessRun {
  double Seconds = 0;
  long PeakKiB = 0;
  int ExitStatus = -1;
};

/// Runs a program to its end, with its output discarded.
TProcessRun runProcess(const std::vector<std::string>& aArgv);

/// Median wall time of aRuns runs of a program, and the largest peak
/// resident size any of them reached.
TProcessRun medianProcess(int aRuns, const std::vector<std::string>& aArgv,
                          const std::function<void()>& aBefore = {});
