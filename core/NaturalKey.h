// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

/// Sort keys for natural order: byte strings whose plain order (bytes
/// compared unsigned, a key that is a prefix of another first) is exactly
/// the order NatCompare gives the names they were made from. Sorting keys
/// reads each name once, where a comparison sort walks two names in every
/// comparison.

/// Appends the key of aName to aKey.
void appendNaturalKey(std::u16string_view aName, std::string& aKey);

/// The key of aName alone.
std::string naturalKey(std::u16string_view aName);

/// Keys laid end to end: key i is Bytes[Ends[i-1], Ends[i]) (from 0 for the
/// first).
struct TNaturalKeys {
  std::string Bytes;
  std::vector<std::size_t> Ends;

  std::size_t Count() const { return Ends.size(); }
  std::string_view Key(std::size_t aIndex) const {
    const std::size_t begin = aIndex == 0 ? 0 : Ends[aIndex - 1];
    return std::string_view(Bytes).substr(begin, Ends[aIndex] - begin);
  }
  /// Ends the key appended to Bytes since the last one.
  void Close() { Ends.push_back(Bytes.size()); }
};

/// The indices 0 to Count() - 1 in the order of their keys; equal keys keep
/// the order of their indices.
std::vector<std::uint32_t> sortedByKey(const TNaturalKeys& aKeys);
