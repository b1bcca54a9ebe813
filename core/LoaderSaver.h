// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "CodePage.h"
#include "FileLayer.h"
#include "LibraryFormat.h"
#include "NaturalKey.h"

class TByteSink;
class TLoadSteps;
struct TEndOnExit;
class TWorkProgress;

/// The bytes of one item (its 192-byte header followed by its body), viewed
/// in the file's mapping or the buffer the library was loaded into. Valid
/// while the engine keeps that library.
struct TItemStream {
  const std::uint8_t* Data = nullptr;
  std::size_t Size = 0;
};

/// The categories in order of first appearance, never sorted. Entry c's
/// items are Items[Starts[c], Starts[c + 1]), indices into the engine's
/// items in file order; its text is the Remarks of the first of them.
struct TLibraryCatalog {
  std::vector<std::uint32_t> Starts{0};
  std::vector<std::uint32_t> Items;

  std::size_t Count() const { return Starts.size() - 1; }
  std::span<const std::uint32_t> Identifiers(std::size_t aEntry) const {
    return std::span<const std::uint32_t>(Items).subspan(Starts[aEntry],
                                                         Starts[aEntry + 1] - Starts[aEntry]);
  }
};

/// The two row-aligned lists of the main window: row j of NewCats replaces
/// row j of OldCats. NewCats must have at least as many rows as OldCats.
struct TCategoryMap {
  std::vector<std::u16string> OldCats;
  std::vector<std::u16string> NewCats;

  /// Both lists set to the engine's catalogue, in catalogue order.
  static TCategoryMap Identity(const class TVectorEngine& aEngine);
};

/// The bytes a save stores as the category of some catalogue entries, all
/// in one buffer; an entry without any keeps its own.
struct TCategoryBytes {
  static constexpr std::uint32_t kKept = UINT32_MAX;
  /// Each entry's text in Ends, or kKept.
  std::vector<std::uint32_t> TextOf;
  std::string Bytes;
  /// Where each text ends in Bytes; the first starts at 0, every other where
  /// the one before it ends.
  std::vector<std::size_t> Ends;

  std::size_t Count() const { return Ends.size(); }
  std::string_view Text(std::size_t aText) const {
    const std::size_t from = aText == 0 ? 0 : Ends[aText - 1];
    return std::string_view(Bytes).substr(from, Ends[aText] - from);
  }
  bool Kept(std::size_t aEntry) const { return TextOf[aEntry] == kKept; }
  /// Gives aEntry, which keeps its bytes so far, aBytes.
  void Give(std::size_t aEntry, std::string_view aBytes) {
    TextOf[aEntry] = static_cast<std::uint32_t>(Ends.size());
    Bytes.append(aBytes);
    Ends.push_back(Bytes.size());
  }
};

/// What a load found, for the caller to show.
struct TLoadResult {
  enum class TKind {
    Loaded,       ///< every declared item was read
    CannotOpen,   ///< the file could not be opened or read; see Reason
    NotALibrary,  ///< too short for a header, or a wrong signature or version
    Damaged,      ///< the items before ItemsRead were read, then one failed
    OutOfMemory,  ///< the file or its items did not fit in memory; nothing is loaded
  };
  TKind Kind = TKind::Loaded;
  /// The system's reason when the file could not be opened or read.
  std::string Reason;
  /// What was wrong with the item that ended a Damaged read, item
  /// ItemsRead + 1 (counting from 1).
  enum class TDamage {
    None,               ///< nothing: the read was not cut short
    SizeCutOff,         ///< the file ends inside the item's size field
    SmallerThanHeader,  ///< the size is below that of an item's header
    PastTheEnd,         ///< the item runs past the end of the file
  };
  TDamage Damage = TDamage::None;
  std::int64_t ItemsRead = 0;
  std::int64_t ItemsDeclared = 0;
  /// For Loaded: the bytes after the last declared item. No item holds them,
  /// so a save does not write them.
  std::uint64_t TrailingBytes = 0;
};

/// One library in memory: the items in file order, their names and the
/// catalogue of categories.
class TVectorEngine {
 public:
  TVectorEngine();
  ~TVectorEngine();
  TVectorEngine(const TVectorEngine&) = delete;
  TVectorEngine& operator=(const TVectorEngine&) = delete;

