// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A reader for test assertions, written apart from the engine: splits a
// library the way the format lays it out, without the engine's rules.

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

struct TParsedLibrary {
  std::vector<std::uint8_t> Header;
  std::vector<std::vector<std::uint8_t>> Items;
};

inline std::int64_t parseLE(const std::uint8_t* p, int n) {
  std::uint64_t u = 0;
  for (int i = n - 1; i >= 0; --i) u = (u << 8) | p[i];
  if (n == 4) return static_cast<std::int32_t>(static_cast<std::uint32_t>(u));
  return static_cast<std::int64_t>(u);
}

/// Expects a well-formed library (every declared item complete).
inline TParsedLibrary parseLibrary(const std::vector<std::uint8_t>& aBytes) {
  TParsedLibrary lib;
  if (aBytes.size() < 24) return lib;
  lib.Header.assign(aBytes.begin(), aBytes.begin() + 24);
  const auto count = parseLE(aBytes.data() + 20, 4);
  std::size_t at = 24;
  for (std::int64_t i = 0; i < count && at + 8 <= aBytes.size(); ++i) {
    const auto size = static_cast<std::size_t>(parseLE(aBytes.data() + at, 8));
    at += 8;
    if (size > aBytes.size() - at) break;
    lib.Items.emplace_back(aBytes.begin() + static_cast<std::ptrdiff_t>(at),
                           aBytes.begin() + static_cast<std::ptrdiff_t>(at + size));
    at += size;
  }
  return lib;
}

/// Name (Author) and category (Remarks) of an item, as raw bytes.
inline std::string itemName(const std::vector<std::uint8_t>& aItem) {
  return std::string(reinterpret_cast<const char*>(aItem.data() + 17), aItem[16]);
}
inline std::string itemCategory(const std::vector<std::uint8_t>& aItem) {
  return std::string(reinterpret_cast<const char*>(aItem.data() + 68), aItem[67]);
}
