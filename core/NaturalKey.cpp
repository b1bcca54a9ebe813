// SPDX-License-Identifier: GPL-3.0-or-later
#include "NaturalKey.h"

#include <algorithm>
#include <cstring>
#include <exception>
#include <numeric>
#include <system_error>
#include <thread>

#include "strnatcomp.h"

namespace {

// The comparison reads a name as a series of pieces, white space dropped: a
// run of digits that touch one another, or any other single code unit; a NUL
// ends the name. Two names compare as their first pair of unequal pieces,
// and a name that runs out first is the smaller. Pieces order like this:
//   - a code unit that is not a digit, by its value;
//   - a digit run, between '/' and ':' (it starts with a digit, and its
//     first code unit is what any other piece is compared with);
//   - among digit runs, one that starts with '0' before any other; two such
//     runs compare digit by digit, a run that ends first being the smaller;
//   - two runs without a leading zero compare by length, then digit by digit
//     (their values).
// The key writes each piece so that its bytes order the same way, and no
// piece's bytes begin another's, so a key that ends first is the smaller.
constexpr std::uint8_t kZeroRun = '0';
constexpr std::uint8_t kNumberRun = '1';
// Code units from here on take three bytes; below it, one.
constexpr char16_t kWide = 0x80;
constexpr std::uint8_t kWideMark = 0x80;
// The end of a leading-zero run: below every digit.
constexpr std::uint8_t kRunEnd = 0;
// Lengths from here on take this byte and four more.
constexpr std::size_t kLongRun = 0xFF;

void appendLength(std::size_t aLength, std::string& aKey) {
  if (aLength < kLongRun) {
    aKey.push_back(static_cast<char>(aLength));
    return;
  }
  aKey.push_back(static_cast<char>(kLongRun));
  for (int shift = 24; shift >= 0; shift -= 8)
    aKey.push_back(static_cast<char>((aLength >> shift) & 0xFF));
}

}  // namespace

void appendNaturalKey(std::u16string_view aName, std::string& aKey) {
  // A NUL ends the name.
  aName = aName.substr(0, std::min(aName.find(u'\0'), aName.size()));
  for (std::size_t i = 0; i < aName.size();) {
    const char16_t c = aName[i];
    if (NatIsSpace(c)) {
      ++i;
      continue;
    }
    if (NatIsDigit(c)) {
      std::size_t end = i;
      while (end < aName.size() && NatIsDigit(aName[end])) ++end;
      if (c == u'0') {
        aKey.push_back(static_cast<char>(kZeroRun));
      } else {
        aKey.push_back(static_cast<char>(kNumberRun));
        appendLength(end - i, aKey);
      }
      for (; i < end; ++i) aKey.push_back(static_cast<char>(aName[i]));
      if (c == u'0') aKey.push_back(static_cast<char>(kRunEnd));
      continue;
    }
    if (c < kWide) {
      aKey.push_back(static_cast<char>(c));
    } else {
      aKey.push_back(static_cast<char>(kWideMark));
      aKey.push_back(static_cast<char>(c >> 8));
      aKey.push_back(static_cast<char>(c & 0xFF));
    }
    ++i;
  }
}

std::string naturalKey(std::u16string_view aName) {
  std::string key;
  appendNaturalKey(aName, key);
  return key;
}

