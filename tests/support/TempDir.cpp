// SPDX-License-Identifier: GPL-3.0-or-later
#include "TempDir.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

TTempDir::TTempDir() {
  std::random_device device;
  const auto base = std::filesystem::temp_directory_path();
  for (int attempt = 0; attempt < 100; ++attempt) {
    const auto candidate = base / ("zbl-test-" + std::to_string(device()));
    if (std::filesystem::create_directory(candidate)) {
      mPath = candidate.string();
      return;
    }
  }
  throw std::runtime_error("cannot create a temporary directory");
}

TTempDir::~TTempDir() {
  std::error_code ignored;
  std::filesystem::remove_all(mPath, ignored);
}

std::vector<std::string> TTempDir::Entries() const {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(mPath))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

std::vector<std::uint8_t> readFileBytes(const std::string& aFile) {
  std::ifstream file(aFile, std::ios::binary);
  if (!file) throw std::runtime_error("cannot read " + aFile);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}
