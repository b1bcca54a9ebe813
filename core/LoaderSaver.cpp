// SPDX-License-Identifier: GPL-3.0-or-later
#include "LoaderSaver.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <exception>
#include <functional>
#include <new>
#include <optional>

#include "FileLayer.h"
#include "NaturalKey.h"
#include "TextCodec.h"
#include "WorkProgress.h"

namespace {

constexpr std::size_t kPrefetchDistance = 8;

/// Asks for the cache line at aAt ahead of its use.
void prefetchLine(const void* aAt) {
#if defined(__GNUC__) || defined(__clang__)
  __builtin_prefetch(aAt);
#else
  (void)aAt;
#endif
}

void prefetchHeader(const std::uint8_t* aHeader) {
  for (std::size_t line = 0; line < kItemHeaderSize; line += 64) prefetchLine(aHeader + line);
}

// The item that starts at aPosition (its size field, then the item), which
// moves aPosition past it; nothing, with aDamage saying why, when the bytes
// left cannot hold it.
std::optional<TItemStream> itemAt(const TFileBytes& aBuffer, std::size_t& aPosition,
                                  TLoadResult::TDamage& aDamage) {
  if (aBuffer.Size() - aPosition < kItemSizeFieldSize) {
    aDamage = TLoadResult::TDamage::SizeCutOff;
    return std::nullopt;
  }
  const std::int64_t size = readInt64LE(aBuffer.Data() + aPosition);
  aPosition += kItemSizeFieldSize;
  if (size < static_cast<std::int64_t>(kItemHeaderSize)) {
    aDamage = TLoadResult::TDamage::SmallerThanHeader;
    return std::nullopt;
  }
  if (static_cast<std::uint64_t>(size) > aBuffer.Size() - aPosition) {
    aDamage = TLoadResult::TDamage::PastTheEnd;
    return std::nullopt;
  }
  const TItemStream found{aBuffer.Data() + aPosition, static_cast<std::size_t>(size)};
  aPosition += found.Size;
  return found;
}

// Items are written this many at a time, each as its size field and new
// header (copied, then translated) and its body (where it was loaded).
constexpr std::size_t kItemsPerWrite = 256;
constexpr std::size_t kItemLead = kItemSizeFieldSize + kItemHeaderSize;

// What a load or a save says when another program cut the library short or
// wrote to it while its bytes were in use.
constexpr const char* kChangedWhileRead =
    "the file was changed by another program while it was read";
constexpr const char* kChangedSinceLoaded =
    "the library was changed by another program since it was loaded";

}  // namespace

TCategoryMap TCategoryMap::Identity(const TVectorEngine& aEngine) {
  TCategoryMap map;
  for (int i = 0; i < aEngine.GetLibraryIndexCount(); ++i)
    map.OldCats.push_back(aEngine.GetLibraryIndexItem(i));
  map.NewCats = map.OldCats;
  return map;
}

TVectorEngine::TVectorEngine() = default;

TVectorEngine::~TVectorEngine() { ClearLibrary(); }

/// The steps of a load a reporter hears: one for each block of the file
/// read, then one for each block of it taken apart into items.
class TLoadSteps {
 public:
  explicit TLoadSteps(TWorkProgress* aProgress) : mProgress(aProgress) {}
  ~TLoadSteps() {
    if (mBegun) mProgress->End();
  }
  TLoadSteps(const TLoadSteps&) = delete;
  TLoadSteps& operator=(const TLoadSteps&) = delete;

  void Read(std::size_t aRead, std::size_t aSize) {
    if (mProgress == nullptr) return;
    if (!mBegun) {
      mBlocks = aSize / kBlockSize + 1;
      mBegun = true;
      mProgress->Begin(static_cast<int>(2 * mBlocks));
    }
    Advance(aRead / kBlockSize);
  }
  void TakenApart(std::size_t aOffset) {
    if (mBegun) Advance(mBlocks + aOffset / kBlockSize);
  }

  /// Items taken apart between two looks at where the load stands.
  static constexpr std::int32_t kItemsPerLook = 4096;

 private:
  static constexpr std::size_t kBlockSize = std::size_t{1} << 20;

  void Advance(std::size_t aStep) {
    aStep = std::min(aStep, 2 * mBlocks - 1);
    if (aStep <= mLast && mAdvanced) return;
    mLast = aStep;
    mAdvanced = true;
    mProgress->Advance(static_cast<int>(aStep));
  }

