// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "FileLayer.h"
#include "LibraryWalk.h"
#include "LoaderSaver.h"
#include "SampleItems.h"
#include "WorkProgress.h"

namespace {

std::vector<std::uint8_t> saveToMemory(TVectorEngine& aEngine, const TCategoryMap& aMap,
                                       TWorkProgress* aProgress = nullptr) {
  TMemorySink sink;
  aEngine.SaveLibraryToStream(sink, aMap, aProgress);
  return sink.Bytes;
}

TCategoryMap mapOf(std::vector<std::u16string> aOld, std::vector<std::u16string> aNew) {
  return TCategoryMap{std::move(aOld), std::move(aNew)};
}

std::vector<std::string> names(const TParsedLibrary& aLib) {
  std::vector<std::string> out;
  for (const auto& i : aLib.Items) out.push_back(itemName(i));
  return out;
}

TEST(SaveOrderTest, ItemsComeOutInNaturalOrderOfTheirNames) {
  TSampleLibrary lib;
  lib.Items = {sampleItem("b10", "X"),    sampleItem("b9", "X"),   sampleItem("a", "X"),
               sampleItem("tree", "X"),   sampleItem("Tree", "X"), sampleItem("Tree 2", "X"),
               sampleItem("Tree 10", "X")};
  TVectorEngine engine;
  engine.LoadLibraryFromStream(buildSampleLibrary(lib));
  const TParsedLibrary out = parseLibrary(saveToMemory(engine, TCategoryMap::Identity(engine)));
  EXPECT_EQ(names(out),
            (std::vector<std::string>{"Tree", "Tree 2", "Tree 10", "a", "b9", "b10", "tree"}));
}

TEST(SaveOrderTest, EqualNamesKeepFileOrderEachWithItsOwnBytes) {
  TSampleLibrary lib;
  lib.Items = {sampleItem("Oak", "Trees", 10, 1), sampleItem("Ash", "Trees", 10, 2),
               sampleItem("Oak", "Bushes", 10, 3), sampleItem("O ak", "Trees", 10, 4)};
  TVectorEngine engine;
  engine.LoadLibraryFromStream(buildSampleLibrary(lib));
  const TParsedLibrary out = parseLibrary(
      saveToMemory(engine, mapOf({u"Trees", u"Bushes"}, {u"B\u00e4ume", u"Str\u00e4ucher"})));
  ASSERT_EQ(out.Items.size(), 4u);
  EXPECT_EQ(names(out), (std::vector<std::string>{"Ash", "Oak", "Oak", "O ak"}));
  // Seeds 1, 3 and 4 in file order: the bodies tell the items apart.
  EXPECT_EQ(out.Items[1].back(), buildSampleItem(lib.Items[0]).back());
  EXPECT_EQ(out.Items[2].back(), buildSampleItem(lib.Items[2]).back());
  EXPECT_EQ(out.Items[3].back(), buildSampleItem(lib.Items[3]).back());
  EXPECT_EQ(itemCategory(out.Items[1]), "B\xe4ume");
  EXPECT_EQ(itemCategory(out.Items[2]), "Str\xe4ucher");
}

// An order sorted ahead is the save's own, until the code page it was
// sorted in changes: \x80 and \xC0 are the Euro and A grave in
// Windows-1252, Dje and A in Windows-1251, two orders.
TEST(SaveOrderTest, OrderSortedAheadHoldsForItsCodePageOnly) {
  TSampleLibrary lib;
  lib.Items = {sampleItem("\x80", "X"), sampleItem("\xC0", "X"), sampleItem("a", "X")};
  TVectorEngine engine;
  engine.SetCodePage(TCodePage::Western);
  engine.LoadLibraryFromStream(buildSampleLibrary(lib));
  const std::vector<std::string> western =
      names(parseLibrary(saveToMemory(engine, TCategoryMap::Identity(engine))));
  engine.SortAhead();
  EXPECT_EQ(names(parseLibrary(saveToMemory(engine, TCategoryMap::Identity(engine)))), western);
  engine.SetCodePage(TCodePage::Cyrillic);
  const std::vector<std::string> cyrillic =
      names(parseLibrary(saveToMemory(engine, TCategoryMap::Identity(engine))));
  EXPECT_NE(cyrillic, western);
  TVectorEngine fresh;
  fresh.SetCodePage(TCodePage::Cyrillic);
  fresh.LoadLibraryFromStream(buildSampleLibrary(lib));
  EXPECT_EQ(names(parseLibrary(saveToMemory(fresh, TCategoryMap::Identity(fresh)))), cyrillic);
}

TEST(SaveTranslationTest, EveryByteButTheCategoryPassesThrough) {
  TSampleLibrary lib;
  lib.Items = {sampleItem("B", "Vegetation", 10, 5), sampleItem("A", "Cars", 10, 6)};
  lib.ContentsTail[0] = 0x11;
  lib.ContentsTail[4] = 0x99;
  TVectorEngine engine;
  engine.LoadLibraryFromStream(buildSampleLibrary(lib));
  const TParsedLibrary out =
      parseLibrary(saveToMemory(engine, mapOf({u"Vegetation", u"Cars"}, {u"Veg", u"Cars"})));
  ASSERT_EQ(out.Items.size(), 2u);
  // "Cars" maps to itself: that item is unchanged, byte for byte.
  EXPECT_EQ(out.Items[0], buildSampleItem(lib.Items[1]));
  std::vector<std::uint8_t> expected = buildSampleItem(lib.Items[0]);
  expected[67] = 3;
  std::copy_n("Veg", 3, expected.begin() + 68);
  EXPECT_EQ(out.Items[1], expected);
  EXPECT_EQ(out.Header[7], 0x11);
  EXPECT_EQ(out.Header[11], 0x99);
}

TEST(SaveTranslationTest, HeaderCountsItemsAndLoadedCategories) {
  TSampleLibrary lib;
  lib.ThemeCount = 77;
  lib.Items = {sampleItem("x", "A"), sampleItem("y", "B"), sampleItem("z", "A")};
  TVectorEngine engine;
  engine.LoadLibraryFromStream(buildSampleLibrary(lib));
  const std::vector<std::uint8_t> bytes = saveToMemory(engine, mapOf({u"A", u"B"}, {u"C", u"C"}));
  const TParsedLibrary out = parseLibrary(bytes);
  EXPECT_EQ(readLittleEndian(bytes.data() + 12, 4), 1);
  EXPECT_EQ(readLittleEndian(bytes.data() + 16, 4), 2);  // two old categories, one new text
  EXPECT_EQ(readLittleEndian(bytes.data() + 20, 4), 3);
  for (const auto& i : out.Items) EXPECT_EQ(itemCategory(i), "C");
}

TEST(SaveTranslationTest, FirstMatchingRowWinsAndUnmatchedCategoriesStay) {
  TSampleLibrary lib;
  lib.Items = {sampleItem("a", "Trees"), sampleItem("b", "Cars"), sampleItem("c", "trees")};
  TVectorEngine engine;
  engine.LoadLibraryFromStream(buildSampleLibrary(lib));
  const TParsedLibrary out = parseLibrary(
      saveToMemory(engine, mapOf({u"Trees", u"Trees", u"Houses"}, {u"First", u"Second", u"H"})));
  ASSERT_EQ(out.Items.size(), 3u);
  EXPECT_EQ(itemCategory(out.Items[0]), "First");
  EXPECT_EQ(out.Items[1], buildSampleItem(lib.Items[1]));
  EXPECT_EQ(out.Items[2], buildSampleItem(lib.Items[2]));
}

TEST(SaveTranslationTest, SavingTwiceTranslatesFromTheLoadedCategories) {
  TSampleLibrary lib;
  lib.Items = {sampleItem("a", "A"), sampleItem("b", "B")};
  TVectorEngine engine;
  engine.LoadLibraryFromStream(buildSampleLibrary(lib));
  const TCategoryMap aToB = mapOf({u"A", u"B"}, {u"B", u"B"});
  const std::vector<std::uint8_t> first = saveToMemory(engine, aToB);
  EXPECT_EQ(saveToMemory(engine, aToB), first);
  // The user then edits the row to B -> C: only B items may become C.
  const TParsedLibrary second =
      parseLibrary(saveToMemory(engine, mapOf({u"A", u"B"}, {u"B", u"C"})));
  EXPECT_EQ(itemCategory(second.Items[0]), "B");
  EXPECT_EQ(itemCategory(second.Items[1]), "C");
}

TEST(SaveTranslationTest, OverlongNewTextIsCutAndOversizedLengthStoredClamped) {
  TSampleLibrary lib;
  lib.Items = {sampleItem("a", std::string(100, 'c'))};
  lib.Items[0].RemarksLength = 200;
  TVectorEngine engine;
  engine.LoadLibraryFromStream(buildSampleLibrary(lib));
  const TParsedLibrary same = parseLibrary(saveToMemory(engine, TCategoryMap::Identity(engine)));
  EXPECT_EQ(same.Items[0][67], 100);
  const TParsedLibrary cut = parseLibrary(
      saveToMemory(engine, mapOf({std::u16string(100, u'c')}, {std::u16string(150, u'z')})));
  EXPECT_EQ(itemCategory(cut.Items[0]), std::string(100, 'z'));
}

TEST(SaveTranslationTest, EmptyLibraryIsTwentyFourBytes) {
  TVectorEngine engine;
  const std::vector<std::uint8_t> bytes = saveToMemory(engine, {});
  ASSERT_EQ(bytes.size(), 24u);
  EXPECT_EQ(bytes[0], 6);
  EXPECT_EQ(std::string(bytes.begin() + 1, bytes.begin() + 7), "ZmbLib");
  EXPECT_EQ(readLittleEndian(bytes.data() + 12, 4), 1);
  EXPECT_EQ(readLittleEndian(bytes.data() + 16, 4), 0);
  EXPECT_EQ(readLittleEndian(bytes.data() + 20, 4), 0);
  TVectorEngine reread;
  EXPECT_EQ(reread.LoadLibraryFromStream(bytes).Kind, TLoadResult::TKind::Loaded);
}

TEST(SaveTranslationTest, DamagedLibrarySavesOnlyTheItemsRead) {
  TSampleLibrary lib;
  lib.Items = {sampleItem("b", "X"), sampleItem("a", "X"), sampleItem("c", "X")};
  std::vector<std::uint8_t> bytes = buildSampleLibrary(lib);
  bytes.resize(bytes.size() - 3);
  TVectorEngine engine;
  engine.LoadLibraryFromStream(bytes);
  const std::vector<std::uint8_t> saved = saveToMemory(engine, TCategoryMap::Identity(engine));
  EXPECT_EQ(readLittleEndian(saved.data() + 20, 4), 2);
  EXPECT_EQ(names(parseLibrary(saved)), (std::vector<std::string>{"a", "b"}));
}

// Records every call a save makes to its progress reporter.
class TRecordingProgress : public TWorkProgress {
 public:
  void Begin(int aTotal) override { Calls.push_back("begin " + std::to_string(aTotal)); }
  void Advance(int aPosition) override {
    Calls.push_back("advance " + std::to_string(aPosition));
    if (ThrowAtAdvance && --ThrowAtAdvance == 0) throw std::runtime_error("stopped by the test");
  }
  void End() override { Calls.push_back("end"); }