namespace {

// The sort looks at eight bytes of every key at a time, held in a machine
// word next to the index, so that most of it compares words in one array
// instead of following pointers into the keys. Keys that agree in those
// bytes and go on are sorted again on their next eight.
struct TSlot {
  std::uint64_t Chunk;
  /// Bytes left from the chunk's start, up to kMore.
  std::uint32_t Left;
  std::uint32_t Index;
};

constexpr std::size_t kChunk = 8;
constexpr std::uint32_t kMore = kChunk + 1;

void loadChunk(TSlot& aSlot, std::string_view aKey, std::size_t aDepth) {
  const std::size_t left = aKey.size() > aDepth ? aKey.size() - aDepth : 0;
  std::uint64_t chunk = 0;
  const std::size_t take = std::min(left, kChunk);
  for (std::size_t b = 0; b < take; ++b)
    chunk |= std::uint64_t{static_cast<std::uint8_t>(aKey[aDepth + b])} << (8 * (7 - b));
  aSlot.Chunk = chunk;
  aSlot.Left = static_cast<std::uint32_t>(std::min<std::size_t>(left, kMore));
}

bool slotBefore(const TSlot& a, const TSlot& b) {
  if (a.Chunk != b.Chunk) return a.Chunk < b.Chunk;
  if (a.Left != b.Left) return a.Left < b.Left;
  return a.Index < b.Index;
}

struct TGroup {
  std::size_t Begin, End, Depth;
};

// Below this many keys a second thread costs more than it saves.
constexpr std::size_t kParallelFrom = std::size_t{1} << 16;

/// The indices aBegin to aEnd - 1 in the order of their keys, equal keys in
/// the order of their indices.
std::vector<std::uint32_t> sortedRange(const TNaturalKeys& aKeys, std::size_t aBegin,
                                       std::size_t aEnd) {
  const std::size_t count = aEnd - aBegin;
  std::vector<TSlot> slots(count);
  for (std::size_t i = 0; i < count; ++i) {
    slots[i].Index = static_cast<std::uint32_t>(aBegin + i);
    loadChunk(slots[i], aKeys.Key(aBegin + i), 0);
  }
  std::vector<TGroup> pending{{0, count, 0}};
  while (!pending.empty()) {
    const TGroup group = pending.back();
    pending.pop_back();
    if (group.Depth > 0)
      for (std::size_t i = group.Begin; i < group.End; ++i)
        loadChunk(slots[i], aKeys.Key(slots[i].Index), group.Depth);
    std::sort(slots.begin() + static_cast<std::ptrdiff_t>(group.Begin),
              slots.begin() + static_cast<std::ptrdiff_t>(group.End), slotBefore);
    // Runs of keys that agree so far and all go on are sorted on.
    for (std::size_t i = group.Begin; i < group.End;) {
      std::size_t j = i + 1;
      while (j < group.End && slots[j].Chunk == slots[i].Chunk && slots[j].Left == slots[i].Left)
        ++j;
      if (slots[i].Left == kMore && j - i > 1) pending.push_back({i, j, group.Depth + kChunk});
      i = j;
    }
  }
  std::vector<std::uint32_t> order(count);
  for (std::size_t i = 0; i < count; ++i) order[i] = slots[i].Index;
  return order;
}

}  // namespace

std::vector<std::uint32_t> sortedByKey(const TNaturalKeys& aKeys) {
  const std::size_t count = aKeys.Count();
  if (count < kParallelFrom || std::thread::hardware_concurrency() < 2)
    return sortedRange(aKeys, 0, count);
  // Two halves sorted side by side, then merged. Every index of the first
  // half is below every one of the second, and the merge takes from the
  // first on equal keys, so equal keys stay in the order of their indices.
  const std::size_t half = count / 2;
  std::vector<std::uint32_t> second;
  std::exception_ptr failure;
  std::vector<std::uint32_t> first;
  {
    std::jthread worker;
    try {
      worker = std::jthread([&] {
        try {
          second = sortedRange(aKeys, half, count);
        } catch (...) {
          failure = std::current_exception();
        }
      });
    } catch (const std::system_error&) {
      // No thread to be had: one sort does it all.
      return sortedRange(aKeys, 0, count);
    }
    first = sortedRange(aKeys, 0, half);
  }
  if (failure) std::rethrow_exception(failure);
  std::vector<std::uint32_t> order(count);
  std::merge(first.begin(), first.end(), second.begin(), second.end(), order.begin(),
             [&aKeys](std::uint32_t a, std::uint32_t b) { return aKeys.Key(a) < aKeys.Key(b); });
  return order;
}
