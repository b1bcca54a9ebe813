// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "LoaderSaver.h"
#include "MapApply.h"
#include "SampleItems.h"

namespace {

using TTexts = std::vector<std::u16string>;

struct TApplyCase {
  const char* Name;
  TTexts OldCats;
  TTexts NewCats;
  /// The map's lines as old/new pairs, numbered from 1.
  std::vector<std::pair<std::u16string, std::u16string>> Lines;
  TTexts ExpectedNewCats;
  /// The line numbers returned as naming no row.
  std::vector<int> Unmatched;
};

void PrintTo(const TApplyCase& aCase, std::ostream* aOut) { *aOut << aCase.Name; }

class MapApplyTest : public testing::TestWithParam<TApplyCase> {};

TEST_P(MapApplyTest, RowsTakeTheirLinesAndTheRestIsReturned) {
  const TApplyCase& c = GetParam();
  std::vector<TMapLine> lines;
  for (const auto& [oldText, newText] : c.Lines)
    lines.push_back({static_cast<int>(lines.size()) + 1, oldText, newText});
  TCategoryMap map{c.OldCats, c.NewCats};
  const std::vector<TMapLine> unmatched = applyMap(lines, map);
  EXPECT_EQ(map.OldCats, c.OldCats);
  EXPECT_EQ(map.NewCats, c.ExpectedNewCats);
  std::vector<int> numbers;
  for (const TMapLine& line : unmatched) {
    numbers.push_back(line.Line);
    EXPECT_EQ(line.Old, c.Lines[static_cast<std::size_t>(line.Line - 1)].first);
  }
  EXPECT_EQ(numbers, c.Unmatched);
}

INSTANTIATE_TEST_SUITE_P(
    Maps, MapApplyTest,
    testing::Values(TApplyCase{"NoLines", {u"A", u"B"}, {u"A", u"B"}, {}, {u"A", u"B"}, {}},
                    TApplyCase{"NamedRowsTakeTheNewText",
                               {u"A", u"B", u"C"},
                               {u"A", u"B", u"C"},
                               {{u"C", u"Z"}, {u"A", u"X"}},
                               {u"X", u"B", u"Z"},
                               {}},
                    TApplyCase{"UnnamedRowKeepsItsNewText",
                               {u"A", u"B"},
                               {u"A1", u"B1"},
                               {{u"B", u"X"}},
                               {u"A1", u"X"},
                               {}},
                    TApplyCase{"LetterCaseCounts", {u"a"}, {u"a"}, {{u"A", u"X"}}, {u"a"}, {1}},
                    TApplyCase{"UnmatchedInMapOrder",
                               {u"A"},
                               {u"A"},
                               {{u"Z", u"1"}, {u"A", u"X"}, {u"Y", u"2"}},
                               {u"X"},
                               {1, 3}},
                    TApplyCase{"FirstOfEqualRowsTakesTheLine",
                               {u"A", u"A"},
                               {u"A", u"A"},
                               {{u"A", u"X"}},
                               {u"X", u"A"},
                               {}},
                    TApplyCase{"EmptyOldTextNamesTheEmptyRow",
                               {u"", u"B"},
                               {u"", u"B"},
                               {{u"", u"Named"}},
                               {u"Named", u"B"},
                               {}}),
    [](const auto& info) { return info.param.Name; });

// Lines that name no category read in one code page may name them in
// another: the page the map was made in, when most of them do.
TEST(CodePageOfLinesTest, FindsThePageMostLinesWereMadeIn) {
  struct TCase {
    const char* Name;
    std::vector<std::u16string> Lines;
    std::optional<TCodePage> Page;
  };
  TSampleLibrary library;
  // "B\xe4ume" reads "B\u00e4ume" in Windows-1252 and "B\u0434ume" in 1251.
  for (const char* category : {"B\xe4ume", "\xc4\xee\xec", "Cars"})
    library.Items.push_back(sampleItem("n", category));
  TVectorEngine engine;
  engine.LoadLibraryFromStream(buildSampleLibrary(library));
  for (const TCase& c : std::vector<TCase>{
           {"a map made in Cyrillic", {u"B\u0434ume", u"\u0414\u043e\u043c"}, TCodePage::Cyrillic},
           {"entries that are no category in any page", {u"Ships", u"Boats"}, std::nullopt},
           {"only one of three entries would name one",
            {u"B\u0434ume", u"Ships", u"Boats"},
            std::nullopt}}) {
    std::vector<TMapLine> lines;
    for (const std::u16string& text : c.Lines) lines.push_back({1, text, u"x"});
    EXPECT_EQ(codePageOfLines(engine, lines, TCodePage::Western), c.Page) << c.Name;
  }
}

}  // namespace