  TWorkProgress* mProgress;
  std::size_t mBlocks = 0;
  std::size_t mLast = 0;
  bool mBegun = false;
  bool mAdvanced = false;
};

TLoadResult TVectorEngine::ExamineLibraryFile(const std::string& aFile) {
  TLoadResult result;
  try {
    const std::vector<std::uint8_t> start = readFileStart(aFile, kLibraryHeaderSize);
    TLibraryHeader header;
    std::copy(start.begin(), start.end(), header.Bytes.begin());
    if (start.size() < kLibraryHeaderSize || !header.IsValid())
      result.Kind = TLoadResult::TKind::NotALibrary;
  } catch (const TFileError& e) {
    result.Kind = TLoadResult::TKind::CannotOpen;
    result.Reason = e.Reason();
  }
  return result;
}

TLoadResult TVectorEngine::LoadLibraryFromFile(const std::string& aFile, TWorkProgress* aProgress) {
  const auto cannotOpen = [](std::string aReason) {
    TLoadResult result;
    result.Kind = TLoadResult::TKind::CannotOpen;
    result.Reason = std::move(aReason);
    return result;
  };
  try {
    TLoadSteps steps(aProgress);
    TLoadResult result = LoadFromBuffer(
        TFileBytes::Open(
            aFile, [&steps](std::size_t aRead, std::size_t aSize) { steps.Read(aRead, aSize); }),
        &steps);
    if (result.Kind == TLoadResult::TKind::Loaded || result.Kind == TLoadResult::TKind::Damaged)
      mFile = aFile;
    return result;
  } catch (const TFileError& e) {
    return cannotOpen(e.Reason());
  } catch (const std::bad_alloc&) {
    // Part of a library would pass for all of it; keep none, and give the
    // memory back.
    ClearLibrary();
    TLoadResult result;
    result.Kind = TLoadResult::TKind::OutOfMemory;
    return result;
  } catch (const std::exception& e) {
    return cannotOpen(e.what());
  }
}

TLoadResult TVectorEngine::LoadLibraryFromStream(std::vector<std::uint8_t> aStream) {
  return LoadFromBuffer(TFileBytes(std::move(aStream)), nullptr);
}

TLoadResult TVectorEngine::LoadFromBuffer(TFileBytes aStream, TLoadSteps* aSteps) {
  TLoadResult result;
  if (!TakeHeader(aStream)) {
    result.Kind = TLoadResult::TKind::NotALibrary;
    return result;
  }
  ClearLibrary();
  mBuffer = std::move(aStream);
  const std::int32_t declared = LibraryHeader.ObjectCount();
  result.ItemsDeclared = std::max<std::int32_t>(declared, 0);
  ReserveItems(static_cast<std::size_t>(result.ItemsDeclared));
  const std::size_t end = ReadItems(declared, result.Damage, aSteps);
  result.ItemsRead = static_cast<std::int64_t>(OLibrary.size());
  if (result.ItemsRead < result.ItemsDeclared)
    result.Kind = TLoadResult::TKind::Damaged;
  else
    result.TrailingBytes = mTrailingBytes = mBuffer.Size() - end;
  // Bytes cut off under a mapping read as zeros: nothing read from them is
  // kept.
  if (!mBuffer.Intact()) {
    ClearLibrary();
    result = TLoadResult();
    result.Kind = TLoadResult::TKind::CannotOpen;
    result.Reason = kChangedWhileRead;
  }
  return result;
}

bool TVectorEngine::TakeHeader(const TFileBytes& aStream) {
  // The header copy is taken before it is checked, as far as the bytes go.
  const std::size_t headerBytes = std::min(aStream.Size(), kLibraryHeaderSize);
  std::copy_n(aStream.Data(), headerBytes, LibraryHeader.Bytes.begin());
  return headerBytes == kLibraryHeaderSize && LibraryHeader.IsValid();
}

void TVectorEngine::ReserveItems(std::size_t aDeclared) {
  // Every item takes at least its size field and its header, so the count
  // that can really be there bounds what is reserved, whatever the header says.
  const std::size_t available = mBuffer.Size() - kLibraryHeaderSize;
  const std::size_t fitting = available / (kItemSizeFieldSize + kItemHeaderSize);
  const std::size_t reserve = std::min(aDeclared, fitting);
  OLibrary.reserve(reserve);
  mItemCategory.reserve(reserve);
  mKeys.Ends.reserve(reserve);
}

