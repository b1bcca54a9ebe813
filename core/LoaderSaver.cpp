// SPDX-License-Identifier: GPL-3.0-or-later
#include "LoaderSaver.h"

#include <algorithm>
#include <cstring>
#include <exception>
#include <limits>
#include <new>
#include <numeric>
#include <optional>
#include <unordered_map>

#include "FileLayer.h"
#include "NaturalKey.h"
#include "SaveProgress.h"
#include "TextCodec.h"
#include "strnatcomp.h"

TVectorEngine* VectorEngine = nullptr;

namespace {

constexpr std::size_t kPrefetchDistance = 8;

void prefetchHeader(const std::uint8_t* aHeader) {
#if defined(__GNUC__) || defined(__clang__)
  for (std::size_t line = 0; line < kItemHeaderSize; line += 64) __builtin_prefetch(aHeader + line);
#else
  (void)aHeader;
#endif
}

// The item that starts at aPosition (its size field, then the item), which
// moves aPosition past it; nothing, with aDamage saying why, when the bytes
// left cannot hold it.
std::optional<TItemStream> itemAt(const std::vector<std::uint8_t>& aBuffer, std::size_t& aPosition,
                                  TLoadResult::TDamage& aDamage) {
  if (aBuffer.size() - aPosition < kItemSizeFieldSize) {
    aDamage = TLoadResult::TDamage::SizeCutOff;
    return std::nullopt;
  }
  const std::int64_t size = readInt64LE(aBuffer.data() + aPosition);
  aPosition += kItemSizeFieldSize;
  if (size < static_cast<std::int64_t>(kItemHeaderSize)) {
    aDamage = TLoadResult::TDamage::SmallerThanHeader;
    return std::nullopt;
  }
  if (static_cast<std::uint64_t>(size) > aBuffer.size() - aPosition) {
    aDamage = TLoadResult::TDamage::PastTheEnd;
    return std::nullopt;
  }
  const TItemStream found{aBuffer.data() + aPosition, static_cast<std::size_t>(size)};
  aPosition += found.Size;
  return found;
}

// Items are written this many at a time, each as its size field and new
// header (copied, then translated) and its body (where it was loaded).
constexpr std::size_t kItemsPerWrite = 256;
constexpr std::size_t kItemLead = kItemSizeFieldSize + kItemHeaderSize;

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

TLoadResult TVectorEngine::LoadLibraryFromFile(const std::string& aFile) {
  const auto cannotOpen = [](std::string aReason) {
    TLoadResult result;
    result.Kind = TLoadResult::TKind::CannotOpen;
    result.Reason = std::move(aReason);
    return result;
  };
  try {
    return LoadLibraryFromStream(readWholeFile(aFile));
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
  const std::size_t end = ReadItems(declared, result.Damage);
  result.ItemsRead = static_cast<std::int64_t>(OLibrary.size());
  if (result.ItemsRead < result.ItemsDeclared)
    result.Kind = TLoadResult::TKind::Damaged;
  else
    result.TrailingBytes = mTrailingBytes = mBuffer.size() - end;
  return result;
}

bool TVectorEngine::TakeHeader(const std::vector<std::uint8_t>& aStream) {
  // The header copy is taken before it is checked, as far as the bytes go.
  const std::size_t headerBytes = std::min(aStream.size(), kLibraryHeaderSize);
  std::copy_n(aStream.begin(), headerBytes, LibraryHeader.Bytes.begin());
  return headerBytes == kLibraryHeaderSize && LibraryHeader.IsValid();
}

void TVectorEngine::ReserveItems(std::size_t aDeclared) {
  // Every item takes at least its size field and its header, so the count
  // that can really be there bounds what is reserved, whatever the header says.
  const std::size_t available = mBuffer.size() - kLibraryHeaderSize;
  const std::size_t fitting = available / (kItemSizeFieldSize + kItemHeaderSize);
  const std::size_t reserve = std::min(aDeclared, fitting);
  OLibrary.reserve(reserve);
  mItemCategory.reserve(reserve);
}

std::size_t TVectorEngine::ReadItems(std::int32_t aDeclared, TLoadResult::TDamage& aDamage) {
  // The code page maps bytes to code units one to one, so equal bytes are
  // equal categories: the catalogue is found by the stored bytes, never
  // decoding them. An open-addressed table of entry numbers (plus one, zero
  // for a free slot) keeps the lookup to a few bytes per category, whose
  // bytes stay in the loaded buffer.
  std::vector<std::uint32_t> firstItemOf;
  std::vector<std::uint32_t> slots(64);
  const auto bytesOf = [this](std::uint32_t aItem) {
    return ansiShortStringView(OLibrary[aItem].Data + kRemarksOffset, kRemarksCapacity);
  };
  std::size_t position = kLibraryHeaderSize;
  for (std::int32_t i = 0; i < aDeclared; ++i) {
    const std::optional<TItemStream> item = itemAt(mBuffer, position, aDamage);
    if (!item) break;
    const auto index = static_cast<std::uint32_t>(OLibrary.size());
    OLibrary.push_back(*item);
    const std::string_view remarks = bytesOf(index);
    std::size_t slot = std::hash<std::string_view>{}(remarks) & (slots.size() - 1);
    while (slots[slot] != 0 && bytesOf(firstItemOf[slots[slot] - 1]) != remarks)
      slot = (slot + 1) & (slots.size() - 1);
    if (slots[slot] == 0) {
      firstItemOf.push_back(index);
      slots[slot] = static_cast<std::uint32_t>(firstItemOf.size());
      if (firstItemOf.size() * 2 > slots.size()) {
        std::vector<std::uint32_t> grown(slots.size() * 2);
        for (const std::uint32_t entry : slots) {
          if (entry == 0) continue;
          std::size_t at =
              std::hash<std::string_view>{}(bytesOf(firstItemOf[entry - 1])) & (grown.size() - 1);
          while (grown[at] != 0) at = (at + 1) & (grown.size() - 1);
          grown[at] = entry;
        }
        slots = std::move(grown);
      }
      mItemCategory.push_back(static_cast<std::uint32_t>(firstItemOf.size() - 1));
    } else {
      mItemCategory.push_back(slots[slot] - 1);
    }
  }
  BuildCatalog(firstItemOf.size());
  return position;
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
  mBuffer.clear();
  mBuffer.shrink_to_fit();
  mTrailingBytes = 0;
}

void TVectorEngine::ClearLibraryIndex() { LibraryIndex = TLibraryCatalog(); }

int TVectorEngine::GetLibraryIndexCount() const { return static_cast<int>(LibraryIndex.Count()); }

std::string_view TVectorEngine::CategoryBytes(std::size_t aEntry) const {
  const TItemStream& first = OLibrary[LibraryIndex.Items[LibraryIndex.Starts[aEntry]]];
  return ansiShortStringView(first.Data + kRemarksOffset, kRemarksCapacity);
}

std::u16string TVectorEngine::GetLibraryIndexItem(int ID) const {
  return decodeAnsi(CategoryBytes(static_cast<std::size_t>(ID)), mCodePage);
}

TItemStream TVectorEngine::GetLibraryItembyID(int ID) const {
  return OLibrary[static_cast<std::size_t>(ID)];
}

std::u16string TVectorEngine::GetLibraryItemByID(int Cat, int ID) const {
  return Name(LibraryIndex.Identifiers(static_cast<std::size_t>(Cat))[static_cast<std::size_t>(ID - 1)]);
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
  std::vector<std::uint8_t> bytes = std::move(mBuffer);
  return LoadLibraryFromStream(std::move(bytes));
}

std::vector<std::uint32_t> TVectorEngine::SortedItemOrder() const {
  // Each name becomes a key once, straight from its bytes; sorting the keys
  // then never decodes or compares names.
  TNaturalKeys keys;
  keys.Ends.reserve(OLibrary.size());
  std::u16string name;
  for (std::size_t i = 0; i < OLibrary.size(); ++i) {
    if (i + kPrefetchDistance < OLibrary.size()) prefetchHeader(OLibrary[i + kPrefetchDistance].Data);
    decodeAnsiTo(ansiShortStringView(OLibrary[i].Data + kAuthorOffset, kAuthorCapacity), mCodePage,
                 name);
    appendNaturalKey(name, keys.Bytes);
    keys.Close();
  }
  return sortedByKey(keys);
}

void TVectorEngine::SaveLibraryToFile(const std::string& aFile, const TCategoryMap& aMap,
                                      TSaveProgress* aProgress) {
  TAtomicFileWriter writer(aFile);
  SaveLibraryToStream(writer, aMap, aProgress);
  writer.Commit();
}

void TVectorEngine::SaveLibraryToStream(TByteSink& aStream, const TCategoryMap& aMap,
                                        TSaveProgress* aProgress) {
  const std::vector<std::optional<TAnsiText>> translation = TranslationTable(aMap);
  const auto count = static_cast<int>(OLibrary.size());
  LibraryHeader.PrepareForWrite(GetLibraryIndexCount(), count);
  aStream.Write(LibraryHeader.Bytes.data(), LibraryHeader.Bytes.size());

  // The reporter hears the end however the save ends.
  struct TEndOnExit {
    TSaveProgress* Progress;
    ~TEndOnExit() {
      if (Progress) Progress->End();
    }
  } ender{aProgress};
  if (aProgress) aProgress->Begin(count);
  WriteItems(aStream, translation, aProgress);
}

std::vector<std::optional<TAnsiText>> TVectorEngine::TranslationTable(
    const TCategoryMap& aMap) const {
  // Each catalogue entry's new text, encoded once: the first map row whose
  // old text equals the entry's category. Every byte decodes to a code unit
  // that encodes back to it, so a row left as it was stores its old bytes.
  // Items are translated from the categories as loaded, so saving twice
  // never translates twice.
  std::unordered_map<std::u16string_view, std::size_t> firstRow;
  const std::size_t rows = std::min(aMap.OldCats.size(), aMap.NewCats.size());
  for (std::size_t row = 0; row < rows; ++row) firstRow.try_emplace(aMap.OldCats[row], row);
  std::vector<std::optional<TAnsiText>> translation(LibraryIndex.Count());
  std::u16string category;
  for (std::size_t c = 0; c < translation.size(); ++c) {
    decodeAnsiTo(CategoryBytes(c), mCodePage, category);
    if (const auto it = firstRow.find(category); it != firstRow.end())
      translation[c] = encodeAnsi(aMap.NewCats[it->second], mCodePage, kRemarksCapacity);
  }
  return translation;
}

std::vector<TAnsiText> TVectorEngine::StoredCategories(const TCategoryMap& aMap) const {
  std::vector<std::optional<TAnsiText>> translation = TranslationTable(aMap);
  std::vector<TAnsiText> stored(translation.size());
  for (std::size_t c = 0; c < stored.size(); ++c)
    stored[c] =
        translation[c]
            ? std::move(*translation[c])
            : TAnsiText{std::string(CategoryBytes(c)), {}, false};
  return stored;
}

void TVectorEngine::WriteItems(TByteSink& aStream,
                               const std::vector<std::optional<TAnsiText>>& aTranslation,
                               TSaveProgress* aProgress) const {
  const std::vector<std::uint32_t> order = SortedItemOrder();
  const std::size_t count = order.size();
  std::vector<std::uint8_t> leads(kItemsPerWrite * kItemLead);
  std::vector<TByteSpan> spans;
  spans.reserve(2 * kItemsPerWrite);
  for (std::size_t first = 0; first < count; first += kItemsPerWrite) {
    const std::size_t last = std::min(count, first + kItemsPerWrite);
    spans.clear();
    for (std::size_t k = first; k < last; ++k) {
      // Sorted order jumps across the buffer; ask for a later header early.
      if (k + kPrefetchDistance < count) prefetchHeader(OLibrary[order[k + kPrefetchDistance]].Data);
      const std::uint32_t id = order[k];
      const TItemStream& item = OLibrary[id];
      std::uint8_t* lead = leads.data() + (k - first) * kItemLead;
      writeInt64LE(lead, static_cast<std::int64_t>(item.Size));
      std::memcpy(lead + kItemSizeFieldSize, item.Data, kItemHeaderSize);
      // A category that no map row names stays exactly as it was.
      if (const auto& remarks = aTranslation[mItemCategory[id]])
        storeItemRemarksBytes(lead + kItemSizeFieldSize, remarks->Bytes);
      spans.push_back({lead, kItemLead});
      spans.push_back({item.Data + kItemHeaderSize, item.Size - kItemHeaderSize});
    }
    aStream.WriteGathered(spans);
    if (aProgress)
      for (std::size_t k = first; k < last; ++k) aProgress->Advance(static_cast<int>(k));
  }
}
