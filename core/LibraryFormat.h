// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "CodePage.h"

/// The fixed records of a library file. Both are kept as their raw bytes, so
/// that every byte the program does not interpret is written back as read;
/// the accessors decode little-endian fields on any host.

inline constexpr std::size_t kLibraryHeaderSize = 24;
inline constexpr std::size_t kItemHeaderSize = 192;
inline constexpr std::size_t kItemSizeFieldSize = 8;

inline constexpr std::size_t kAuthorOffset = 16;
inline constexpr std::size_t kAuthorCapacity = 50;
inline constexpr std::size_t kRemarksOffset = 67;
inline constexpr std::size_t kRemarksCapacity = 100;

inline constexpr std::string_view kLibrarySignature = "ZmbLib";
inline constexpr std::int32_t kLibraryFileVersion = 1;

std::int32_t readInt32LE(const std::uint8_t* aBytes);
std::int64_t readInt64LE(const std::uint8_t* aBytes);
void writeInt32LE(std::uint8_t* aBytes, std::int32_t aValue);
void writeInt64LE(std::uint8_t* aBytes, std::int64_t aValue);

/// The 24-byte header at the start of a library file.
struct TLibraryHeader {
  std::array<std::uint8_t, kLibraryHeaderSize> Bytes{};

  std::int32_t FileVersion() const { return readInt32LE(Bytes.data() + 12); }
  std::int32_t ThemeCount() const { return readInt32LE(Bytes.data() + 16); }
  std::int32_t ObjectCount() const { return readInt32LE(Bytes.data() + 20); }

  /// True when the signature (length byte included) and the version match.
  bool IsValid() const;

  /// Sets the signature, the version and both counts; bytes 7-11 of
  /// Contents stay as they are.
  void PrepareForWrite(std::int32_t aThemeCount, std::int32_t aObjectCount);
};

/// The 192-byte header at the start of every item.
struct TFileHeader {
  std::array<std::uint8_t, kItemHeaderSize> Bytes{};
};

/// A length-prefixed 8-bit field of the given capacity, as a view into it. A
/// length byte may claim more than the field holds; it is clamped to the
/// capacity, so the read never leaves the field.
std::string_view ansiShortStringView(const std::uint8_t* aField, std::size_t aCapacity);

/// The item's name (Author) and category (Remarks), as UTF-16, decoded in
/// the code page.
std::u16string readItemAuthor(const std::uint8_t* aHeader, TCodePage aPage = TCodePage::Western);
std::u16string readItemRemarks(const std::uint8_t* aHeader, TCodePage aPage = TCodePage::Western);

/// Stores already-encoded category bytes into Remarks: at most 100 bytes,
/// the length byte rewritten, bytes of the field beyond the new length left
/// as they were.
void storeItemRemarksBytes(std::uint8_t* aHeader, std::string_view aEncoded);
