// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "LoaderSaver.h"
#include "MapFile.h"

namespace {

using TKind = TMapError::TKind;

struct TMapCase {
  const char* Name;
  std::string Bytes;
  /// Expected old/new pairs (UTF-16) when the map is accepted.
  std::vector<std::pair<std::u16string, std::u16string>> Pairs;
  std::optional<TKind> Kind = std::nullopt;
  int Line = 0;
};

void PrintTo(const TMapCase& aCase, std::ostream* aOut) { *aOut << aCase.Name; }

class MapFileTest : public testing::TestWithParam<TMapCase> {};

TEST_P(MapFileTest, ParsesOrNamesTheLine) {
  const TMapCase& c = GetParam();
  const TMapParse parsed = parseMapFile(c.Bytes);
  if (c.Kind) {
    ASSERT_TRUE(parsed.Error);
    EXPECT_EQ(parsed.Error->Kind, *c.Kind);
    EXPECT_EQ(parsed.Error->Line, c.Line);
    return;
  }
  ASSERT_FALSE(parsed.Error) << "refused line " << parsed.Error->Line;
  ASSERT_EQ(parsed.Lines.size(), c.Pairs.size());
  for (std::size_t i = 0; i < c.Pairs.size(); ++i) {
    EXPECT_EQ(parsed.Lines[i].Old, c.Pairs[i].first) << i;
    EXPECT_EQ(parsed.Lines[i].New, c.Pairs[i].second) << i;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Maps, MapFileTest,
    testing::Values(
        TMapCase{"Empty", "", {}}, TMapCase{"OnlyByteOrderMark", "\xEF\xBB\xBF", {}},
        TMapCase{"FinalNewlineMakesNoLine", "a\tb\n", {{u"a", u"b"}}},
        TMapCase{"NoFinalNewline", "a\tb\nc\td", {{u"a", u"b"}, {u"c", u"d"}}},
        TMapCase{"ByteOrderMarkSkipped",
                 "\xEF\xBB\xBF"
                 "a\tb\n",
                 {{u"a", u"b"}}},
        TMapCase{"WindowsLineEnds", "a\tb\r\nc\td\r\n", {{u"a", u"b"}, {u"c", u"d"}}},
        TMapCase{"CarriageReturnsEndLines",
                 "a\tb\rc\td\r\ne\tf\r\r\n",
                 {{u"a", u"b"}, {u"c", u"d"}, {u"e", u"f"}}},
        TMapCase{"EscapesRead", "a\\tb\tc\\\\d\\n\\r\n", {{u"a\tb", u"c\\d\n\r"}}},
        TMapCase{"EmptyOldText", "\tNew\n", {{u"", u"New"}}},
        TMapCase{"Utf8Decoded", "B\xC3\xA4ume\tTrees\n", {{u"B\u00e4ume", u"Trees"}}},
        TMapCase{"NonBmpDecoded", "a\t\xF0\x9F\x8C\xB2\n", {{u"a", u"\U0001F332"}}},
        TMapCase{"SameNewTextTwice", "a\tc\nb\tc\n", {{u"a", u"c"}, {u"b", u"c"}}},
        TMapCase{"OldTextsDifferInCase", "a\tx\nA\ty\n", {{u"a", u"x"}, {u"A", u"y"}}},
        TMapCase{"NoTab", "a\tb\nab\n", {}, TKind::WrongTabCount, 2},
        TMapCase{
            "CommentColumnsIgnored", "a\tb\tnote\tmore\nc\td\t\r\n", {{u"a", u"b"}, {u"c", u"d"}}},
        TMapCase{"BlankLinesSkipped", "\na\tb\n\r\n\rc\td\n\n", {{u"a", u"b"}, {u"c", u"d"}}},
        TMapCase{"QuotedCells", "\"Autos \"\"neu\"\"\"\t\"Cars\"\n", {{u"Autos \"neu\"", u"Cars"}}},
        TMapCase{"QuotesHoldTabsAndLineBreaks",
                 "\"a\tb\"\t\"x\r\ny\"\nc\td\n",
                 {{u"a\tb", u"x\r\ny"}, {u"c", u"d"}}},
        TMapCase{"QuotedEmptyOldIsNotBlank", "\"\"\tNew\n", {{u"", u"New"}}},
        TMapCase{"EscapesInsideQuotes", "\"a\\tb\"\tc\n", {{u"a\tb", u"c"}}},
        TMapCase{"QuoteInsideAFieldIsText", "a\"b\"\tc\n", {{u"a\"b\"", u"c"}}},
        TMapCase{"LinesCountedInsideQuotes",
                 "\"a\nb\"\tx\r\"c\r\nd\"\tx\ny\t\n",
                 {},
                 TKind::EmptyNewText,
                 5},
        TMapCase{"UnclosedQuote", "a\tb\n\"c\td\ne\tf\n", {}, TKind::UnclosedQuote, 2},
        TMapCase{"TextAfterQuote", "a\tb\n\"c\"d\te\n", {}, TKind::TextAfterQuote, 2},
        TMapCase{"Utf16LittleEndian",
                 std::string("\xFF\xFE"
                             "a\0\t\0b\0\xE4\0\r\0\n\0",
                             14),
                 {{u"a", u"b\u00e4"}}},
        TMapCase{"Utf16BigEndian",
                 std::string("\xFE\xFF"
                             "\0a\0\t\xD8\x3C\xDF\x32\0\n",
                             12),
                 {{u"a", u"\U0001F332"}}},
        TMapCase{"Utf16OddLength",
                 std::string("\xFF\xFE"
                             "a\0\t\0b\0\n\0c",
                             11),
                 {},
                 TKind::InvalidUtf16,
                 2},
        TMapCase{"Utf16LoneSurrogate",
                 std::string("\xFF\xFE"
                             "a\0\n\0b\0\t\0\x00\xDC",
                             12),
                 {},
                 TKind::InvalidUtf16,
                 2},
        TMapCase{"EmptyNewText", "a\tb\nc\t\n", {}, TKind::EmptyNewText, 2},
        TMapCase{"NewTextOnlyCarriageReturn", "a\t\r\n", {}, TKind::EmptyNewText, 1},
        TMapCase{"DuplicateOld", "a\tb\nc\td\na\te\n", {}, TKind::DuplicateOld, 3},
        TMapCase{"RawTabIsNotAnEscape", "a\\tb\tx\na\tb\ty\n", {{u"a\tb", u"x"}, {u"a", u"b"}}},
        TMapCase{"DuplicateOfEscapedText", "a\\tb\tx\na\\tb\ty\n", {}, TKind::DuplicateOld, 2},
        TMapCase{"BadEscapeInOld", "a\tb\n\\x\tb\n", {}, TKind::BadEscape, 2},
        TMapCase{"BadEscapeInNew", "a\tb\\\n", {}, TKind::BadEscape, 1},
        TMapCase{"InvalidUtf8", "a\tb\nc\t\xC3\n", {}, TKind::InvalidUtf8, 2},
        TMapCase{
            "Windows1252IsNotUtf8", "a\tb\rc\td\r\nB\xE4ume\tTrees\n", {}, TKind::InvalidUtf8, 3},
        TMapCase{"NotUtf8InAComment", "a\tb\t\x80\n", {}, TKind::InvalidUtf8, 1},
        TMapCase{"EncodedSurrogate", "a\t\xED\xA0\x80\n", {}, TKind::InvalidUtf8, 1},
        TMapCase{"ByteOrderMarkLaterIsText",
                 "a\tb\n\xEF\xBB\xBF"
                 "c\td\n",
                 {{u"a", u"b"}, {u"\uFEFFc", u"d"}}},
        TMapCase{"FirstFaultWins", "a\t\nb\tc\td\n", {}, TKind::EmptyNewText, 1}),
    [](const auto& info) { return info.param.Name; });

TEST(MapFileErrorTest, DuplicateNamesTheFirstLine) {
  const TMapParse parsed = parseMapFile("x\ty\na\tb\nx\tz\n");
  ASSERT_TRUE(parsed.Error);
  EXPECT_EQ(parsed.Error->FirstLine, 1);
}

TEST(MapFileErrorTest, BadEscapeKeepsTheWholeCharacter) {
  const TMapParse parsed = parseMapFile("a\tb\\\xC3\xA4\n");
  ASSERT_TRUE(parsed.Error);
  EXPECT_EQ(parsed.Error->Escape, "\\\xC3\xA4");
}

// What the map is written as reads back as the same rows, line by line,
// with or without the column that says what each category holds.
TEST(MapFileWriteTest, WrittenMapReadsBack) {
  const TCategoryMap map{
      {u"Trees", u"a\tb\\c", u"Line\r\nEnd", u"B\u00e4ume", u"", u"\"Quoted\" text", u"\""},
      {u"B\u00e4ume", u"x\ny", u"\\", u"\U0001F332", u"Named", u"\"\"", u"a \"b\""}};
  std::vector<TCategoryContents> contents(map.OldCats.size(), {2, {u"Oak\t1", u"\"Elm\""}});
  for (const bool described : {false, true}) {
    const std::string written =
        formatMapFile(map, described ? contents : std::vector<TCategoryContents>{});
    const TMapParse parsed = parseMapFile(written);
    ASSERT_FALSE(parsed.Error) << "refused line " << parsed.Error->Line;
    ASSERT_EQ(parsed.Lines.size(), map.OldCats.size());
    for (std::size_t i = 0; i < parsed.Lines.size(); ++i) {
      EXPECT_EQ(parsed.Lines[i].Old, map.OldCats[i]) << i;
      EXPECT_EQ(parsed.Lines[i].New, map.NewCats[i]) << i;
    }
    EXPECT_EQ(written.find("\t2 items: Oak\\t1, \"Elm\"\n") != std::string::npos, described);
  }
}

}  // namespace
