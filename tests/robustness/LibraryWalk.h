// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a loader must make of any buffer, worked out from the layout alone and
// apart from the engine: the records one after another, up to the first that
// cannot be there.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "LoaderSaver.h"

struct TItemSpan {
  std::size_t Offset = 0;
  std::size_t Size = 0;
};

struct TExpectedLoad {
  TLoadResult::TKind Kind = TLoadResult::TKind::NotALibrary;
  std::int64_t Declared = 0;
  std::vector<TItemSpan> Items;
  /// When every declared item is there: the bytes after the last one.
  std::uint64_t Trailing = 0;
};

inline std::int64_t littleEndian(const std::uint8_t* aBytes, int aWidth) {
  std::uint64_t value = 0;
  for (int i = aWidth - 1; i >= 0; --i) value = (value << 8) | aBytes[i];
  if (aWidth == 4) return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
  return static_cast<std::int64_t>(value);
}

inline TExpectedLoad walkLibrary(const std::vector<std::uint8_t>& aBytes) {
  TExpectedLoad expected;
  static const std::uint8_t kSignature[] = {6, 'Z', 'm', 'b', 'L', 'i', 'b'};
  if (aBytes.size() < 24) return expected;
  for (std::size_t i = 0; i < sizeof kSignature; ++i)
    if (aBytes[i] != kSignature[i]) return expected;
  if (littleEndian(aBytes.data() + 12, 4) != 1) return expected;

  expected.Declared = std::max<std::int64_t>(littleEndian(aBytes.data() + 20, 4), 0);
  std::size_t at = 24;
  while (static_cast<std::int64_t>(expected.Items.size()) < expected.Declared) {
    if (aBytes.size() - at < 8) break;
    const std::int64_t size = littleEndian(aBytes.data() + at, 8);
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