  /// Maps the file (or reads it, where it cannot be mapped) and loads it,
  /// telling aProgress, when given, how far it has come. Never throws: every
  /// failure is caught and described by the result. When memory runs out,
  /// or another program cuts the file short or writes to it while it is
  /// read, the engine is left empty (the latter is CannotOpen, with a
  /// Reason saying so).
  TLoadResult LoadLibraryFromFile(const std::string& aFile, TWorkProgress* aProgress = nullptr);

  /// Whether aFile can be opened and starts as a library does, from its
  /// first bytes alone: Loaded when it does, otherwise CannotOpen (with the
  /// reason) or NotALibrary.
  static TLoadResult ExamineLibraryFile(const std::string& aFile);

  /// Loads a library from an in-memory copy of a file. A buffer that is not
  /// a library changes only the header copy; otherwise the engine is emptied
  /// first and keeps every item read before a failing one.
  TLoadResult LoadLibraryFromStream(std::vector<std::uint8_t> aStream);

  void ClearLibrary();
  void ClearLibraryIndex();

  int GetLibraryIndexCount() const;
  /// The category text of entry ID (0-based), decoded from its bytes.
  std::u16string GetLibraryIndexItem(int ID) const;
  /// The item at position ID (0-based) in file order.
  TItemStream GetLibraryItembyID(int ID) const;
  /// The ID-th name (1-based) of catalogue entry Cat (0-based), decoded.
  std::u16string GetLibraryItemByID(int Cat, int ID) const;
  /// Number of names in catalogue entry Cat.
  int GetLibraryIndexItemCount(int Cat) const;

  /// The item's name and category, decoded in aPage.
  static std::u16string GetLibraryItemAuthor(const TItemStream& aStream,
                                             TCodePage aPage = TCodePage::Western);
  static std::u16string GetLibraryItemRemarks(const TItemStream& aStream,
                                              TCodePage aPage = TCodePage::Western);
  /// Stores Cat into the header's Remarks through the code page, cut to the
  /// field.
  static void SetLibraryItemRemarks(TFileHeader& aHeader, std::u16string_view Cat,
                                    TCodePage aPage = TCodePage::Western);

  /// The code page the texts are read and written in: the next load decodes
  /// in it, and a save encodes the new texts in it. Windows-1252 until set.
  void SetCodePage(TCodePage aPage) { mCodePage = aPage; }
  TCodePage CodePage() const { return mCodePage; }

  /// Decodes the names and categories of the library loaded again, from its
  /// bytes, in aPage, which becomes the engine's code page.
  TLoadResult RereadInCodePage(TCodePage aPage);

  /// What a save through aMap stores as each catalogue entry's category: the
  /// new text of the first row naming the entry, encoded and cut to the
  /// field; an entry no row names keeps its bytes. A row whose new text is
  /// its old one stores the old bytes, clamped to the field.
  std::vector<TAnsiText> StoredCategories(const TCategoryMap& aMap) const;

  /// The catalogue entry whose category is stored as aBytes (clamped to the
  /// field), or whose text is exactly aText; nothing when there is none.
  std::optional<std::size_t> FindCategoryBytes(std::string_view aBytes) const;
  std::optional<std::size_t> FindCategory(std::u16string_view aText) const;
  /// FindCategoryBytes of each of aBytes, into aEntries (as many): the
  /// lookups of a batch wait for memory side by side, not one after another.
  void FindCategoriesBytes(std::span<const std::string_view> aBytes,
                           std::span<std::optional<std::size_t>> aEntries) const;

  /// Writes the library with every category replaced through aMap and the
  /// items in natural order of their names, replacing aFile atomically.
  /// Throws TFileError (or what aProgress throws); the file is then as it was.
  /// The items stay in the loaded file's mapping, so a library that another
  /// program cut short or wrote to since it was loaded is not saved: the
  /// TFileError (operation Read) names aFile, the save to a stream the
  /// library's own file.
  void SaveLibraryToFile(const std::string& aFile, const TCategoryMap& aMap,
                         TWorkProgress* aProgress = nullptr);
  void SaveLibraryToStream(TByteSink& aStream, const TCategoryMap& aMap,
                           TWorkProgress* aProgress = nullptr);
  /// The same save with each entry's new bytes given already (TextOf holds
  /// one slot per catalogue entry), each clamped to the field.
  void SaveLibraryToFile(const std::string& aFile, const TCategoryBytes& aBytes,
                         TWorkProgress* aProgress = nullptr);

