// SPDX-License-Identifier: GPL-3.0-or-later
#include "DirSnapshot.h"

#include <sys/stat.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>

std::string fileEntry(const std::string& aBytes, unsigned aMode) {
  // A 64-bit FNV-1a digest keeps a failure's message short; a changed byte
  // still changes the entry.
  std::uint64_t digest = 14695981039346656037ULL;
  for (const char c : aBytes) {
    digest ^= static_cast<unsigned char>(c);
    digest *= 1099511628211ULL;
  }
  std::ostringstream entry;
  entry << "file mode " << std::oct << (aMode & 07777) << std::dec << ", " << aBytes.size()
        << " bytes, digest " << std::hex << digest;
  return entry.str();
}

TDirSnapshot snapshotDir(const std::string& aDir) {
  namespace fs = std::filesystem;
  TDirSnapshot snapshot;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(aDir)) {
    const std::string name = entry.path().lexically_relative(aDir).string();
    struct stat info {};
    if (lstat(entry.path().c_str(), &info) != 0) throw std::runtime_error("cannot stat " + name);
    if (S_ISLNK(info.st_mode)) {
      snapshot[name] = "link -> " + fs::read_symlink(entry.path()).string();
    } else if (S_ISDIR(info.st_mode)) {
      snapshot[name] = "dir";
    } else if (S_ISREG(info.st_mode)) {
      std::ifstream file(entry.path(), std::ios::binary);
      const std::string bytes((std::istreambuf_iterator<char>(file)),
                              std::istreambuf_iterator<char>());
      snapshot[name] = fileEntry(bytes, info.st_mode);
    } else {
      snapshot[name] = "special";
    }
  }
  return snapshot;
}
