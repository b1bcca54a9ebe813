// SPDX-License-Identifier: GPL-3.0-or-later
#include "SampleLibrary.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <stdexcept>

namespace {

void putInt32(std::vector<std::uint8_t>& aOut, std::size_t aAt, std::int32_t aValue) {
  const auto u = static_cast<std::uint32_t>(aValue);
  for (int i = 0; i < 4; ++i) aOut[aAt + i] = static_cast<std::uint8_t>(u >> (8 * i));
}

void appendInt64(std::vector<std::uint8_t>& aOut, std::int64_t aValue) {
  const auto u = static_cast<std::uint64_t>(aValue);
  for (int i = 0; i < 8; ++i) aOut.push_back(static_cast<std::uint8_t>(u >> (8 * i)));
}

void putShortString(std::vector<std::uint8_t>& aOut, std::size_t aAt, std::size_t aCapacity,
                    const std::string& aText, std::optional<std::uint8_t> aLength) {
  const std::size_t n = std::min(aText.size(), aCapacity);
  aOut[aAt] = aLength ? *aLength : static_cast<std::uint8_t>(n);
  std::memcpy(aOut.data() + aAt + 1, aText.data(), n);
}

}  // namespace

std::vector<std::uint8_t> buildSampleItem(const TSampleItem& aItem) {
  std::vector<std::uint8_t> out(192);
  for (std::size_t i = 0; i < out.size(); ++i)
    out[i] = static_cast<std::uint8_t>(i * 31 + aItem.Seed * 17 + 5);
  static const char kDrawing[] = "ZmbDrw";
  out[0] = 6;
  std::memcpy(out.data() + 1, kDrawing, 6);
  putInt32(out, 12, 1);
  putShortString(out, 16, 50, aItem.Name, aItem.AuthorLength);
  putShortString(out, 67, 100, aItem.Category, aItem.RemarksLength);
  out.insert(out.end(), aItem.Body.begin(), aItem.Body.end());
  return out;
}

std::vector<std::uint8_t> buildSampleLibrary(const TSampleLibrary& aLibrary) {
  std::vector<std::uint8_t> out(24);
  static const char kSignature[] = "ZmbLib";
  out[0] = aLibrary.SignatureLength;
  std::memcpy(out.data() + 1, kSignature, 6);
  std::copy(std::begin(aLibrary.ContentsTail), std::end(aLibrary.ContentsTail), out.begin() + 7);
  putInt32(out, 12, aLibrary.FileVersion);
  putInt32(out, 16, aLibrary.ThemeCount);
  putInt32(out, 20,
           aLibrary.ObjectCount.value_or(static_cast<std::int32_t>(aLibrary.Items.size())));
  for (const TSampleItem& item : aLibrary.Items) {
    const std::vector<std::uint8_t> bytes = buildSampleItem(item);
    appendInt64(out, item.DeclaredSize.value_or(static_cast<std::int64_t>(bytes.size())));
    out.insert(out.end(), bytes.begin(), bytes.end());
  }
  out.insert(out.end(), aLibrary.Trailing.begin(), aLibrary.Trailing.end());
  return out;
}

void writeBytesToFile(const std::string& aFile, const std::vector<std::uint8_t>& aBytes) {
  std::ofstream file(aFile, std::ios::binary | std::ios::trunc);
  if (!file) throw std::runtime_error("cannot create " + aFile + ": " + std::strerror(errno));
  file.write(reinterpret_cast<const char*>(aBytes.data()),
             static_cast<std::streamsize>(aBytes.size()));
  file.close();
  if (!file) throw std::runtime_error("cannot write " + aFile);
}
