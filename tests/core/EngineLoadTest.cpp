// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "LoaderSaver.h"
#include "SampleItems.h"
#include "TempDir.h"
#include "WorkProgress.h"

namespace {

using TKind = TLoadResult::TKind;

std::vector<std::u16string> catalogue(const TVectorEngine& aEngine) {
  std::vector<std::u16string> cats;
  for (int i = 0; i < aEngine.GetLibraryIndexCount(); ++i)
    cats.push_back(aEngine.GetLibraryIndexItem(i));
  return cats;
}

std::vector<std::u16string> namesOf(const TVectorEngine& aEngine, int aCat) {
  std::vector<std::u16string> names;
  for (int id = 1; id <= aEngine.GetLibraryIndexItemCount(aCat); ++id)
    names.push_back(aEngine.GetLibraryItemByID(aCat, id));
  return names;
}

TEST(CatalogueTest, EntriesInOrderOfFirstAppearanceWithNamesInFileOrder) {
  TSampleLibrary lib;
  lib.Items = {sampleItem("Oak", "Trees"), sampleItem("Audi", "Cars"), sampleItem("Elm", "Trees"),
               sampleItem("oak", "trees"), sampleItem("Oak", "Trees"), sampleItem("Empty", "")};
  TVectorEngine engine;
  const TLoadResult result = engine.LoadLibraryFromStream(buildSampleLibrary(lib));
  EXPECT_EQ(result.Kind, TKind::Loaded);
  EXPECT_EQ(result.ItemsRead, 6);
  EXPECT_EQ(catalogue(engine), (std::vector<std::u16string>{u"Trees", u"Cars", u"trees", u""}));
  EXPECT_EQ(namesOf(engine, 0), (std::vector<std::u16string>{u"Oak", u"Elm", u"Oak"}));
  EXPECT_EQ(namesOf(engine, 1), (std::vector<std::u16string>{u"Audi"}));
  EXPECT_EQ(namesOf(engine, 3), (std::vector<std::u16string>{u"Empty"}));
  EXPECT_EQ(engine.Names(),
            (std::vector<std::u16string>{u"Oak", u"Audi", u"Elm", u"oak", u"Oak", u"Empty"}));
  EXPECT_EQ(engine.ItemCount(), 6u);
}

TEST(CatalogueTest, ItemBytesAreTheFileBytes) {
  TSampleLibrary lib;
  lib.Items = {sampleItem("A", "X", 0), sampleItem("B", "Y", 300)};
  const std::vector<std::uint8_t> bytes = buildSampleLibrary(lib);
  TVectorEngine engine;
  engine.LoadLibraryFromStream(bytes);
  const TItemStream second = engine.GetLibraryItembyID(1);
  const std::vector<std::uint8_t> expected = buildSampleItem(lib.Items[1]);
  ASSERT_EQ(second.Size, expected.size());
  EXPECT_TRUE(std::equal(expected.begin(), expected.end(), second.Data));
  EXPECT_EQ(TVectorEngine::GetLibraryItemAuthor(second), u"B");
  EXPECT_EQ(TVectorEngine::GetLibraryItemRemarks(second), u"Y");
}

TEST(CatalogueTest, NonAsciiTextsAreDecodedFromTheCodePage) {
  TSampleLibrary lib;
  lib.Items = {sampleItem("Gr\xfcn \x80", "B\xe4ume")};
  TVectorEngine engine;
  engine.LoadLibraryFromStream(buildSampleLibrary(lib));
  EXPECT_EQ(engine.Names().at(0), u"Gr\u00fcn \u20ac");
  EXPECT_EQ(engine.GetLibraryIndexItem(0), u"B\u00e4ume");
}

// Found one at a time or many at once, a category is the entry stored as
// exactly those bytes (clamped to the field): over a catalogue large enough
// for its table to have grown, and batches longer than one look-ahead.
TEST(CatalogueTest, LookupsByBytesFindTheEntryStoredSo) {
  TSampleLibrary lib;
  const std::string longest(kRemarksCapacity, 'L');
  for (int i = 0; i < 300; ++i) lib.Items.push_back(sampleItem("n", "cat " + std::to_string(i)));
  for (const std::string& category : {std::string(), longest, std::string("B\xe4ume")})
    lib.Items.push_back(sampleItem("n", category));
  TVectorEngine engine;
  engine.LoadLibraryFromStream(buildSampleLibrary(lib));
  const struct {
    const char* Name;
    std::string Bytes;
    std::optional<std::size_t> Entry;
  } cases[] = {
      {"the first", "cat 0", 0},
      {"one from the middle", "cat 150", 150},
      {"one that begins others", "cat 15", 15},
      {"another's prefix is none", "cat", std::nullopt},
      {"case tells them apart", "Cat 1", std::nullopt},
      {"the empty one", "", 300},
      {"a full field", longest, 301},
      {"longer than the field, clamped", longest + "more", 301},
      {"a byte above ASCII", "B\xe4ume", 302},
  };
  std::vector<std::string_view> batch;
  std::vector<std::optional<std::size_t>> expected;
  for (int round = 0; round < 8; ++round)
    for (const auto& c : cases) {
      EXPECT_EQ(engine.FindCategoryBytes(c.Bytes), c.Entry) << c.Name;
      batch.push_back(c.Bytes);
      expected.push_back(c.Entry);
    }
  std::vector<std::optional<std::size_t>> found(batch.size(), 7);
  engine.FindCategoriesBytes(batch, found);
  for (std::size_t i = 0; i < batch.size(); ++i)
    EXPECT_EQ(found[i], expected[i]) << cases[i % std::size(cases)].Name;
}

TEST(LoadTest, SecondLibraryReplacesTheFirst) {
  TSampleLibrary first;
  first.Items = {sampleItem("A", "One"), sampleItem("B", "Two")};
  TSampleLibrary second;
  second.Items = {sampleItem("C", "Three")};
  TVectorEngine engine;
  engine.LoadLibraryFromStream(buildSampleLibrary(first));
  engine.LoadLibraryFromStream(buildSampleLibrary(second));
  EXPECT_EQ(catalogue(engine), (std::vector<std::u16string>{u"Three"}));
  EXPECT_EQ(engine.Names(), (std::vector<std::u16string>{u"C"}));
}

TEST(LoadTest, RejectedHeaderChangesOnlyTheHeaderCopy) {
  TSampleLibrary good;
  good.Items = {sampleItem("A", "One")};
  TSampleLibrary bad = good;
  bad.FileVersion = 2;
  bad.ContentsTail[0] = 0x55;
  TVectorEngine engine;
  engine.LoadLibraryFromStream(buildSampleLibrary(good));
  const TLoadResult result = engine.LoadLibraryFromStream(buildSampleLibrary(bad));
  EXPECT_EQ(result.Kind, TKind::NotALibrary);
  EXPECT_EQ(catalogue(engine), (std::vector<std::u16string>{u"One"}));
  EXPECT_EQ(engine.Header().FileVersion(), 2);
  EXPECT_EQ(engine.Header().Bytes[7], 0x55);
}

TEST(LoadTest, ThemeCountHasNoEffect) {
  for (std::int32_t themes : {0, 1, -7, 2147483647}) {
    TSampleLibrary lib;
    lib.ThemeCount = themes;
    lib.Items = {sampleItem("A", "One"), sampleItem("B", "Two")};
    TVectorEngine engine;
    EXPECT_EQ(engine.LoadLibraryFromStream(buildSampleLibrary(lib)).Kind, TKind::Loaded);
    EXPECT_EQ(engine.GetLibraryIndexCount(), 2);
  }
}

TEST(LoadTest, BytesAfterTheLastItemAreIgnored) {
  TSampleLibrary lib;
  lib.Items = {sampleItem("A", "One")};
  std::vector<std::uint8_t> bytes = buildSampleLibrary(lib);
  bytes.insert(bytes.end(), 1000, 0xAB);
  TVectorEngine engine;
  EXPECT_EQ(engine.LoadLibraryFromStream(bytes).Kind, TKind::Loaded);
  EXPECT_EQ(engine.ItemCount(), 1u);
}

// A library cut at any byte keeps exactly the items that were complete.
TEST(LoadTest, EveryPrefixKeepsTheCompleteItems) {
  TSampleLibrary lib;
  lib.Items = {sampleItem("A", "One", 5), sampleItem("B", "Two", 0), sampleItem("C", "One", 40)};
  const std::vector<std::uint8_t> whole = buildSampleLibrary(lib);
  std::vector<std::size_t> itemEnds;
  std::size_t at = 24;
  for (const TSampleItem& i : lib.Items) itemEnds.push_back(at += 8 + buildSampleItem(i).size());
  ASSERT_EQ(itemEnds.back(), whole.size());

  for (std::size_t cut = 0; cut <= whole.size(); ++cut) {
    TVectorEngine engine;
    const TLoadResult result =
        engine.LoadLibraryFromStream(std::vector<std::uint8_t>(whole.begin(), whole.begin() + cut));
    if (cut < 24) {
      EXPECT_EQ(result.Kind, TKind::NotALibrary) << cut;
      EXPECT_EQ(engine.ItemCount(), 0u);
      continue;
    }
    const auto complete = static_cast<std::size_t>(std::count_if(
        itemEnds.begin(), itemEnds.end(), [&](std::size_t end) { return end <= cut; }));
    EXPECT_EQ(engine.ItemCount(), complete) << cut;
    EXPECT_EQ(engine.Names().size(), complete) << cut;
    EXPECT_EQ(result.ItemsRead, static_cast<std::int64_t>(complete)) << cut;
    EXPECT_EQ(result.ItemsDeclared, 3) << cut;
    EXPECT_EQ(result.Kind, complete == 3 ? TKind::Loaded : TKind::Damaged) << cut;
    std::size_t listed = 0;
    for (int c = 0; c < engine.GetLibraryIndexCount(); ++c)
      listed += static_cast<std::size_t>(engine.GetLibraryIndexItemCount(c));
    EXPECT_EQ(listed, complete) << cut;
  }
}

using TDamage = TLoadResult::TDamage;

struct TSizeCase {
  const char* Label;
  std::int64_t DeclaredSizeOfSecond;
  std::int64_t ItemsRead;
  TDamage Damage;
};

class ItemSizeTest : public testing::TestWithParam<TSizeCase> {};

TEST_P(ItemSizeTest, ImpossibleSizesEndTheReadAtThatItem) {
  TSampleLibrary lib;
  lib.Items = {sampleItem("A", "One"), sampleItem("B", "Two", 0), sampleItem("C", "Three")};
  lib.Items[1].DeclaredSize = GetParam().DeclaredSizeOfSecond;
  TVectorEngine engine;
  const TLoadResult result = engine.LoadLibraryFromStream(buildSampleLibrary(lib));
  EXPECT_EQ(result.ItemsRead, GetParam().ItemsRead);
  EXPECT_EQ(engine.ItemCount(), static_cast<std::size_t>(GetParam().ItemsRead));
  EXPECT_EQ(result.Kind, GetParam().ItemsRead == 3 ? TKind::Loaded : TKind::Damaged);
  EXPECT_EQ(result.Damage, GetParam().Damage);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ItemSizeTest,
    testing::Values(TSizeCase{"Exact", 192, 3, TDamage::None},
                    TSizeCase{"Zero", 0, 1, TDamage::SmallerThanHeader},
                    TSizeCase{"MinusOne", -1, 1, TDamage::SmallerThanHeader},
                    TSizeCase{"OneBelowHeader", 191, 1, TDamage::SmallerThanHeader},
                    TSizeCase{"Largest", INT64_MAX, 1, TDamage::PastTheEnd},
                    TSizeCase{"Smallest", INT64_MIN, 1, TDamage::SmallerThanHeader},
                    TSizeCase{"PastTheEnd", 100000, 1, TDamage::PastTheEnd}),
    [](const auto& info) { return std::string(info.param.Label); });

struct TCountCase {
  const char* Label;
  std::int32_t ObjectCount;
  TKind Kind;
  std::int64_t ItemsRead;
};

class ObjectCountTest : public testing::TestWithParam<TCountCase> {};

TEST_P(ObjectCountTest, CountIsTrustedOnlyAsFarAsTheBytesGo) {
  TSampleLibrary lib;
  lib.Items = {sampleItem("A", "One"), sampleItem("B", "Two")};
  lib.ObjectCount = GetParam().ObjectCount;
  TVectorEngine engine;
  const TLoadResult result = engine.LoadLibraryFromStream(buildSampleLibrary(lib));
  EXPECT_EQ(result.Kind, GetParam().Kind);
  EXPECT_EQ(result.ItemsRead, GetParam().ItemsRead);
  EXPECT_EQ(engine.ItemCount(), static_cast<std::size_t>(GetParam().ItemsRead));
}

INSTANTIATE_TEST_SUITE_P(Table, ObjectCountTest,
                         testing::Values(TCountCase{"Zero", 0, TKind::Loaded, 0},
                                         TCountCase{"Negative", -1, TKind::Loaded, 0},
                                         TCountCase{"Fewer", 1, TKind::Loaded, 1},
                                         TCountCase{"Exact", 2, TKind::Loaded, 2},
                                         TCountCase{"Huge", 2147483647, TKind::Damaged, 2}),
                         [](const auto& info) { return std::string(info.param.Label); });

TEST(LoadTest, AbsurdCountInATinyFileLoadsAtOnce) {
  TSampleLibrary lib;
  lib.ObjectCount = 2000000000;
  std::vector<std::uint8_t> bytes = buildSampleLibrary(lib);
  bytes.resize(100, 0);
  TVectorEngine engine;
  const TLoadResult result = engine.LoadLibraryFromStream(bytes);
  EXPECT_EQ(result.Kind, TKind::Damaged);
  EXPECT_EQ(result.ItemsRead, 0);
  EXPECT_EQ(result.ItemsDeclared, 2000000000);
}

TEST(LoadTest, OversizedLengthBytesAreClampedToTheirFields) {
  TSampleLibrary lib;
  lib.Items = {sampleItem(std::string(50, 'n'), std::string(100, 'c'))};
  lib.Items[0].AuthorLength = 255;
  lib.Items[0].RemarksLength = 255;
  TVectorEngine engine;
  EXPECT_EQ(engine.LoadLibraryFromStream(buildSampleLibrary(lib)).Kind, TKind::Loaded);
  EXPECT_EQ(engine.Names().at(0), std::u16string(50, u'n'));
  EXPECT_EQ(engine.GetLibraryIndexItem(0), std::u16string(100, u'c'));
}

TEST(LoadTest, ClearLibraryEmptiesEverythingButTheHeaderCopy) {
  TSampleLibrary lib;
  lib.ContentsTail[4] = 9;
  lib.Items = {sampleItem("A", "One")};
  TVectorEngine engine;
  engine.LoadLibraryFromStream(buildSampleLibrary(lib));
  engine.ClearLibrary();
  EXPECT_EQ(engine.ItemCount(), 0u);
  EXPECT_EQ(engine.GetLibraryIndexCount(), 0);
  EXPECT_TRUE(engine.Names().empty());
  EXPECT_EQ(engine.Header().Bytes[11], 9);
}

TEST(CatalogueTest, CategoriesMatchByExactCodeUnits) {
  TSampleLibrary lib;
  lib.Items = {sampleItem("A", "Trees"), sampleItem("B", "trees"), sampleItem("C", "Trees "),
               sampleItem("D", "Trees")};
  TVectorEngine engine;
  engine.LoadLibraryFromStream(buildSampleLibrary(lib));
  EXPECT_EQ(catalogue(engine), (std::vector<std::u16string>{u"Trees", u"trees", u"Trees "}));
  EXPECT_EQ(namesOf(engine, 0), (std::vector<std::u16string>{u"A", u"D"}));
}

// A load of several megabytes reports from the first block read to the last
// taken apart, never going back, and ends once.
TEST(LoadTest, ProgressRunsOnceFromStartToEnd) {
  struct TRecorder final : TWorkProgress {
    void Begin(int aTotal) override { Totals.push_back(aTotal); }
    void Advance(int aPosition) override { Positions.push_back(aPosition); }
    void End() override { ++Ends; }
    std::vector<int> Totals;
    std::vector<int> Positions;
    int Ends = 0;
  } recorder;
  TSampleLibrary lib;
  for (int i = 0; i < 30000; ++i) lib.Items.push_back(sampleItem("Item", "Cat", 100));
  TTempDir dir;
  const std::string path = dir.File("big.zbl");
  writeBytesToFile(path, buildSampleLibrary(lib));
  TVectorEngine engine;
  ASSERT_EQ(engine.LoadLibraryFromFile(path, &recorder).Kind, TKind::Loaded);
  ASSERT_EQ(recorder.Totals.size(), 1u);
  ASSERT_EQ(recorder.Ends, 1);
  ASSERT_GT(recorder.Positions.size(), 2u);
  EXPECT_TRUE(std::is_sorted(recorder.Positions.begin(), recorder.Positions.end()));
  // The second half of the steps is the items taken apart.
  EXPECT_GE(recorder.Positions.back(), recorder.Totals.front() / 2);
  EXPECT_LT(recorder.Positions.back(), recorder.Totals.front());
}

}  // namespace