namespace {

std::uint64_t hashBytes(std::string_view aBytes) { return std::hash<std::string_view>{}(aBytes); }

constexpr std::uint64_t kEntryBits = 0xFFFFFFFFULL;

/// A slot's tag: the hash's high half, where the slot's own number lies in
/// its low bits.
std::uint64_t tagOf(std::uint64_t aHash) { return aHash & ~kEntryBits; }

std::string_view remarksView(const std::uint8_t* aField) {
  return std::string_view(reinterpret_cast<const char*>(aField + 1),
                          std::min<std::size_t>(aField[0], kRemarksCapacity));
}

}  // namespace

std::size_t TVectorEngine::ReadItems(std::int32_t aDeclared, TLoadResult::TDamage& aDamage,
                                     TLoadSteps* aSteps) {
  // The code page maps bytes to code units one to one, so equal bytes are
  // equal categories: the catalogue is found by the stored bytes, never
  // decoding them, through a table of a few bytes per category.
  mCategorySlots.assign(64, 0);
  mCategoryField.clear();
  // Each name's sort key is made here, while its header is in the cache,
  // not in a second walk over the whole file.
  mKeysPage = mCodePage;
  std::u16string name;
  std::size_t position = kLibraryHeaderSize;
  for (std::int32_t i = 0; i < aDeclared; ++i) {
    if (aSteps != nullptr && i % TLoadSteps::kItemsPerLook == 0) aSteps->TakenApart(position);
    const std::optional<TItemStream> item = itemAt(mBuffer, position, aDamage);
    if (!item) break;
    OLibrary.push_back(*item);
    decodeAnsiTo(ansiShortStringView(item->Data + kAuthorOffset, kAuthorCapacity), mCodePage, name);
    appendNaturalKey(name, mKeys.Bytes);
    mKeys.Close();
    const std::uint8_t* field = item->Data + kRemarksOffset;
    const std::string_view remarks = remarksView(field);
    const std::uint64_t hash = hashBytes(remarks);
    const std::size_t mask = mCategorySlots.size() - 1;
    std::size_t slot = hash & mask;
    for (; mCategorySlots[slot] != 0; slot = (slot + 1) & mask) {
      const std::uint64_t held = mCategorySlots[slot];
      if (tagOf(held) == tagOf(hash) &&
          remarksView(mCategoryField[(held & kEntryBits) - 1]) == remarks)
        break;
    }
    if (mCategorySlots[slot] != 0) {
      mItemCategory.push_back(static_cast<std::uint32_t>((mCategorySlots[slot] & kEntryBits) - 1));
      continue;
    }
    mCategoryField.push_back(field);
    mCategorySlots[slot] = tagOf(hash) | mCategoryField.size();
    mItemCategory.push_back(static_cast<std::uint32_t>(mCategoryField.size() - 1));
    if (mCategoryField.size() * 2 <= mCategorySlots.size()) continue;
    std::vector<std::uint64_t> grown(mCategorySlots.size() * 2);
    for (const std::uint64_t held : mCategorySlots) {
      if (held == 0) continue;
      std::size_t at =
          hashBytes(remarksView(mCategoryField[(held & kEntryBits) - 1])) & (grown.size() - 1);
      while (grown[at] != 0) at = (at + 1) & (grown.size() - 1);
      grown[at] = held;
    }
    mCategorySlots = std::move(grown);
  }
  BuildCatalog(mCategoryField.size());
  return position;
}

std::optional<std::size_t> TVectorEngine::FindCategoryBytes(std::string_view aBytes) const {
  std::optional<std::size_t> entry;
  FindCategoriesBytes(std::span(&aBytes, 1), std::span(&entry, 1));
  return entry;
}

