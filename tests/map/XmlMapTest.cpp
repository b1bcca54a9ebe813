// SPDX-License-Identifier: GPL-3.0-or-later
// TMX memories and XLIFF documents: written and read back, made and read by
// Translate Toolkit's converters, and refused when malformed or hostile.
#include <gtest/gtest.h>

#include <fstream>

#include "ChildProcess.h"
#include "LoaderSaver.h"
#include "MapIo.h"
#include "MapMessages.h"
#include "PoFile.h"
#include "TempDir.h"
#include "TmxFile.h"
#include "XliffFile.h"

namespace {

using namespace std::string_literals;
using TPairs = std::vector<std::pair<std::u16string, std::u16string>>;

TPairs pairsOf(const TMapParse& aParse) {
  TPairs out;
  for (const TMapLine& line : aParse.Lines) out.emplace_back(line.Old, line.New);
  return out;
}

std::string readText(const std::string& aFile) {
  std::ifstream in(aFile, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

void writeText(const std::string& aFile, std::string_view aText) {
  std::ofstream(aFile, std::ios::binary) << aText;
}

struct TTextCase {
  const char* Name;
  std::u16string Old;
  std::u16string New;
};

void PrintTo(const TTextCase& aCase, std::ostream* aOut) { *aOut << aCase.Name; }

class XmlRoundTripTest : public testing::TestWithParam<std::tuple<TMapFormat, TTextCase>> {};

TEST_P(XmlRoundTripTest, ReadsBackTheChangedRowsOnly) {
  const auto& [format, c] = GetParam();
  const TCategoryMap map{{c.Old, u"Kept"}, {c.New, u"Kept"}};
  const TMapExport exported{map, {true, false}, {{3, {u"Oak", u"Tree <1>"}}}, "en", "de-DE"};
  const std::string bytes = formatMap(exported, format);
  const TMapParse parsed = parseMap(bytes, format, {"en", "de-DE"});
  ASSERT_FALSE(parsed.Error) << describeMapError(*parsed.Error) << "\n" << bytes;
  EXPECT_EQ(pairsOf(parsed), (TPairs{{c.Old, c.New}})) << bytes;
  EXPECT_TRUE(parsed.Skipped.empty());
  EXPECT_EQ(parsed.FuzzySkipped, 0u);
  EXPECT_GT(parsed.Lines.front().Line, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, XmlRoundTripTest,
    testing::Combine(
        testing::Values(TMapFormat::Tmx, TMapFormat::Xliff),
        testing::Values(TTextCase{"BlanksAtTheEnds", u"  Trees ", u" B\u00e4ume  "},
                        TTextCase{"LineBreaksAndTab", u"a\r\nb\rc\nd", u"\r\tx\r"},
                        TTextCase{"MarkupCharacters", u"&<>\"'", u"]]> &amp; <b>"},
                        TTextCase{"NonLatinLetters", u"\u0414\u0435\u0440\u0435\u0432\u044c\u044f",
                                  u"\u6728 \U0001F333 \u03b4\u03ad\u03bd\u03c4\u03c1\u03b1"},
                        TTextCase{"EmptyCategory", u"", u"Leer"})),
    [](const auto& aInfo) {
      return std::string(std::get<0>(aInfo.param) == TMapFormat::Tmx ? "Tmx" : "Xliff") +
             std::get<1>(aInfo.param).Name;
    });

TEST(XmlWriteTest, TextsXmlCannotCarryAreRefusedNamingThem) {
  const TCategoryMap map{{u"Ok", u"Bad\x01"}, {u"Fine", u"New"}};
  for (const TMapFormat format : {TMapFormat::Tmx, TMapFormat::Xliff}) {
    try {
      formatMap({map, {true, true}, {}, "en", "de"}, format);
      ADD_FAILURE() << "written";
    } catch (const TCatalogueRefusal& e) {
      EXPECT_NE(std::string(e.what()).find("\"Bad\\x01\""), std::string::npos) << e.what();
    }
  }
  EXPECT_THROW(formatTmxFile({map, {}, {}, "en", ""}), TCatalogueRefusal);
}

/// A PO map made by our own writer, with the entries converters treat
/// apart: a fuzzy one, an untranslated one, and the empty category.
std::string sampleCatalogue() {
  const TCategoryMap map{{u"Trees", u"Water", u"", u" a\tb\r\n&<>\"' ", u"Rocks"},
                         {u"B\u00e4ume", u"", u"Leer", u" x\ry ", u""}};
  return formatPoFile({map, {true, false, true, true, false}, {{2, {u"Oak", u"Tree"}}}}) +
         "\n#, fuzzy\nmsgid \"Stones\"\nmsgstr \"Steine\"\n";
}

TEST(TranslateToolkitTest, ItsXliffAndTmxReadAsThePoTheyWereMadeFrom) {
  TTempDir dir;
  const std::string po = dir.File("map.po");
  writeText(po, sampleCatalogue());
  const TMapParse fromPo = parsePoFile(readText(po));
  ASSERT_FALSE(fromPo.Error);
  ASSERT_EQ(runProgram(PO2XLIFF_PROGRAM, {po, dir.File("map.xlf")}).ExitCode, 0);
  ASSERT_EQ(runProgram(PO2TMX_PROGRAM, {"-l", "de", po, dir.File("map.tmx")}).ExitCode, 0);

  const TMapParse fromXliff = parseXliffFile(readText(dir.File("map.xlf")));
  ASSERT_FALSE(fromXliff.Error) << describeMapError(*fromXliff.Error);
  EXPECT_EQ(pairsOf(fromXliff), pairsOf(fromPo));
  EXPECT_EQ(fromXliff.FuzzySkipped, fromPo.FuzzySkipped);
  EXPECT_TRUE(fromXliff.Skipped.empty());
  // A memory holds translations only: fuzzy entries are not in it.
  const TMapParse fromTmx = parseTmxFile(readText(dir.File("map.tmx")));
  ASSERT_FALSE(fromTmx.Error) << describeMapError(*fromTmx.Error);
  EXPECT_EQ(pairsOf(fromTmx), pairsOf(fromPo));
}

TEST(TranslateToolkitTest, ItsPoOfOurXliffReadsAsOurXliff) {
  TTempDir dir;
  const TCategoryMap map{{u"Trees", u"Water", u"", u" a\r\nb "},
                         {u"B\u00e4ume", u"W", u"Leer", u"\tc "}};
  const std::string xliff = formatXliffFile({map, {true, false, true, true}, {}, "en", "de"});
  writeText(dir.File("map.xlf"), xliff);
  ASSERT_EQ(runProgram(XLIFF2PO_PROGRAM, {dir.File("map.xlf"), dir.File("map.po")}).ExitCode, 0);
  const TMapParse fromPo = parsePoFile(readText(dir.File("map.po")));
  ASSERT_FALSE(fromPo.Error) << fromPo.Error->Reason;
  EXPECT_EQ(fromPo.FuzzySkipped, 0u);
  EXPECT_EQ(pairsOf(fromPo), pairsOf(parseXliffFile(xliff)));
}

constexpr const char* kTmxHead =
    "<?xml version=\"1.0\"?>\n<tmx version=\"1.4\"><header srclang=\"en\"/><body>\n";

std::string unit(const char* aSource, const char* aTarget, const char* aTargetLanguage = "de") {
  return "<tu><tuv xml:lang=\"en\"><seg>"s + aSource + "</seg></tuv>" +
         (aTarget ? "<tuv xml:lang=\""s + aTargetLanguage + "\"><seg>" + aTarget + "</seg></tuv>"
                  : "") +
         "</tu>\n";
}

struct TFaultCase {
  const char* Name;
  TMapFormat Format;
  std::string Bytes;
  TMapError::TKind Kind;
  int Line;
};

void PrintTo(const TFaultCase& aCase, std::ostream* aOut) { *aOut << aCase.Name; }

class XmlFaultTest : public testing::TestWithParam<TFaultCase> {};

TEST_P(XmlFaultTest, IsRefusedWithItsLineAndReason) {
  const TFaultCase& c = GetParam();
  const TMapParse parsed = parseMap(c.Bytes, c.Format);
  ASSERT_TRUE(parsed.Error);
  EXPECT_EQ(parsed.Error->Kind, c.Kind) << describeMapError(*parsed.Error);
  EXPECT_EQ(parsed.Error->Line, c.Line) << describeMapError(*parsed.Error);
  EXPECT_FALSE(describeMapError(*parsed.Error).empty());
  EXPECT_TRUE(parsed.Lines.empty());
}

std::string deepNesting(int aDepth) {
  std::string out = "<xliff>";
  for (int i = 0; i < aDepth; ++i) out += "<g>";
  return out;
}

const std::string kLaughs =
    "<?xml version=\"1.0\"?>\n<!DOCTYPE xliff [\n<!ENTITY a \"aaaaaaaaaa\">\n"
    "<!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">\n<!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;\">\n]>\n"
    "<xliff><file><body><trans-unit><source>&c;</source><target>x</target></trans-unit>"
    "</body></file></xliff>";

INSTANTIATE_TEST_SUITE_P(
    Documents, XmlFaultTest,
    testing::Values(
        TFaultCase{"UnclosedElement", TMapFormat::Xliff, "<xliff>\n<file>\n</xliff>",
                   TMapError::TKind::MalformedXml, 3},
        TFaultCase{"Empty", TMapFormat::Tmx, "", TMapError::TKind::MalformedXml, 0},
        TFaultCase{"AnotherRoot", TMapFormat::Tmx, "<?xml version=\"1.0\"?>\n\n<xliff/>",
                   TMapError::TKind::WrongRoot, 3},
        TFaultCase{"BillionLaughs", TMapFormat::Xliff, kLaughs, TMapError::TKind::EntityDeclaration,
                   3},
        TFaultCase{"UndeclaredEntityBesideAnUnreadDtd", TMapFormat::Tmx,
                   "<!DOCTYPE tmx SYSTEM \"tmx14.dtd\">\n<tmx>&x;</tmx>",
                   TMapError::TKind::UndefinedEntity, 2},
        TFaultCase{"NestedHundredThousandDeep", TMapFormat::Xliff, deepNesting(100000),
                   TMapError::TKind::TooDeep, 1},
        TFaultCase{"UnitWithoutSource", TMapFormat::Xliff,
                   "<xliff><file><body>\n<trans-unit><target>x</target></trans-unit>"
                   "</body></file></xliff>",
                   TMapError::TKind::MissingElement, 2},
        TFaultCase{"TmxSourceAbsent", TMapFormat::Tmx,
                   "<tmx><header srclang=\"fr\"/><body>" + unit("a", "b") + "</body></tmx>",
                   TMapError::TKind::LanguageAbsent, 0},
        TFaultCase{"TmxTargetsToChooseFrom", TMapFormat::Tmx,
                   kTmxHead + unit("a", "b") + unit("c", "d", "pl") + "</body></tmx>",
                   TMapError::TKind::LanguageAmbiguous, 0}),
    [](const auto& aInfo) { return std::string(aInfo.param.Name); });

TEST(XmlSafetyTest, AnExternalEntityIsNeverRead) {
  TTempDir dir;
  writeText(dir.File("secret.txt"), "SECRET-TEXT");
  const std::string bytes =
      "<?xml version=\"1.0\"?>\n<!DOCTYPE xliff [<!ENTITY s SYSTEM \"file://" +
      dir.File("secret.txt") +
      "\">]>\n<xliff><file><body><trans-unit><source>a</source>"
      "<target>&s;</target></trans-unit></body></file></xliff>";
  const TMapParse parsed = parseXliffFile(bytes);
  ASSERT_TRUE(parsed.Error);
  EXPECT_EQ(parsed.Error->Kind, TMapError::TKind::EntityDeclaration);
  EXPECT_EQ(describeMapError(*parsed.Error).find("SECRET"), std::string::npos);
}

TEST(TmxLanguagesTest, OfferedInOrderOfFirstAppearanceAndChosenByTag) {
  const std::string memory = kTmxHead + unit("Trees", "Drzewa", "pl-PL") +
                             unit("Trees", "Arbres", "FR") + unit("Roads", nullptr) +
                             unit("Cars", "Autos", "de-DE") + "</body></tmx>";
  const TLanguageOffer offer = tmxLanguages(memory);
  EXPECT_EQ(offer.HeaderSource, "en");
  EXPECT_EQ(offer.Languages, (std::vector<std::string>{"en", "pl-PL", "FR", "de-DE"}));
  EXPECT_EQ(pairsOf(parseTmxFile(memory, {"", "pl"})), (TPairs{{u"Trees", u"Drzewa"}}));
  EXPECT_EQ(pairsOf(parseTmxFile(memory, {"EN", "fr"})), (TPairs{{u"Trees", u"Arbres"}}));
  const TMapParse german = parseTmxFile(memory, {"", "de"});
  EXPECT_EQ(pairsOf(german), (TPairs{{u"Cars", u"Autos"}}));
  // Units without German: two of other languages, one of none.
  ASSERT_EQ(german.Skipped.size(), 3u);
  EXPECT_EQ(german.Skipped[2].Reason, TMapSkip::TReason::MissingTarget);
  EXPECT_EQ(german.Skipped[2].Line, 5);
  const TMapParse absent = parseTmxFile(memory, {"", "it"});
  ASSERT_TRUE(absent.Error);
  EXPECT_EQ(describeMapError(*absent.Error),
            "the target language it is not in it: the memory holds en, pl-PL, FR, de-DE; choose "
            "one with --target-language");
}

struct TSkipCase {
  const char* Name;
  TMapFormat Format;
  std::string Bytes;
  TPairs Applied;
  std::size_t Fuzzy;
  std::vector<std::pair<TMapSkip::TReason, int>> Skipped;
};

void PrintTo(const TSkipCase& aCase, std::ostream* aOut) { *aOut << aCase.Name; }

class XmlSkipTest : public testing::TestWithParam<TSkipCase> {};

TEST_P(XmlSkipTest, PassesOverWhatIsNoTranslation) {
  const TSkipCase& c = GetParam();
  const TMapParse parsed = parseMap(c.Bytes, c.Format);
  ASSERT_FALSE(parsed.Error) << describeMapError(*parsed.Error);
  EXPECT_EQ(pairsOf(parsed), c.Applied);
  EXPECT_EQ(parsed.FuzzySkipped, c.Fuzzy);
  std::vector<std::pair<TMapSkip::TReason, int>> skipped;
  for (const TMapSkip& skip : parsed.Skipped) skipped.emplace_back(skip.Reason, skip.Line);
  EXPECT_EQ(skipped, c.Skipped);
}

std::string xliffOf(const std::string& aUnits) {
  return "<xliff xmlns=\"urn:oasis:names:tc:xliff:document:1.2\" version=\"1.2\"><file><body>\n" +
         aUnits + "</body></file></xliff>";
}

INSTANTIATE_TEST_SUITE_P(
    Units, XmlSkipTest,
    testing::Values(
        TSkipCase{"XliffUnitWithoutTarget",
                  TMapFormat::Xliff,
                  xliffOf("<trans-unit><source>a</source></trans-unit>\n"
                          "<group><trans-unit><source>b</source><target>c</target></trans-unit>"
                          "</group>\n"),
                  {{u"b", u"c"}},
                  0,
                  {{TMapSkip::TReason::MissingTarget, 2}}},
        TSkipCase{"XliffStatesThatAreNotFinal",
                  TMapFormat::Xliff,
                  xliffOf("<trans-unit><source>a</source><target state=\"needs-review-l10n\">x"
                          "</target></trans-unit><trans-unit><source>b</source><target/>"
                          "</trans-unit><trans-unit><source>c</source><target state=\"final\">z"
                          "</target></trans-unit>"),
                  {{u"c", u"z"}},
                  1,
                  {}},
        TSkipCase{"XliffSpansKeptCodesSkipped",
                  TMapFormat::Xliff,
                  xliffOf("<trans-unit><source>a<g id=\"1\">b</g></source><target>c<mrk>d"
                          "</mrk></target></trans-unit>\n<trans-unit><source>e<x id=\"1\"/>"
                          "</source><target>f</target></trans-unit>"),
                  {{u"ab", u"cd"}},
                  0,
                  {{TMapSkip::TReason::InlineCode, 3}}},
        TSkipCase{"TmxHighlightKeptPlaceholderSkipped",
                  TMapFormat::Tmx,
                  kTmxHead + unit("a<hi>b</hi>", "c") + unit("d", "<ph>{b}</ph>e") +
                      "<tu><tuv lang=\"EN\"><seg>f</seg></tuv><tuv lang=\"de\"><seg>g</seg></tuv>"
                      "</tu>" +
                      unit("h", "") + "</body></tmx>",
                  {{u"ab", u"c"}, {u"f", u"g"}},
                  0,
                  {{TMapSkip::TReason::InlineCode, 4}}}),
    [](const auto& aInfo) { return std::string(aInfo.param.Name); });

}  // namespace
