// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <optional>

#include "FieldEscape.h"
#include "LoaderSaver.h"
#include "PoFile.h"
#include "TextCodec.h"

namespace {

using namespace std::string_literals;

constexpr const char* kHeader =
    "msgid \"\"\nmsgstr \"Content-Type: text/plain; charset=UTF-8\\n\"\n\n";

struct TPoCase {
  const char* Name;
  std::string Body;
  std::vector<std::pair<std::u16string, std::u16string>> Pairs;
  std::size_t Fuzzy = 0;
};

void PrintTo(const TPoCase& aCase, std::ostream* aOut) { *aOut << aCase.Name; }

class PoFileTest : public testing::TestWithParam<TPoCase> {};

TEST_P(PoFileTest, ReadsTheEntriesToApply) {
  const TPoCase& c = GetParam();
  const TMapParse parsed = parsePoFile(kHeader + c.Body);
  ASSERT_FALSE(parsed.Error) << parsed.Error->Reason;
  ASSERT_EQ(parsed.Lines.size(), c.Pairs.size());
  for (std::size_t i = 0; i < c.Pairs.size(); ++i) {
    EXPECT_EQ(parsed.Lines[i].Old, c.Pairs[i].first) << i;
    EXPECT_EQ(parsed.Lines[i].New, c.Pairs[i].second) << i;
  }
  EXPECT_EQ(parsed.FuzzySkipped, c.Fuzzy);
}

INSTANTIATE_TEST_SUITE_P(
    Catalogues, PoFileTest,
    testing::Values(
        TPoCase{"OnlyTheHeader", "", {}},
        TPoCase{"Translated",
                "msgid \"B\xC3\xA4ume\"\nmsgstr \"Trees\"\n",
                {{u"B\u00e4ume", u"Trees"}}},
        TPoCase{"EmptyMsgstrKeepsTheRow",
                "msgid \"a\"\nmsgstr \"\"\n\nmsgid \"b\"\nmsgstr \"c\"\n",
                {{u"b", u"c"}}},
        TPoCase{"FuzzyCountedNotApplied",
                "#, fuzzy\nmsgid \"a\"\nmsgstr \"x\"\n\n#, fuzzy\nmsgid \"b\"\nmsgstr \"\"\n\n"
                "msgid \"c\"\nmsgstr \"y\"\n",
                {{u"c", u"y"}},
                1},
        TPoCase{"ObsoleteIgnored", "#~ msgid \"a\"\n#~ msgstr \"x\"\n", {}},
        TPoCase{"EscapesAndContinuations",
                "msgid \"\"\n\"a\\tb\\n\"\n\"c\"\nmsgstr \"\\\"q\\\"\\\\\"\n",
                {{u"a\tb\nc", u"\"q\"\\"}}},
        TPoCase{"EmptyCategoryByItsContext",
                "msgctxt \"empty category\"\nmsgid \"\"\nmsgstr \"Named\"\n",
                {{u"", u"Named"}}}),
    [](const auto& info) { return info.param.Name; });

struct TBadPoCase {
  const char* Name;
  std::string Bytes;
  TMapError::TKind Kind;
  int Line;
};

void PrintTo(const TBadPoCase& aCase, std::ostream* aOut) { *aOut << aCase.Name; }

class BadPoFileTest : public testing::TestWithParam<TBadPoCase> {};

// The gettext library words the fault and names its line (for a string left
// open, the line where it noticed).
TEST_P(BadPoFileTest, RefusedWithTheLine) {
  const TMapParse parsed = parsePoFile(GetParam().Bytes);
  ASSERT_TRUE(parsed.Error);
  EXPECT_EQ(parsed.Error->Kind, GetParam().Kind);
  EXPECT_EQ(parsed.Error->Line, GetParam().Line);
  EXPECT_EQ(parsed.Error->Kind == TMapError::TKind::Catalogue, !parsed.Error->Reason.empty());
  EXPECT_TRUE(parsed.Lines.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Catalogues, BadPoFileTest,
    testing::Values(TBadPoCase{"UnclosedString",
                               "msgid \"a\"\nmsgstr \"b\"\n\nmsgid \"c\nmsgstr \"d\"\n",
                               TMapError::TKind::Catalogue, 5},
                    TBadPoCase{"UnknownKeyword", "msgid \"a\"\nmsgstr \"b\"\nbogus\n",
                               TMapError::TKind::Catalogue, 3},
                    TBadPoCase{"DuplicateMsgid",
                               "msgid \"a\"\nmsgstr \"b\"\n\nmsgid \"a\"\nmsgstr \"c\"\n",
                               TMapError::TKind::Catalogue, 4},
                    TBadPoCase{"NotUtf8", "msgid \"B\xE4ume\"\nmsgstr \"Trees\"\n",
                               TMapError::TKind::Catalogue, 0}),
    [](const auto& info) { return info.param.Name; });

// Written and read back by the library, every changed row returns as it was;
// unchanged rows have no translation to apply.
TEST(PoFileWriteTest, WrittenCatalogueReadsBack) {
  const TCategoryMap map{{u"Trees", u"a\tb\\c", u"\"Quoted\"\r\n", u"", u"B\u00e4ume", u"Same"},
                         {u"B\u00e4ume", u"x\ny", u"\\", u"Named", u"\U0001F332", u"Same"}};
  const TMapExport exported{map, {true, true, true, true, true, false}, {}};
  const TMapParse parsed = parsePoFile(formatPoFile(exported));
  ASSERT_FALSE(parsed.Error) << parsed.Error->Reason;
  ASSERT_EQ(parsed.Lines.size(), 5U);
  for (std::size_t i = 0; i < parsed.Lines.size(); ++i) {
    EXPECT_EQ(parsed.Lines[i].Old, map.OldCats[i]) << i;
    EXPECT_EQ(parsed.Lines[i].New, map.NewCats[i]) << i;
  }
}

TEST(PoFileWriteTest, CommentsSayWhatEachCategoryHolds) {
  const TCategoryMap map{{u"Trees"}, {u"Trees"}};
  const std::string written = formatPoFile({map, {}, {{5, {u"Tree 10", u"Oak"}}}});
  EXPECT_NE(written.find("charset=UTF-8"), std::string::npos);
  EXPECT_NE(written.find("# 5 items: Tree 10, Oak, \xE2\x80\xA6\nmsgid \"Trees\"\nmsgstr \"\"\n"),
            std::string::npos)
      << written;
}

/// A text that a catalogue cannot carry, or an entry that cannot be applied
/// as it stands. A write row maps Old to New and writes the catalogue; a read
/// row (Body not empty) reads Body after the header, where line 4 is its
/// first, and Old is the msgid of the entry passed over.
struct TCatalogueCase {
  const char* Name;
  std::u16string Old;
  std::u16string New;
  std::string Body = {};
  bool Refused = false;
  std::optional<TMapSkip::TReason> Skip = {};
  int SkipLine = 0;
};

void PrintTo(const TCatalogueCase& aCase, std::ostream* aOut) { *aOut << aCase.Name; }

class CatalogueCaseTest : public testing::TestWithParam<TCatalogueCase> {};

TEST_P(CatalogueCaseTest, RefusedWarnedOfOrReadBack) {
  const TCatalogueCase& c = GetParam();
  if (c.Body.empty()) {
    const TCategoryMap map{{c.Old}, {c.New}};
    if (c.Refused) {
      try {
        formatPoFile({map, {true}, {}});
        ADD_FAILURE() << "written";
      } catch (const TCatalogueRefusal& e) {
        EXPECT_NE(
            std::string(e.what()).find('"' + escapeControlCharacters(escapeField(c.Old)) + '"'),
            std::string::npos)
            << e.what();
      }
      return;
    }
    const TMapParse parsed = parsePoFile(formatPoFile({map, {true}, {}}));
    ASSERT_FALSE(parsed.Error) << parsed.Error->Reason;
    ASSERT_EQ(parsed.Lines.size(), 1U);
    EXPECT_EQ(parsed.Lines[0].Old, c.Old);
    EXPECT_EQ(parsed.Lines[0].New, c.New);
    EXPECT_TRUE(parsed.Skipped.empty());
    return;
  }
  // Each read row ends with an entry that applies, after the one passed over.
  const TMapParse parsed = parsePoFile(kHeader + c.Body + "\nmsgid \"c\"\nmsgstr \"d\"\n");
  ASSERT_FALSE(parsed.Error) << parsed.Error->Reason;
  ASSERT_FALSE(parsed.Lines.empty());
  EXPECT_EQ(parsed.Lines.back().Old, u"c");
  EXPECT_EQ(parsed.Lines.back().New, u"d");
  if (!c.Skip) {
    EXPECT_TRUE(parsed.Skipped.empty());
    ASSERT_EQ(parsed.Lines.size(), 2U);
    EXPECT_EQ(parsed.Lines[0].Old, c.Old);
    EXPECT_EQ(parsed.Lines[0].New, c.New);
    return;
  }
  EXPECT_EQ(parsed.Lines.size(), 1U);
  ASSERT_EQ(parsed.Skipped.size(), 1U);
  EXPECT_EQ(parsed.Skipped[0].Reason, *c.Skip);
  EXPECT_EQ(parsed.Skipped[0].Line, c.SkipLine);
  EXPECT_EQ(parsed.Skipped[0].Old, c.Old);
}

INSTANTIATE_TEST_SUITE_P(
    Catalogues, CatalogueCaseTest,
    testing::Values(
        TCatalogueCase{"NulInACategory", u"a\0b"s, u"x", {}, true},
        TCatalogueCase{"SingleNulCategory", u"\0"s, u"x", {}, true},
        TCatalogueCase{"EotInACategory",
                       u"a\x04"
                       u"b",
                       u"x",
                       {},
                       true},
        TCatalogueCase{"NulInANewText", u"Baum", u"Ba\0um"s, {}, true},
        TCatalogueCase{"OtherControlCharactersReadBack", u"a\x01\x05\a\x1b\x7f", u"\b\f\v", {}},
        TCatalogueCase{"BackslashZeroReadsBackAsText", u"\\0 \\x00", u"\\000", {}},
        TCatalogueCase{"PluralEntry",
                       u"p",
                       {},
                       "msgid \"p\"\nmsgid_plural \"ps\"\nmsgstr[0] \"q\"\nmsgstr[1] \"qs\"\n",
                       false,
                       TMapSkip::TReason::Plural,
                       4},
        TCatalogueCase{"NulEscapeInMsgstr",
                       u"Baum",
                       {},
                       "#~ msgid \"o\"\n#~ msgstr \"x\"\n\nmsgid \"Baum\"\nmsgstr \"Ba\\0um\"\n",
                       false,
                       TMapSkip::TReason::NulEscape,
                       7},
        TCatalogueCase{"HexNulEscapeEmptiesMsgstr",
                       u"Baum",
                       {},
                       "msgctxt \"k\"\nmsgid \"Baum\"\nmsgstr \"\\x00\"\n",
                       false,
                       TMapSkip::TReason::NulEscape,
                       5},
        TCatalogueCase{"NulEscapeInMsgid",
                       u"a",
                       {},
                       "msgid \"a\\000b\"\nmsgstr \"x\"\n",
                       false,
                       TMapSkip::TReason::NulEscape,
                       4},
        TCatalogueCase{"EscapedBackslashBeforeZeroApplies", u"w\\0", u"ok",
                       "msgid \"w\\\\0\"\nmsgstr \"ok\"\n"}),
    [](const auto& info) { return info.param.Name; });

}  // namespace