void TVectorEngine::FindCategoriesBytes(std::span<const std::string_view> aBytes,
                                        std::span<std::optional<std::size_t>> aEntries) const {
  if (mCategorySlots.empty()) {
    std::fill(aEntries.begin(), aEntries.end(), std::nullopt);
    return;
  }
  const std::size_t mask = mCategorySlots.size() - 1;
  // A few at a time: their hashes, and each step's memory asked for before
  // the next step reads it (the slot, the entry's field pointer, the field).
  constexpr std::size_t kTogether = 32;
  std::array<std::uint64_t, kTogether> hashes{};
  std::array<std::size_t, kTogether> firsts{};
  for (std::size_t from = 0; from < aBytes.size(); from += kTogether) {
    const std::size_t n = std::min(kTogether, aBytes.size() - from);
    for (std::size_t i = 0; i < n; ++i) {
      hashes[i] = hashBytes(aBytes[from + i].substr(0, kRemarksCapacity));
      prefetchLine(&mCategorySlots[hashes[i] & mask]);
    }
    for (std::size_t i = 0; i < n; ++i) {
      const std::uint64_t held = mCategorySlots[hashes[i] & mask];
      firsts[i] = held == 0 ? SIZE_MAX : (held & kEntryBits) - 1;
      if (firsts[i] != SIZE_MAX) prefetchLine(&mCategoryField[firsts[i]]);
    }
    for (std::size_t i = 0; i < n; ++i)
      if (firsts[i] != SIZE_MAX) prefetchLine(mCategoryField[firsts[i]]);
    for (std::size_t i = 0; i < n; ++i) {
      const std::string_view bytes = aBytes[from + i].substr(0, kRemarksCapacity);
      std::optional<std::size_t>& found = aEntries[from + i];
      found.reset();
      for (std::size_t slot = hashes[i] & mask; mCategorySlots[slot] != 0;
           slot = (slot + 1) & mask) {
        const std::uint64_t held = mCategorySlots[slot];
        const std::size_t entry = (held & kEntryBits) - 1;
        if (tagOf(held) == tagOf(hashes[i]) && remarksView(mCategoryField[entry]) == bytes) {
          found = entry;
          break;
        }
      }
    }
  }
}

std::optional<std::size_t> TVectorEngine::FindCategory(std::u16string_view aText) const {
  // Every category decodes from its bytes one to one, so a text that does
  // not encode exactly is none of them.
  const TAnsiText bytes = encodeAnsi(aText, mCodePage);
  if (!bytes.Exact() || bytes.Bytes.size() > kRemarksCapacity) return std::nullopt;
  return FindCategoryBytes(bytes.Bytes);
}

void TVectorEngine::BuildCatalog(std::size_t aEntries) {
  LibraryIndex.Starts.assign(aEntries + 1, 0);
  for (const std::uint32_t entry : mItemCategory) ++LibraryIndex.Starts[entry + 1];
  for (std::size_t c = 0; c < aEntries; ++c) LibraryIndex.Starts[c + 1] += LibraryIndex.Starts[c];
  LibraryIndex.Items.resize(mItemCategory.size());
  std::vector<std::uint32_t> next(LibraryIndex.Starts.begin(), LibraryIndex.Starts.end() - 1);
  for (std::size_t i = 0; i < mItemCategory.size(); ++i)
    LibraryIndex.Items[next[mItemCategory[i]]++] = static_cast<std::uint32_t>(i);
}

void TVectorEngine::ClearLibrary() {
  OLibrary.clear();
  OLibrary.shrink_to_fit();
  ClearLibraryIndex();
  mItemCategory.clear();
  mItemCategory.shrink_to_fit();
  mKeys = TNaturalKeys();
  mSorted.reset();
  mBuffer = TFileBytes();
  mFile.clear();
  mTrailingBytes = 0;
}

void TVectorEngine::ClearLibraryIndex() {
  LibraryIndex = TLibraryCatalog();
  mCategorySlots.clear();
  mCategorySlots.shrink_to_fit();
  mCategoryField.clear();
  mCategoryField.shrink_to_fit();
}

int TVectorEngine::GetLibraryIndexCount() const { return static_cast<int>(LibraryIndex.Count()); }

std::string_view TVectorEngine::CategoryBytes(std::size_t aEntry) const {
  return remarksView(mCategoryField[aEntry]);
}

std::u16string TVectorEngine::GetLibraryIndexItem(int ID) const {
  return decodeAnsi(CategoryBytes(static_cast<std::size_t>(ID)), mCodePage);
}

TItemStream TVectorEngine::GetLibraryItembyID(int ID) const {
  return OLibrary[static_cast<std::size_t>(ID)];
}

std::u16string TVectorEngine::GetLibraryItemByID(int Cat, int ID) const {
  return Name(
      LibraryIndex.Identifiers(static_cast<std::size_t>(Cat))[static_cast<std::size_t>(ID - 1)]);
}

int TVectorEngine::GetLibraryIndexItemCount(int Cat) const {
  return static_cast<int>(LibraryIndex.Identifiers(static_cast<std::size_t>(Cat)).size());
}

std::u16string TVectorEngine::Name(std::size_t aItem) const {
  return readItemAuthor(OLibrary[aItem].Data, mCodePage);
}

