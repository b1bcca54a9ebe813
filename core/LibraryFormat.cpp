// SPDX-License-Identifier: GPL-3.0-or-later
#include "LibraryFormat.h"

#include <algorithm>
#include <cstring>

#include "TextCodec.h"

std::int32_t readInt32LE(const std::uint8_t* aBytes) {
  std::uint32_t u = 0;
  for (int i = 3; i >= 0; --i) u = (u << 8) | aBytes[i];
  return static_cast<std::int32_t>(u);
}

std::int64_t readInt64LE(const std::uint8_t* aBytes) {
  std::uint64_t u = 0;
  for (int i = 7; i >= 0; --i) u = (u << 8) | aBytes[i];
  return static_cast<std::int64_t>(u);
}

void writeInt32LE(std::uint8_t* aBytes, std::int32_t aValue) {
  const auto u = static_cast<std::uint32_t>(aValue);
  for (int i = 0; i < 4; ++i) aBytes[i] = static_cast<std::uint8_t>(u >> (8 * i));
}

void writeInt64LE(std::uint8_t* aBytes, std::int64_t aValue) {
  const auto u = static_cast<std::uint64_t>(aValue);
  for (int i = 0; i < 8; ++i) aBytes[i] = static_cast<std::uint8_t>(u >> (8 * i));
}

bool TLibraryHeader::IsValid() const {
  // The length byte takes part in the comparison, so a longer stored text
  // that merely begins with the signature is not a library.
  return FileVersion() == kLibraryFileVersion && Bytes[0] == kLibrarySignature.size() &&
         std::equal(kLibrarySignature.begin(), kLibrarySignature.end(), Bytes.begin() + 1);
}

void TLibraryHeader::PrepareForWrite(std::int32_t aThemeCount, std::int32_t aObjectCount) {
  Bytes[0] = static_cast<std::uint8_t>(kLibrarySignature.size());
  std::copy(kLibrarySignature.begin(), kLibrarySignature.end(), Bytes.begin() + 1);
  writeInt32LE(Bytes.data() + 12, kLibraryFileVersion);
  writeInt32LE(Bytes.data() + 16, aThemeCount);
  writeInt32LE(Bytes.data() + 20, aObjectCount);
}

std::string_view ansiShortStringView(const std::uint8_t* aField, std::size_t aCapacity) {
  const std::size_t length = std::min<std::size_t>(aField[0], aCapacity);
  return std::string_view(reinterpret_cast<const char*>(aField + 1), length);
}

std::u16string readItemAuthor(const std::uint8_t* aHeader, TCodePage aPage) {
  return decodeAnsi(ansiShortStringView(aHeader + kAuthorOffset, kAuthorCapacity), aPage);
}

std::u16string readItemRemarks(const std::uint8_t* aHeader, TCodePage aPage) {
  return decodeAnsi(ansiShortStringView(aHeader + kRemarksOffset, kRemarksCapacity), aPage);
}

void storeItemRemarksBytes(std::uint8_t* aHeader, std::string_view aEncoded) {
  const std::size_t length = std::min(aEncoded.size(), kRemarksCapacity);
  aHeader[kRemarksOffset] = static_cast<std::uint8_t>(length);
  std::memcpy(aHeader + kRemarksOffset + 1, aEncoded.data(), length);
}