  std::vector<std::string> Calls;
  int ThrowAtAdvance = 0;
};

TVectorEngine* loadItems(TVectorEngine& aEngine, int aCount) {
  TSampleLibrary lib;
  for (int i = 0; i < aCount; ++i) lib.Items.push_back(sampleItem("n" + std::to_string(i), "C"));
  aEngine.LoadLibraryFromStream(buildSampleLibrary(lib));
  return &aEngine;
}

// Begin, one Advance for each item in the order written, End; nothing else.
TEST(SaveProgressTest, EveryItemAdvancesOnceInOrder) {
  for (const int items : {0, 3, 200}) {
    TVectorEngine engine;
    loadItems(engine, items);
    TRecordingProgress progress;
    saveToMemory(engine, TCategoryMap::Identity(engine), &progress);
    std::vector<std::string> expected{"begin " + std::to_string(items)};
    for (int k = 0; k < items; ++k) expected.push_back("advance " + std::to_string(k));
    expected.push_back("end");
    EXPECT_EQ(progress.Calls, expected) << items << " items";
  }
}

TEST(SaveProgressTest, ReporterFailureStillEndsTheReport) {
  TVectorEngine engine;
  loadItems(engine, 5);
  TRecordingProgress progress;
  progress.ThrowAtAdvance = 2;
  EXPECT_THROW(saveToMemory(engine, TCategoryMap::Identity(engine), &progress), std::runtime_error);
  EXPECT_EQ(progress.Calls, (std::vector<std::string>{"begin 5", "advance 0", "advance 1", "end"}));
}

TEST(CodePageSaveTest, UneditedLibrarySavesByteForByteInEveryCodePage) {
  // Already in natural order and with its counts as a save sets them, so an
  // unedited save must give back the very bytes; the categories hold '?' and
  // bytes that some code pages leave undefined.
  TSampleLibrary lib;
  lib.Items = {sampleItem("a", "Why?", 10, 1),
               sampleItem("b", "\x81\x8D\x98\xAA\xDB\xFC\xFF", 10, 2),
               sampleItem("c", std::string(100, '\xA1'), 10, 3)};
  lib.ThemeCount = 3;
  const std::vector<std::uint8_t> bytes = buildSampleLibrary(lib);
  for (const TCodePage page : supportedCodePages()) {
    TVectorEngine engine;
    engine.SetCodePage(page);
    engine.LoadLibraryFromStream(bytes);
    EXPECT_EQ(saveToMemory(engine, TCategoryMap::Identity(engine)), bytes) << codePageName(page);
  }
}

TEST(CodePageSaveTest, ReadsAndWritesInItsCodePage) {
  TSampleLibrary lib;
  lib.Items = {
      sampleItem("\xA3\xF3"
                 "d\x9F",
                 "\xC4\xE5\xED\xF4\xF1\xE1", 10, 1)};
  TVectorEngine engine;
  engine.LoadLibraryFromStream(buildSampleLibrary(lib));
  EXPECT_EQ(engine.Names()[0], u"\u00a3\u00f3d\u0178");
  ASSERT_EQ(engine.RereadInCodePage(TCodePage::CentralEuropean).Kind, TLoadResult::TKind::Loaded);
  EXPECT_EQ(engine.Names()[0], u"\u0141\u00f3d\u017a");
  engine.RereadInCodePage(TCodePage::Greek);
  EXPECT_EQ(engine.GetLibraryIndexItem(0), u"\u0394\u03b5\u03bd\u03c4\u03c1\u03b1");
  const TCategoryMap map = mapOf({engine.GetLibraryIndexItem(0)}, {u"\u0394\u03ad\u03bd"});
  const std::vector<TAnsiText> stored = engine.StoredCategories(map);
  ASSERT_EQ(stored.size(), 1u);
  EXPECT_EQ(stored[0].Bytes, "\xC4\xDD\xED");
  EXPECT_EQ(itemCategory(parseLibrary(saveToMemory(engine, map)).Items[0]), "\xC4\xDD\xED");
}

}  // namespace