std::vector<std::u16string> TVectorEngine::Names() const {
  std::vector<std::u16string> names;
  names.reserve(OLibrary.size());
  for (std::size_t i = 0; i < OLibrary.size(); ++i) names.push_back(Name(i));
  return names;
}

std::u16string TVectorEngine::GetLibraryItemAuthor(const TItemStream& aStream, TCodePage aPage) {
  return readItemAuthor(aStream.Data, aPage);
}

std::u16string TVectorEngine::GetLibraryItemRemarks(const TItemStream& aStream, TCodePage aPage) {
  return readItemRemarks(aStream.Data, aPage);
}

void TVectorEngine::SetLibraryItemRemarks(TFileHeader& aHeader, std::u16string_view Cat,
                                          TCodePage aPage) {
  storeItemRemarksBytes(aHeader.Bytes.data(), encodeAnsi(Cat, aPage, kRemarksCapacity).Bytes);
}

TLoadResult TVectorEngine::RereadInCodePage(TCodePage aPage) {
  mCodePage = aPage;
  std::string file = std::move(mFile);
  TLoadResult result = LoadFromBuffer(std::move(mBuffer), nullptr);
  mFile = std::move(file);
  return result;
}

std::vector<std::uint32_t> TVectorEngine::SortedItemOrder() const {
  // The keys made while loading hold for the code page of that load.
  if (mKeysPage == mCodePage && mKeys.Count() == OLibrary.size()) return sortedByKey(mKeys);
  // Each name becomes a key once, straight from its bytes; sorting the keys
  // then never decodes or compares names.
  TNaturalKeys keys;
  keys.Ends.reserve(OLibrary.size());
  std::u16string name;
  for (std::size_t i = 0; i < OLibrary.size(); ++i) {
    if (i + kPrefetchDistance < OLibrary.size())
      prefetchHeader(OLibrary[i + kPrefetchDistance].Data);
    decodeAnsiTo(ansiShortStringView(OLibrary[i].Data + kAuthorOffset, kAuthorCapacity), mCodePage,
                 name);
    appendNaturalKey(name, keys.Bytes);
    keys.Close();
  }
  return sortedByKey(keys);
}

void TVectorEngine::SortAhead() {
  mSorted = SortedItemOrder();
  mSortedPage = mCodePage;
}

/// Tells the reporter that the save has ended, once it has begun, however
/// the save ends.
struct TEndOnExit {
  TWorkProgress* Progress;
  bool Begun = false;
  ~TEndOnExit() {
    if (Begun) Progress->End();
  }
};

void TVectorEngine::SaveLibraryToFile(const std::string& aFile, const TCategoryMap& aMap,
                                      TWorkProgress* aProgress) {
  SaveLibraryToFile(aFile, BytesOf(TranslationTable(aMap)), aProgress);
}

void TVectorEngine::SaveLibraryToFile(const std::string& aFile, const TCategoryBytes& aBytes,
                                      TWorkProgress* aProgress) {
  TAtomicFileWriter writer(aFile);
  // The save ends once the file is in place, synced, not when its last item
  // is written.
  TEndOnExit ender{aProgress};
  try {
    WriteLibrary(writer, aBytes, ender);
  } catch (const TFileError&) {
    // Bytes cut off under the mapping fail a write with a bad address; say why.
    RequireUnchanged(aFile);
    throw;
  }
  // Only what was loaded may be written: the writer then removes its file.
  RequireUnchanged(aFile);
  writer.Commit();
}

void TVectorEngine::SaveLibraryToStream(TByteSink& aStream, const TCategoryMap& aMap,
                                        TWorkProgress* aProgress) {
  TEndOnExit ender{aProgress};
  WriteLibrary(aStream, BytesOf(TranslationTable(aMap)), ender);
  RequireUnchanged(mFile);
}

void TVectorEngine::RequireUnchanged(const std::string& aTarget) const {
  if (!mBuffer.Intact()) throw TFileError(TFileOperation::Read, aTarget, kChangedSinceLoaded);
}

void TVectorEngine::WriteLibrary(TByteSink& aStream, const TCategoryBytes& aBytes,
                                 TEndOnExit& aEnder) {
  const auto count = static_cast<int>(OLibrary.size());
  LibraryHeader.PrepareForWrite(GetLibraryIndexCount(), count);
  aStream.Write(LibraryHeader.Bytes.data(), LibraryHeader.Bytes.size());
  if (aEnder.Progress) {
    aEnder.Begun = true;
    aEnder.Progress->Begin(count);
  }
  WriteItems(aStream, aBytes, aEnder.Progress);
}

