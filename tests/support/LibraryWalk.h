// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Readers for test assertions, written apart from the engine: they split a
// library the way the format lays it out, without the engine's rules.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "LoaderSaver.h"

/// A signed little-endian integer of 4 or 8 bytes.
std::int64_t readLittleEndian(const std::uint8_t* aBytes, int aWidth);

struct TItemSpan {
  std::size_t Offset = 0;
  std::size_t Size = 0;
};

/// What a loader must make of a buffer.
struct TExpectedLoad {
  TLoadResult::TKind Kind = TLoadResult::TKind::NotALibrary;
  std::int64_t Declared = 0;
  std::vector<TItemSpan> Items;
  /// When every declared item is there: the bytes after the last one.
  std::uint64_t Trailing = 0;
};

/// The records one after another, up to the first that cannot be there.
TExpectedLoad walkLibrary(const std::vector<std::uint8_t>& aBytes);

/// A library's header and the bytes of each of its items.
struct TParsedLibrary {
  std::vector<std::uint8_t> Header;
  std::vector<std::vector<std::uint8_t>> Items;
};

/// The header and the items a walk finds; meant for libraries that a save
/// wrote, so every declared item is expected to be whole.
TParsedLibrary parseLibrary(const std::vector<std::uint8_t>& aBytes);

/// Name (Author) and category (Remarks) of an item, as raw bytes.
std::string itemName(const std::vector<std::uint8_t>& aItem);
std::string itemCategory(const std::vector<std::uint8_t>& aItem);
