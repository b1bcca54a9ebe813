// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

/// A fuzz input as a file in memory, opened through its name as a file on
/// the disk is.
class TMemoryFile {
 public:
  explicit TMemoryFile(std::string_view aBytes)
      : mDescriptor(::memfd_create("zbl-fuzz-input", MFD_CLOEXEC)) {
    bool whole = mDescriptor >= 0;
    for (std::size_t written = 0; whole && written < aBytes.size();) {
      const ssize_t wrote =
          ::write(mDescriptor, aBytes.data() + written, aBytes.size() - written);
      whole = wrote > 0;
      if (whole) written += static_cast<std::size_t>(wrote);
    }
    if (whole) return;
    std::fprintf(stderr, "the input does not become a file\n");
    std::abort();
  }
  ~TMemoryFile() { ::close(mDescriptor); }
  TMemoryFile(const TMemoryFile&) = delete;
  TMemoryFile& operator=(const TMemoryFile&) = delete;

  std::string Name() const { return "/proc/self/fd/" + std::to_string(mDescriptor); }

 private:
  int mDescriptor;
};