TCategoryBytes TVectorEngine::BytesOf(const TTranslation& aTranslation) {
  TCategoryBytes bytes;
  bytes.TextOf = aTranslation.TextOf;
  for (const TAnsiText& text : aTranslation.Texts) {
    bytes.Bytes.append(text.Bytes);
    bytes.Ends.push_back(bytes.Bytes.size());
  }
  return bytes;
}

TVectorEngine::TTranslation TVectorEngine::TranslationTable(const TCategoryMap& aMap) const {
  // Each catalogue entry's new text, encoded once: the first map row whose
  // old text equals the entry's category. Every byte decodes to a code unit
  // that encodes back to it, so a row left as it was stores its old bytes.
  // Items are translated from the categories as loaded, so saving twice
  // never translates twice.
  TTranslation translation;
  translation.TextOf.assign(LibraryIndex.Count(), TTranslation::kKept);
  const std::size_t rows = std::min(aMap.OldCats.size(), aMap.NewCats.size());
  for (std::size_t row = 0; row < rows; ++row) {
    const std::optional<std::size_t> entry = FindCategory(aMap.OldCats[row]);
    if (!entry || translation.TextOf[*entry] != TTranslation::kKept) continue;
    translation.TextOf[*entry] = static_cast<std::uint32_t>(translation.Texts.size());
    translation.Texts.push_back(encodeAnsi(aMap.NewCats[row], mCodePage, kRemarksCapacity));
  }
  return translation;
}

std::vector<TAnsiText> TVectorEngine::StoredCategories(const TCategoryMap& aMap) const {
  const TTranslation translation = TranslationTable(aMap);
  std::vector<TAnsiText> stored(LibraryIndex.Count());
  for (std::size_t c = 0; c < stored.size(); ++c) {
    const TAnsiText* text = translation.Of(c);
    stored[c] = text ? *text : TAnsiText{std::string(CategoryBytes(c)), {}, false};
  }
  return stored;
}

void TVectorEngine::WriteItems(TByteSink& aStream, const TCategoryBytes& aBytes,
                               TWorkProgress* aProgress) const {
  std::vector<std::uint32_t> sorted;
  const bool ahead = mSorted && mSortedPage == mCodePage;
  if (!ahead) sorted = SortedItemOrder();
  const std::vector<std::uint32_t>& order = ahead ? *mSorted : sorted;
  const std::size_t count = order.size();
  std::vector<std::uint8_t> leads(kItemsPerWrite * kItemLead);
  std::vector<TByteSpan> spans;
  spans.reserve(2 * kItemsPerWrite);
  // The new bytes of each item of a batch, or nothing for one that keeps
  // its own.
  std::vector<std::optional<std::string_view>> stored(kItemsPerWrite);
  for (std::size_t first = 0; first < count; first += kItemsPerWrite) {
    const std::size_t last = std::min(count, first + kItemsPerWrite);
    spans.clear();
    // Sorted order jumps across the tables too: found in a loop of their
    // own, the items' new bytes are looked up many at once.
    for (std::size_t k = first; k < last; ++k) {
      const std::uint32_t text = aBytes.TextOf[mItemCategory[order[k]]];
      std::optional<std::string_view>& bytes = stored[k - first];
      bytes.reset();
      if (text == aBytes.kKept) continue;
      bytes = aBytes.Text(text);
      prefetchLine(bytes->data());
    }
    for (std::size_t k = first; k < last; ++k) {
      // Sorted order jumps across the buffer; ask for a later header early.
      if (k + kPrefetchDistance < count)
        prefetchHeader(OLibrary[order[k + kPrefetchDistance]].Data);
      const std::uint32_t id = order[k];
      const TItemStream& item = OLibrary[id];
      std::uint8_t* lead = leads.data() + (k - first) * kItemLead;
      writeInt64LE(lead, static_cast<std::int64_t>(item.Size));
      std::memcpy(lead + kItemSizeFieldSize, item.Data, kItemHeaderSize);
      // A category that no map row names stays exactly as it was.
      if (const auto& bytes = stored[k - first])
        storeItemRemarksBytes(lead + kItemSizeFieldSize, *bytes);
      spans.push_back({lead, kItemLead});
      spans.push_back({item.Data + kItemHeaderSize, item.Size - kItemHeaderSize});
    }
    aStream.WriteGathered(spans);
    if (aProgress)
      for (std::size_t k = first; k < last; ++k) aProgress->Advance(static_cast<int>(k));
  }
}
