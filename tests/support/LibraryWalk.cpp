// SPDX-License-Identifier: GPL-3.0-or-later
#include "LibraryWalk.h"

#include <algorithm>

namespace {

std::string lengthPrefixed(const std::vector<std::uint8_t>& aItem, std::size_t aAt) {
  return std::string(reinterpret_cast<const char*>(aItem.data() + aAt + 1), aItem[aAt]);
}

}  // namespace

std::int64_t readLittleEndian(const std::uint8_t* aBytes, int aWidth) {
  std::uint64_t value = 0;
  for (int i = aWidth - 1; i >= 0; --i) value = (value << 8) | aBytes[i];
  if (aWidth == 4) return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
  return static_cast<std::int64_t>(value);
}

TExpectedLoad walkLibrary(const std::vector<std::uint8_t>& aBytes) {
  TExpectedLoad expected;
  static const std::uint8_t kSignature[] = {6, 'Z', 'm', 'b', 'L', 'i', 'b'};
  if (aBytes.size() < 24) return expected;
  for (std::size_t i = 0; i < sizeof kSignature; ++i)
    if (aBytes[i] != kSignature[i]) return expected;
  if (readLittleEndian(aBytes.data() + 12, 4) != 1) return expected;

  expected.Declared = std::max<std::int64_t>(readLittleEndian(aBytes.data() + 20, 4), 0);
  std::size_t at = 24;
  while (static_cast<std::int64_t>(expected.Items.size()) < expected.Declared) {
    if (aBytes.size() - at < 8) break;
    const std::int64_t size = readLittleEndian(aBytes.data() + at, 8);
    at += 8;
    if (size < 192 || static_cast<std::uint64_t>(size) > aBytes.size() - at) break;
    expected.Items.push_back({at, static_cast<std::size_t>(size)});
    at += static_cast<std::size_t>(size);
  }
  expected.Kind = static_cast<std::int64_t>(expected.Items.size()) == expected.Declared
                      ? TLoadResult::TKind::Loaded
                      : TLoadResult::TKind::Damaged;
  if (expected.Kind == TLoadResult::TKind::Loaded) expected.Trailing = aBytes.size() - at;
  return expected;
}

TParsedLibrary parseLibrary(const std::vector<std::uint8_t>& aBytes) {
  TParsedLibrary lib;
  if (aBytes.size() < 24) return lib;
  lib.Header.assign(aBytes.begin(), aBytes.begin() + 24);
  for (const TItemSpan& span : walkLibrary(aBytes).Items) {
    const auto begin = aBytes.begin() + static_cast<std::ptrdiff_t>(span.Offset);
    lib.Items.emplace_back(begin, begin + static_cast<std::ptrdiff_t>(span.Size));
  }
  return lib;
}

std::string itemName(const std::vector<std::uint8_t>& aItem) { return lengthPrefixed(aItem, 16); }

std::string itemCategory(const std::vector<std::uint8_t>& aItem) {
  return lengthPrefixed(aItem, 67);
}
