// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

/// Builds library files byte by byte, independently of the engine, for the
/// sample tool and the tests. Texts are given as the raw 8-bit bytes that go
/// into the file.

struct TSampleItem {
  std::string Name;
  std::string Category;
  std::vector<std::uint8_t> Body;
  /// Seeds the bytes of the header that nobody interprets, so that every
  /// item's header differs and a changed byte shows.
  std::uint8_t Seed = 0;
  /// Raw overrides for damaged files.
  std::optional<std::uint8_t> AuthorLength;
  std::optional<std::uint8_t> RemarksLength;
  std::optional<std::int64_t> DeclaredSize;
};

struct TSampleLibrary {
  std::vector<TSampleItem> Items;
  /// Bytes 7-11 of the header's Contents.
  std::uint8_t ContentsTail[5] = {0, 0, 0, 0, 0};
  std::int32_t FileVersion = 1;
  std::int32_t ThemeCount = 0;
  /// Defaults to the number of items.
  std::optional<std::int32_t> ObjectCount;
  std::uint8_t SignatureLength = 6;
  /// Bytes after the last item record, which belong to no item.
  std::vector<std::uint8_t> Trailing;
};

/// The 192-byte header of one item followed by its body.
std::vector<std::uint8_t> buildSampleItem(const TSampleItem& aItem);

std::vector<std::uint8_t> buildSampleLibrary(const TSampleLibrary& aLibrary);

/// Writes bytes to a file; throws std::runtime_error on failure.
void writeBytesToFile(const std::string& aFile, const std::vector<std::uint8_t>& aBytes);
