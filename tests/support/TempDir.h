// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

/// A fresh directory under the system's temporary directory, removed with
/// everything in it when the object goes.
class TTempDir {
 public:
  TTempDir();
  ~TTempDir();

  const std::string& Path() const { return mPath; }
  std::string File(const std::string& aName) const { return mPath + "/" + aName; }
  /// Names of the entries in the directory, sorted.
  std::vector<std::string> Entries() const;

  // One owner removes the directory.
  TTempDir(const TTempDir&) = delete;
  TTempDir& operator=(const TTempDir&) = delete;

 private:
  std::string mPath;
};

/// The whole file; throws std::runtime_error when it cannot be read.
std::vector<std::uint8_t> readFileBytes(const std::string& aFile);
