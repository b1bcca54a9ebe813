// SPDX-License-Identifier: GPL-3.0-or-later
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "Commands.h"

int main(int argc, char** argv) {
  // A write past a file-size limit then fails with EFBIG, reported as every
  // other failed write, rather than killing the program mid-save.
  std::signal(SIGXFSZ, SIG_IGN);
  std::ios::sync_with_stdio(false);
  const std::vector<std::string> args(argv + 1, argv + argc);
  return runZbl(args, std::cout, std::cerr, isatty(fileno(stderr)) == 1);
}
