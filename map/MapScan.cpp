// SPDX-License-Identifier: GPL-3.0-or-later
#include "MapScan.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <limits>
#include <memory>
#include <span>

#include "FieldEscape.h"
#include "LibraryFormat.h"
#include "TextCodec.h"

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

bool isLineBreak(char aChar) { return aChar == '\n' || aChar == '\r'; }

/// The bytes that end an unquoted field: a tab and the line breaks.
constexpr std::array<bool, 256> kEndsField = [] {
  std::array<bool, 256> ends{};
  ends['\t'] = ends['\n'] = ends['\r'] = true;
  return ends;
}();

/// A file read a block at a time; the bytes from the line being read on
/// stay in Text.
class TBlockReader {
 public:
  TBlockReader(const std::string& aFile, std::size_t aBlock) : mBlock(aBlock) {
    // Only a regular file is opened at all: opening a FIFO would let its
    // writer start on a reader that goes away.
    struct stat info {};
    if (::stat(aFile.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return;
    mDescriptor = ::open(aFile.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (mDescriptor >= 0 && (::fstat(mDescriptor, &info) != 0 || !S_ISREG(info.st_mode))) {
      ::close(mDescriptor);
      mDescriptor = -1;
    }
  }
  ~TBlockReader() {
    if (mDescriptor >= 0) ::close(mDescriptor);
  }
  TBlockReader(const TBlockReader&) = delete;
  TBlockReader& operator=(const TBlockReader&) = delete;

  bool Opened() const { return mDescriptor >= 0; }
  bool Failed() const { return mFailed; }
  bool AtEndOfFile() const { return mEnd; }
  std::string_view Text() const { return {mData.get(), mSize}; }

  /// Drops the bytes before aKeep and reads one more block after the rest;
  /// false at the end of the file or when the read fails.
  bool More(std::size_t aKeep) {
    if (aKeep > 0) std::memmove(mData.get(), mData.get() + aKeep, mSize - aKeep);
    mSize -= aKeep;
    // A line longer than a block makes room for itself; the space is never
    // filled before it is read into.
    if (mCapacity - mSize < mBlock) {
      const std::size_t capacity = std::max(2 * mCapacity, mSize + mBlock);
      std::unique_ptr<char[]> data(new char[capacity]);
      if (mSize > 0) std::memcpy(data.get(), mData.get(), mSize);
      mData = std::move(data);
      mCapacity = capacity;
    }
    ssize_t got = 0;
    do {
      got = ::read(mDescriptor, mData.get() + mSize, mBlock);
    } while (got < 0 && errno == EINTR);
    if (got <= 0) {
      mEnd = true;
      mFailed = got < 0;
      return false;
    }
    mSize += static_cast<std::size_t>(got);
    return true;
  }

 private:
  std::size_t mBlock;
  int mDescriptor = -1;
  std::unique_ptr<char[]> mData;
  std::size_t mSize = 0;
  std::size_t mCapacity = 0;
  bool mEnd = false;
  bool mFailed = false;
};

/// One field of a line as it stands in the bytes: its text, or for a quoted
/// one what lies between its quotes, each quote in it still doubled.
struct TFieldSpan {
  std::string_view Raw;
  bool Quoted = false;
};

enum class TStep { Line, NeedMore, Fault };

/// Where the unquoted field at aAt ends: at the first tab or line break, or
/// the end of aText. Eight bytes at a time while none of them is one.
std::size_t fieldEnd(std::string_view aText, std::size_t aAt) {
  constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
  constexpr std::uint64_t kHighs = 0x8080808080808080ULL;
  const auto hasByte = [](std::uint64_t aWord, std::uint8_t aByte) {
    const std::uint64_t x = aWord ^ (kOnes * aByte);
    return (x - kOnes) & ~x & kHighs;
  };
  for (; aAt + 8 <= aText.size(); aAt += 8) {
    std::uint64_t word = 0;
    std::memcpy(&word, aText.data() + aAt, 8);
    if (hasByte(word, '\t') | hasByte(word, '\n') | hasByte(word, '\r')) break;
  }
  while (aAt < aText.size() && !kEndsField[static_cast<std::uint8_t>(aText[aAt])]) ++aAt;
  return aAt;
}

/// A hash of a text, eight bytes at a time.
std::uint64_t hashText(std::string_view aText) {
  std::uint64_t hash = 0x9E3779B97F4A7C15ULL ^ aText.size();
  const auto mix = [&](std::uint64_t aWord) {
    hash = (hash ^ aWord) * 0xBF58476D1CE4E5B9ULL;
    hash ^= hash >> 31;
  };
  std::size_t at = 0;
  for (; at + 8 <= aText.size(); at += 8) {
    std::uint64_t word = 0;
    std::memcpy(&word, aText.data() + at, 8);
    mix(word);
  }
  std::uint64_t last = 0;
  if (at < aText.size()) std::memcpy(&last, aText.data() + at, aText.size() - at);
  mix(last);
  return hash * 0x94D049BB133111EBULL ^ (hash >> 29);
}

/// Takes the line at aAt of aText as parseMapFile does, counting the line
/// breaks it takes in aLine; NeedMore when the bytes end before the line
/// does (or before what follows it can be told) and the file does not.
TStep takeLine(std::string_view aText, bool aAtEnd, std::size_t& aAt, int& aLine,
               std::vector<TFieldSpan>& aFields) {
  const std::size_t n = aText.size();
  std::size_t at = aAt;
  int line = aLine;
  const auto lineBreak = [&]() -> bool {
    if (aText[at] == '\r') {
      if (at + 1 == n && !aAtEnd) return false;
      if (at + 1 < n && aText[at + 1] == '\n') ++at;
    }
    ++at;
    ++line;
    return true;
  };
  aFields.clear();
  while (true) {
    TFieldSpan field;
    if (at < n && aText[at] == '"') {
      field.Quoted = true;
      const std::size_t from = ++at;
      while (true) {
        if (at == n) return aAtEnd ? TStep::Fault : TStep::NeedMore;
        const char c = aText[at];
        if (c == '"') {
          if (at + 1 == n && !aAtEnd) return TStep::NeedMore;
          if (at + 1 == n || aText[at + 1] != '"') break;
          at += 2;
        } else if (isLineBreak(c)) {
          if (!lineBreak()) return TStep::NeedMore;
        } else {
          ++at;
        }
      }
      field.Raw = aText.substr(from, at - from);
      ++at;
      if (at < n && aText[at] != '\t' && !isLineBreak(aText[at])) return TStep::Fault;
    } else {
      const std::size_t from = at;
      at = fieldEnd(aText, at);
      if (at == n && !aAtEnd) return TStep::NeedMore;
      field.Raw = aText.substr(from, at - from);
    }
    aFields.push_back(field);
    if (at == n || aText[at] != '\t') break;
    ++at;
  }
  if (at < n && !lineBreak()) return TStep::NeedMore;
  aAt = at;
  aLine = line;
  return TStep::Line;
}

/// A field's text: a view into the bytes when it holds neither a doubled
/// quote nor an escape, otherwise made in aScratch. Nothing for a bad
/// escape.
std::optional<std::string_view> fieldText(const TFieldSpan& aField, std::string& aQuoted,
                                          std::string& aScratch) {
  std::string_view text = aField.Raw;
  if (aField.Quoted && text.find('"') != std::string_view::npos) {
    aQuoted.clear();
    for (std::size_t i = 0; i < text.size(); ++i) {
      aQuoted += text[i];
      if (text[i] == '"') ++i;
    }
    text = aQuoted;
  }
  if (text.find('\\') == std::string_view::npos) return text;
  TUnescaped unescaped = unescapeField(text);
  if (unescaped.Error) return std::nullopt;
  aScratch = std::move(unescaped.Text);
  return std::string_view(aScratch);
}

/// Reads aFile through, giving aEntry each entry's line and unescaped
/// texts; false at the first fault parseMapFile would refuse the map for,
/// when aFile does not open or read, or when aEntry returns false.
bool scanFile(const std::string& aFile, std::size_t aBlock,
              const std::function<bool(int, std::string_view, std::string_view)>& aEntry) {
  TBlockReader reader(aFile, aBlock);
  if (!reader.Opened()) return false;
  reader.More(0);
  if (reader.Failed()) return false;
  std::size_t at = 0;
  // A byte-order mark may end the first block only in a file of three bytes
  // or fewer; read on until the mark can be told.
  while (reader.Text().size() < 3 && !reader.AtEndOfFile()) reader.More(0);
  const std::string_view start = reader.Text();
  if (start.starts_with("\xFF\xFE") || start.starts_with("\xFE\xFF")) return false;
  if (start.starts_with(kUtf8Mark)) at = kUtf8Mark.size();
  int line = 1;
  std::vector<TFieldSpan> fields;
  std::string quoted[2];
  std::string scratch[2];
  while (true) {
    const std::string_view text = reader.Text();
    if (at == text.size()) {
      if (reader.AtEndOfFile() || !reader.More(at)) return !reader.Failed();
      at = 0;
      continue;
    }
    const std::size_t from = at;
    const int number = line;
    const TStep step = takeLine(text, reader.AtEndOfFile(), at, line, fields);
    if (step == TStep::Fault) return false;
    if (step == TStep::NeedMore) {
      if (!reader.More(from) && reader.Failed()) return false;
      at = 0;
      continue;
    }
    // Line breaks are ASCII, so no character spans two lines.
    if (!isValidUtf8(text.substr(from, at - from))) return false;
    if (fields.size() == 1 && fields[0].Raw.empty() && !fields[0].Quoted) continue;
    if (fields.size() < 2) return false;
    const std::optional<std::string_view> old = fieldText(fields[0], quoted[0], scratch[0]);
    const std::optional<std::string_view> replacement = fieldText(fields[1], quoted[1], scratch[1]);
    if (!old || !replacement || replacement->empty()) return false;
    if (!aEntry(number, *old, *replacement)) return false;
  }
}

/// The hashes of the old texts seen, open-addressed; zero marks a free slot.
class THashSet {
 public:
  /// Asks for the slot aHash would go in ahead of its insertion.
  void Prefetch(std::uint64_t aHash) const {
#if defined(__GNUC__) || defined(__clang__)
    if (!mSlots.empty())
      __builtin_prefetch(&mSlots[(aHash == 0 ? 1 : aHash) & (mSlots.size() - 1)]);
#endif
  }

  /// False when aHash was inserted before.
  bool Insert(std::uint64_t aHash) {
    if (aHash == 0) aHash = 1;
    if (2 * (mCount + 1) > mSlots.size()) Grow();
    const std::size_t mask = mSlots.size() - 1;
    for (std::size_t slot = aHash & mask;; slot = (slot + 1) & mask) {
      if (mSlots[slot] == aHash) return false;
      if (mSlots[slot] == 0) {
        mSlots[slot] = aHash;
        ++mCount;
        return true;
      }
    }
  }

 private:
  void Grow() {
    std::vector<std::uint64_t> old(std::max<std::size_t>(1024, 2 * mSlots.size()));
    old.swap(mSlots);
    const std::size_t mask = mSlots.size() - 1;
    for (const std::uint64_t hash : old) {
      if (hash == 0) continue;
      std::size_t slot = hash & mask;
      while (mSlots[slot] != 0) slot = (slot + 1) & mask;
      mSlots[slot] = hash;
    }
  }

  std::vector<std::uint64_t> mSlots;
  std::size_t mCount = 0;
};

/// Reads aScan through, giving aEntry each entry's line, texts and the
/// catalogue entry whose text is exactly its old text; false when the map
/// no longer reads as it did. The lines are looked up a batch at a time,
/// so that the lookups wait for memory side by side; their texts are valid
/// during the call only.
bool forEachNamed(const TVectorEngine& aEngine, const TMapScan& aScan,
                  const std::function<void(int aLine, std::string_view aOld, std::string_view aNew,
                                           std::optional<std::size_t> aEntry)>& aEntry) {
  constexpr std::size_t kBatch = 256;
  struct TPending {
    int Line = 0;
    std::size_t Old = 0;
    std::size_t New = 0;
    std::size_t End = 0;
    /// Where its stored bytes are in the arena, if a category can have them.
    std::optional<std::pair<std::size_t, std::size_t>> Bytes;
  };
  const bool asciiItself = asciiIsItself(aEngine.CodePage());
  std::string arena;
  std::vector<TPending> pending;
  std::vector<std::string_view> keys;
  std::vector<std::optional<std::size_t>> entries;
  std::u16string units;
  TAnsiText bytes;
  const auto settle = [&] {
    keys.clear();
    for (const TPending& line : pending)
      if (line.Bytes)
        keys.push_back(std::string_view(arena).substr(line.Bytes->first, line.Bytes->second));
    entries.resize(keys.size());
    aEngine.FindCategoriesBytes(keys, entries);
    std::size_t key = 0;
    const std::string_view all(arena);
    for (const TPending& line : pending)
      aEntry(line.Line, all.substr(line.Old, line.New - line.Old),
             all.substr(line.New, line.End - line.New), line.Bytes ? entries[key++] : std::nullopt);
    pending.clear();
    arena.clear();
  };
  const bool whole = aScan.ForEach([&](int aLine, std::string_view aOld, std::string_view aNew) {
    TPending line;
    line.Line = aLine;
    line.Old = arena.size();
    arena.append(aOld);
    line.New = arena.size();
    arena.append(aNew);
    line.End = arena.size();
    // Its stored bytes: the old text itself where the code page keeps ASCII
    // as it is, or else the old text encoded, if exactly and within the
    // field.
    if (asciiItself && asciiPrefix(aOld) == aOld.size()) {
      if (aOld.size() <= kRemarksCapacity) line.Bytes.emplace(line.Old, aOld.size());
    } else {
      utf8ToUtf16To(aOld, units);
      encodeAnsiTo(units, aEngine.CodePage(), std::numeric_limits<std::size_t>::max(), bytes);
      if (bytes.Exact() && bytes.Bytes.size() <= kRemarksCapacity) {
        line.Bytes.emplace(arena.size(), bytes.Bytes.size());
        arena.append(bytes.Bytes);
      }
    }
    pending.push_back(line);
    if (pending.size() == kBatch) settle();
  });
  if (!whole) return false;
  settle();
  return true;
}

TMapLine lineOf(int aLine, std::string_view aOld, std::string_view aNew) {
  return {aLine, *utf8ToUtf16(aOld), *utf8ToUtf16(aNew)};
}

}  // namespace

std::optional<TMapScan> TMapScan::Check(const std::string& aFile, std::size_t aBlock) {
  TMapScan scan(aFile, std::max<std::size_t>(aBlock, 1));
  THashSet seen;
  // Each hash goes in a few lines after it is taken, its slot asked for
  // meanwhile: the set is far larger than the cache.
  constexpr std::size_t kAhead = 16;
  std::array<std::uint64_t, kAhead> ahead{};
  std::size_t waiting = 0;
  const bool whole =
      scanFile(aFile, scan.mBlock, [&](int, std::string_view aOld, std::string_view) {
        const std::uint64_t hash = hashText(aOld);
        const std::uint64_t due = ahead[scan.mEntries % kAhead];
        ahead[scan.mEntries++ % kAhead] = hash;
        seen.Prefetch(hash);
        if (waiting < kAhead) {
          ++waiting;
          return true;
        }
        return seen.Insert(due);
      });
  if (!whole) return std::nullopt;
  for (std::size_t i = scan.mEntries - waiting; i < scan.mEntries; ++i)
    if (!seen.Insert(ahead[i % kAhead])) return std::nullopt;
  return scan;
}

bool TMapScan::ForEach(
    const std::function<void(int, std::string_view, std::string_view)>& aEntry) const {
  std::size_t entries = 0;
  const bool whole =
      scanFile(mFile, mBlock, [&](int aLine, std::string_view aOld, std::string_view aNew) {
        if (++entries > mEntries) return false;
        aEntry(aLine, aOld, aNew);
        return true;
      });
  return whole && entries == mEntries;
}

std::optional<TMapTranslation> translateByScan(const TVectorEngine& aEngine,
                                               const TMapScan& aScan) {
  const TCodePage page = aEngine.CodePage();
  TMapTranslation out;
  out.Stored.TextOf.assign(aEngine.Catalog().Count(), TCategoryBytes::kKept);
  // Room for every line to name a category, reserved once: growing would
  // copy the texts and hold them twice for a while. Pages never written
  // take no memory.
  const std::size_t most = std::min(aScan.Entries(), aEngine.Catalog().Count());
  out.Stored.Bytes.reserve(most * kRemarksCapacity);
  out.Stored.Ends.reserve(most);
  out.NamedLines.reserve(most);
  out.NamedEntries.reserve(most);
  std::u16string units;
  TAnsiText stored;
  const bool asciiItself = asciiIsItself(page);
  const bool whole = forEachNamed(
      aEngine, aScan,
      [&](int aLine, std::string_view aOld, std::string_view aNew,
          std::optional<std::size_t> aEntry) {
        // An entry a line before named keeps that line's text; this one, whose
        // old text is another, names nothing.
        if (!aEntry || !out.Stored.Kept(*aEntry)) {
          out.Unmatched.push_back(lineOf(aLine, aOld, aNew));
          return;
        }
        if (asciiItself && asciiPrefix(aNew) == aNew.size()) {
          // Its own bytes, cut to the field.
          out.Stored.Give(*aEntry, aNew.substr(0, kRemarksCapacity));
          if (aNew.size() > kRemarksCapacity)
            out.Inexact.push_back({out.NamedLines.size(),
                                   *utf8ToUtf16(aNew),
                                   {std::string(aNew.substr(0, kRemarksCapacity)), {}, true}});
        } else {
          utf8ToUtf16To(aNew, units);
          encodeAnsiTo(units, page, kRemarksCapacity, stored);
          out.Stored.Give(*aEntry, stored.Bytes);
          if (!stored.Exact()) out.Inexact.push_back({out.NamedLines.size(), units, stored});
        }
        out.NamedLines.push_back(aLine);
        out.NamedEntries.push_back(static_cast<std::uint32_t>(*aEntry));
      });
  if (!whole) return std::nullopt;

  // The two first entries, in catalogue order, given each new text: a text
  // another entry is also given merges them. Open-addressed by the bytes,
  // each slot the text's number plus one and its hash's high half, so that
  // a probe reads another text only when it is almost surely the same.
  const TCategoryBytes& given = out.Stored;
  constexpr std::uint32_t kNone = UINT32_MAX;
  constexpr std::uint64_t kTextBits = 0xFFFFFFFFULL;
  std::size_t size = 1;
  while (size < 2 * given.Count() + 2) size *= 2;
  std::vector<std::uint64_t> slots(size, 0);
  std::vector<std::array<std::uint32_t, 2>> firstTwo(given.Count(), {kNone, kNone});
  std::vector<std::uint32_t> groupOf(given.Count());
  // In catalogue order, so the first two of each group are its smallest.
  // The table is far larger than the cache: each entry's hash is taken a
  // few entries ahead and its slot asked for then.
  const std::size_t mask = size - 1;
  constexpr std::size_t kAhead = 16;
  std::array<std::pair<std::size_t, std::uint64_t>, kAhead> ahead{};
  std::size_t head = 0;
  std::size_t waiting = 0;
  std::size_t next = 0;
  const auto hashAhead = [&] {
    while (next < given.TextOf.size() && given.Kept(next)) ++next;
    if (next == given.TextOf.size()) return;
    const std::uint64_t hash = hashText(given.Text(given.TextOf[next]));
#if defined(__GNUC__) || defined(__clang__)
    __builtin_prefetch(&slots[hash & mask]);
#endif
    ahead[(head + waiting++) % kAhead] = {next++, hash};
  };
  while (waiting < kAhead && next < given.TextOf.size()) hashAhead();
  while (waiting > 0) {
    const auto [c, hash] = ahead[head];
    head = (head + 1) % kAhead;
    --waiting;
    hashAhead();
    const std::uint32_t text = given.TextOf[c];
    const std::string_view key = given.Text(text);
    const std::uint64_t tag = hash & ~kTextBits;
    std::size_t slot = hash & mask;
    for (; slots[slot] != 0; slot = (slot + 1) & mask)
      if ((slots[slot] & ~kTextBits) == tag && given.Text((slots[slot] & kTextBits) - 1) == key)
        break;
    if (slots[slot] == 0) slots[slot] = tag | (std::uint64_t{text} + 1);
    const auto group = static_cast<std::uint32_t>((slots[slot] & kTextBits) - 1);
    auto& two = firstTwo[group];
    if (two[0] == kNone)
      two[0] = static_cast<std::uint32_t>(c);
    else if (two[1] == kNone)
      two[1] = static_cast<std::uint32_t>(c);
    groupOf[text] = group;
  }
  // An entry that keeps its bytes merges with one given the same: a map
  // that names every category leaves none. Looked up a batch at a time.
  const bool anyKept = given.Count() < given.TextOf.size();
  constexpr std::size_t kBatch = 256;
  std::vector<std::string_view> texts;
  std::vector<std::optional<std::size_t>> kept(kBatch);
  for (std::size_t from = 0; from < out.NamedEntries.size(); from += kBatch) {
    const std::size_t to = std::min(out.NamedEntries.size(), from + kBatch);
    if (anyKept) {
      texts.clear();
      for (std::size_t named = from; named < to; ++named)
        texts.push_back(given.Text(given.TextOf[out.NamedEntries[named]]));
      aEngine.FindCategoriesBytes(texts, std::span(kept).first(texts.size()));
    }
    for (std::size_t named = from; named < to; ++named) {
      const std::size_t entry = out.NamedEntries[named];
      std::optional<std::size_t> first;
      const auto consider = [&](std::size_t aOther) {
        if (aOther != entry && (!first || aOther < *first)) first = aOther;
      };
      if (const auto& same = kept[named - from]; anyKept && same && given.Kept(*same))
        consider(*same);
      for (const std::uint32_t other : firstTwo[groupOf[given.TextOf[entry]]])
        if (other != kNone) consider(other);
      if (first) out.Merges.push_back({named, *first});
    }
  }
  return out;
}

std::optional<std::vector<TMapLine>> applyScan(const TVectorEngine& aEngine, const TMapScan& aScan,
                                               TCategoryMap& aMap) {
  std::vector<TMapLine> unmatched;
  const bool whole = forEachNamed(aEngine, aScan,
                                  [&](int aLine, std::string_view aOld, std::string_view aNew,
                                      std::optional<std::size_t> aEntry) {
                                    if (aEntry)
                                      aMap.NewCats[*aEntry] = *utf8ToUtf16(aNew);
                                    else
                                      unmatched.push_back(lineOf(aLine, aOld, aNew));
                                  });
  if (!whole) return std::nullopt;
  return unmatched;
}