  /// Number of items (and names) loaded.
  std::size_t ItemCount() const { return OLibrary.size(); }
  /// The name of the item at position aItem (0-based), decoded from its
  /// header; names are not kept apart from the loaded bytes.
  std::u16string Name(std::size_t aItem) const;
  /// Every name, in file order.
  std::vector<std::u16string> Names() const;
  const TLibraryCatalog& Catalog() const { return LibraryIndex; }
  const TLibraryHeader& Header() const { return LibraryHeader; }
  /// The bytes after the last item of the library loaded, which a save does
  /// not write.
  std::uint64_t TrailingBytes() const { return mTrailingBytes; }

  /// The item positions in the order the save writes them: natural order of
  /// their names, equal names in file order.
  std::vector<std::uint32_t> SortedItemOrder() const;
  /// Works out SortedItemOrder now and keeps it for the next save in the
  /// same code page. Another thread may run it while this one asks the
  /// catalogue (not while it saves or sorts): a save through a map then
  /// does not wait for the sort.
  void SortAhead();

 private:
  /// Copies the header from aStream, as far as its bytes go; true when it is
  /// a library's header.
  bool TakeHeader(const TFileBytes& aStream);
  void ReserveItems(std::size_t aDeclared);
  TLoadResult LoadFromBuffer(TFileBytes aStream, TLoadSteps* aSteps);
  /// Throws TFileError for aTarget when the loaded file's bytes are no
  /// longer what was loaded.
  void RequireUnchanged(const std::string& aTarget) const;
  /// Reads up to aDeclared items from the buffer into the lists and the
  /// catalogue. Returns where the last item ends when all of them were read;
  /// otherwise aDamage says why the read stopped early.
  std::size_t ReadItems(std::int32_t aDeclared, TLoadResult::TDamage& aDamage, TLoadSteps* aSteps);
  /// Lays the catalogue out from each item's entry.
  void BuildCatalog(std::size_t aEntries);

  /// The new Remarks bytes of each catalogue entry; none where no map row
  /// names the entry.
  struct TTranslation {
    static constexpr std::uint32_t kKept = UINT32_MAX;
    /// Each entry's new text in Texts, or kKept.
    std::vector<std::uint32_t> TextOf;
    std::vector<TAnsiText> Texts;
    const TAnsiText* Of(std::size_t aEntry) const {
      return TextOf[aEntry] == kKept ? nullptr : &Texts[TextOf[aEntry]];
    }
  };
  TTranslation TranslationTable(const TCategoryMap& aMap) const;
  /// The category bytes of entry aEntry, as loaded, clamped to the field.
  std::string_view CategoryBytes(std::size_t aEntry) const;
  /// aTranslation's bytes, for a save.
  static TCategoryBytes BytesOf(const TTranslation& aTranslation);
  void WriteItems(TByteSink& aStream, const TCategoryBytes& aBytes, TWorkProgress* aProgress) const;
  /// Writes the header and the items, the reporter's Begin and Advances
  /// between; its End is aEnder's.
  void WriteLibrary(TByteSink& aStream, const TCategoryBytes& aBytes, TEndOnExit& aEnder);

  /// The file as loaded; every item is a view into it.
  TFileBytes mBuffer;
  /// The name it was loaded from; empty for a stream.
  std::string mFile;
  /// Each item's natural-order key, made while loading, in mKeysPage.
  TNaturalKeys mKeys;
  TCodePage mKeysPage = TCodePage::Western;
  /// SortedItemOrder as SortAhead found it, in mSortedPage.
  std::optional<std::vector<std::uint32_t>> mSorted;
  TCodePage mSortedPage = TCodePage::Western;
  std::vector<TItemStream> OLibrary;
  /// Catalogue entry of each item, as loaded.
  std::vector<std::uint32_t> mItemCategory;
  TLibraryCatalog LibraryIndex;
  /// Open-addressed table of entry numbers plus one (zero for a free slot)
  /// in the low half of each slot, the high half of their bytes' hash in the
  /// other, so that a probe reads an entry's bytes only when it is almost
  /// surely the one; the bytes stay in the loaded buffer.
  std::vector<std::uint64_t> mCategorySlots;
  /// Each entry's stored bytes: the Remarks field of its first item.
  std::vector<const std::uint8_t*> mCategoryField;
  TLibraryHeader LibraryHeader;
  std::uint64_t mTrailingBytes = 0;
  TCodePage mCodePage = TCodePage::Western;
};
