// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the real zbl program on libraries built byte by byte in a temporary
// directory.
#include <gtest/gtest.h>

#include <fstream>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <numeric>
#include <sstream>

#include "ChildProcess.h"
#include "SampleItems.h"
#include "TempDir.h"
#include "TestDictionary.h"

namespace {

using namespace std::string_literals;
using TBytes = std::vector<std::uint8_t>;

TBytes asBytes(std::string_view aText) { return TBytes(aText.begin(), aText.end()); }

TChildResult runZbl(const std::vector<std::string>& aArgs) {
  return runProgram(ZBL_PROGRAM, aArgs);
}

int lineCount(const std::string& aText) {
  return static_cast<int>(std::count(aText.begin(), aText.end(), '\n'));
}

/// Five items whose names and categories need escaping, repeat a name, and
/// differ in letter case only; the header carries bytes a save must keep.
TSampleLibrary mixedLibrary() {
  TSampleLibrary library;
  library.Items = {
      sampleItem("b10", "Trees", 3, 1),
      sampleItem("b9", "B\xE4ume", 3, 2),
      sampleItem("a\tz", "Trees", 5, 3),
      sampleItem("b9", "trees", 4, 4),
      sampleItem("back\\slash\n", "Line\r\nEnd", 0, 5),
  };
  std::copy_n("\x01\x02\x03\x04\x05", 5, library.ContentsTail);
  library.ThemeCount = 99;
  return library;
}

/// The item's bytes with a new category stored the way a library stores it:
/// the length byte and the new bytes, the rest of the field left alone.
TBytes withCategory(const TSampleItem& aItem, std::string_view aCategory) {
  TBytes bytes = buildSampleItem(aItem);
  bytes[67] = static_cast<std::uint8_t>(aCategory.size());
  std::copy(aCategory.begin(), aCategory.end(), bytes.begin() + 68);
  return bytes;
}

void appendRecord(TBytes& aOut, const TBytes& aItem) {
  auto size = static_cast<std::uint64_t>(aItem.size());
  for (int i = 0; i < 8; ++i) aOut.push_back(static_cast<std::uint8_t>(size >> (8 * i)));
  aOut.insert(aOut.end(), aItem.begin(), aItem.end());
}

/// The header as read with both counts set the way a save sets them.
TBytes savedHeader(const TSampleLibrary& aLibrary, std::int32_t aThemeCount) {
  TSampleLibrary header = aLibrary;
  header.Items.clear();
  header.ThemeCount = aThemeCount;
  header.ObjectCount = static_cast<std::int32_t>(aLibrary.Items.size());
  return buildSampleLibrary(header);
}

class ZblProgramTest : public testing::Test {
 protected:
  std::string Path(const std::string& aName) const { return mDir.File(aName); }

  std::string WriteLibrary(const std::string& aName, const TSampleLibrary& aLibrary) const {
    writeBytesToFile(Path(aName), buildSampleLibrary(aLibrary));
    return Path(aName);
  }

  std::string WriteMap(const std::string& aText) const {
    writeBytesToFile(Path("map.tsv"), asBytes(aText));
    return Path("map.tsv");
  }

  /// Asserts one failure line that names aFile.
  static void ExpectFailure(const TChildResult& aRun, const std::string& aFile) {
    EXPECT_EQ(aRun.ExitCode, 1);
    EXPECT_EQ(lineCount(aRun.Err), 1) << aRun.Err;
    EXPECT_TRUE(aRun.Err.starts_with("zbl: " + aFile + ": ")) << aRun.Err;
  }

  TTempDir mDir;
};

struct TListingCase {
  const char* Name;
  std::string Command;
  std::string Expected;
};

void PrintTo(const TListingCase& aCase, std::ostream* aOut) { *aOut << aCase.Name; }

class ZblListingTest : public ZblProgramTest, public testing::WithParamInterface<TListingCase> {};

TEST_P(ZblListingTest, ListsTheLibrary) {
  const std::string library = WriteLibrary("in.zbl", mixedLibrary());
  const TChildResult run = runZbl({GetParam().Command, library});
  EXPECT_EQ(run.ExitCode, 0);
  EXPECT_EQ(run.Out, GetParam().Expected);
  EXPECT_EQ(run.Err, "");
}

INSTANTIATE_TEST_SUITE_P(
    Commands, ZblListingTest,
    testing::Values(TListingCase{"Categories", "categories",
                                 "2\tTrees\n1\tB\xC3\xA4ume\n1\ttrees\n1\tLine\\r\\nEnd\n"},
                    TListingCase{"Items", "items",
                                 "b10\tTrees\nb9\tB\xC3\xA4ume\na\\tz\tTrees\nb9\ttrees\n"
                                 "back\\\\slash\\n\tLine\\r\\nEnd\n"},
                    TListingCase{"Map", "map",
                                 "Trees\tTrees\nB\xC3\xA4ume\tB\xC3\xA4ume\ntrees\ttrees\n"
                                 "Line\\r\\nEnd\tLine\\r\\nEnd\n"}),
    [](const auto& info) { return info.param.Name; });

// Trees and Bäume swap, so a category translated twice would show; trees is
// not named and stays; the last line names no category.
const std::string kSwapMap =
    "\xEF\xBB\xBFTrees\tB\xC3\xA4ume\r\nB\xC3\xA4ume\tTrees\r\nLine\\r\\nEnd\tLE\r\nGhost\tX\r\n";

TBytes expectedSwapOutput() {
  const TSampleLibrary library = mixedLibrary();
  const auto& items = library.Items;
  TBytes out = savedHeader(library, 4);
  // Natural order: "a\tz" (the tab is skipped), the two "b9" in file order,
  // "b10", then "back..." because '1' sorts before 'a'.
  appendRecord(out, withCategory(items[2], "B\xE4ume"));
  appendRecord(out, withCategory(items[1], "Trees"));
  appendRecord(out, withCategory(items[3], "trees"));
  appendRecord(out, withCategory(items[0], "B\xE4ume"));
  appendRecord(out, withCategory(items[4], "LE"));
  return out;
}

TEST_F(ZblProgramTest, TranslateWritesSortedTranslatedItems) {
  const std::string in = WriteLibrary("in.zbl", mixedLibrary());
  const std::string map = WriteMap(kSwapMap);
  const TChildResult run = runZbl({"translate", in, Path("out.zbl"), "--map", map});
  EXPECT_EQ(run.ExitCode, 0);
  EXPECT_EQ(run.Err, "zbl: " + map + ":4: warning: \"Ghost\" is not a category of " + in + "\n");
  EXPECT_EQ(readFileBytes(Path("out.zbl")), expectedSwapOutput());

  const TChildResult back = runZbl({"items", Path("out.zbl")});
  EXPECT_EQ(back.Out,
            "a\\tz\tB\xC3\xA4ume\nb9\tTrees\nb9\ttrees\nb10\tB\xC3\xA4ume\n"
            "back\\\\slash\\n\tLE\n");
}

TEST_F(ZblProgramTest, TranslateMayReplaceItsInput) {
  const std::string in = WriteLibrary("in.zbl", mixedLibrary());
  const TChildResult run = runZbl({"translate", in, in, "--map", WriteMap(kSwapMap)});
  EXPECT_EQ(run.ExitCode, 0);
  EXPECT_EQ(readFileBytes(in), expectedSwapOutput());
}

TEST_F(ZblProgramTest, TranslateWithoutMapOnlySorts) {
  TSampleLibrary library = mixedLibrary();
  library.Items.pop_back();  // keep every category non-empty and unescaped
  const std::string in = WriteLibrary("in.zbl", library);
  const TChildResult run = runZbl({"translate", in, Path("out.zbl")});
  EXPECT_EQ(run.ExitCode, 0);
  EXPECT_EQ(run.Err, "");  // no bar: standard error is not a terminal
  TBytes expected = savedHeader(library, 3);
  for (const std::size_t i : {2, 1, 3, 0})
    appendRecord(expected, buildSampleItem(library.Items[i]));
  EXPECT_EQ(readFileBytes(Path("out.zbl")), expected);
}

TEST_F(ZblProgramTest, EmptyLibraryTranslatesToItsHeader) {
  const std::string in = WriteLibrary("empty.zbl", {});
  EXPECT_EQ(runZbl({"categories", in}).Out, "");
  ASSERT_EQ(runZbl({"translate", in, Path("out.zbl")}).ExitCode, 0);
  EXPECT_EQ(readFileBytes(Path("out.zbl")), savedHeader({}, 0));
}

struct TMapFaultCase {
  const char* Name;
  std::string Map;
  int Line;
  std::string Reason;
};

void PrintTo(const TMapFaultCase& aCase, std::ostream* aOut) { *aOut << aCase.Name; }

class ZblMapFaultTest : public ZblProgramTest, public testing::WithParamInterface<TMapFaultCase> {};

TEST_P(ZblMapFaultTest, RefusesAndLeavesTheOutputAlone) {
  const std::string in = WriteLibrary("in.zbl", mixedLibrary());
  const std::string map = WriteMap(GetParam().Map);
  const std::string out = Path("out.zbl");
  const std::string expectedErr =
      "zbl: " + map + ":" + std::to_string(GetParam().Line) + ": " + GetParam().Reason + "\n";

  TChildResult run = runZbl({"translate", in, out, "--map", map});
  EXPECT_EQ(run.ExitCode, 1);
  EXPECT_EQ(run.Err, expectedErr);
  EXPECT_FALSE(std::filesystem::exists(out));

  writeBytesToFile(out, asBytes("previous contents"));
  run = runZbl({"translate", in, out, "--map", map});
  EXPECT_EQ(run.ExitCode, 1);
  EXPECT_EQ(readFileBytes(out), asBytes("previous contents"));

  const TBytes before = readFileBytes(in);
  run = runZbl({"translate", in, in, "--map", map});
  EXPECT_EQ(run.ExitCode, 1);
  EXPECT_EQ(readFileBytes(in), before);
}

INSTANTIATE_TEST_SUITE_P(
    Maps, ZblMapFaultTest,
    testing::Values(TMapFaultCase{"EmptyNewText", "Trees\tBaum\ntrees\t\n", 2,
                                  "Sorry - There is an empty category!"},
                    TMapFaultCase{"DuplicateOld", "Trees\tA\ntrees\tB\nTrees\tC\n", 3,
                                  "old text already mapped on line 1"},
                    TMapFaultCase{"NoTab", "Trees\tA\r\nGhost\r\n", 2,
                                  "expected old text, one tab, new text; found 0 tabs"},
                    TMapFaultCase{"UnclosedQuote", "Trees\tA\n\"trees\tB\n", 2,
                                  "the quoted field that begins here has no closing quote"},
                    TMapFaultCase{"InvalidUtf8", "Trees\tA\ntrees\tB\xE4ume\n", 2,
                                  "not valid UTF-8; save the map as UTF-8 text (or as UTF-16 "
                                  "\"Unicode Text\")"},
                    TMapFaultCase{"BadEscape", "Trees\tA\\x\n", 1,
                                  "invalid escape \"\\x\" (only \\\\ \\t \\n \\r are allowed)"}),
    [](const auto& info) { return info.param.Name; });

// Entries of which none is a category are almost surely another library's
// map; an empty map still only sorts.
TEST_F(ZblProgramTest, MapNamingNoCategoryIsRefused) {
  const std::string in = WriteLibrary("in.zbl", mixedLibrary());
  const std::string out = Path("out.zbl");
  const TChildResult run =
      runZbl({"translate", in, out, "--map", WriteMap("Ghost\tA\nPhantom\tB\n")});
  ExpectFailure(run, Path("map.tsv"));
  EXPECT_NE(run.Err.find("none of its 2 entries is a category of " + in), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(out));
  EXPECT_EQ(runZbl({"translate", in, out, "--map", WriteMap("")}).ExitCode, 0);
}

// A catalogue goes through gettext's own tools as through a translator's,
// and translates exactly as the same texts in a tab-separated map do.
TEST_F(ZblProgramTest, CatalogueRoundTripThroughGettextTools) {
  const std::string sample = ZBL_EXAMPLES_DIR "/sample.zbl";
  const TChildResult exported = runZbl({"map", sample, "--format", "po"});
  ASSERT_EQ(exported.ExitCode, 0) << exported.Err;
  writeBytesToFile(Path("s.po"), asBytes(exported.Out));
  ASSERT_EQ(runZbl({"map", sample, Path("file.PO")}).ExitCode, 0);
  EXPECT_EQ(readFileBytes(Path("file.PO")), asBytes(exported.Out));

  const TChildResult check =
      runProgram("/usr/bin/msgfmt", {"--check", "-o", "/dev/null", Path("s.po")});
  ASSERT_EQ(check.ExitCode, 0) << check.Err;
  ASSERT_EQ(runProgram("/usr/bin/msgen", {"-o", Path("en.po"), Path("s.po")}).ExitCode, 0);
  ASSERT_EQ(runProgram("/usr/bin/msgfilter",
                       {"-i", Path("en.po"), "-o", Path("t.po"), "/bin/sed", "-e", "s/^/X /"})
                .ExitCode,
            0);
  const TChildResult viaPo = runZbl({"translate", sample, Path("po.zbl"), "--map", Path("t.po")});
  ASSERT_EQ(viaPo.ExitCode, 0) << viaPo.Err;

  std::string tsv;
  std::istringstream lines(runZbl({"map", sample}).Out);
  for (std::string line; std::getline(lines, line);)
    tsv += line.substr(0, line.find('\t')) + "\tX " + line.substr(line.find('\t') + 1) + "\n";
  ASSERT_EQ(runZbl({"translate", sample, Path("tsv.zbl"), "--map", WriteMap(tsv)}).ExitCode, 0);
  EXPECT_EQ(readFileBytes(Path("po.zbl")), readFileBytes(Path("tsv.zbl")));
  EXPECT_NE(readFileBytes(Path("po.zbl")), readFileBytes(sample));
}

TEST_F(ZblProgramTest, FuzzyCatalogueEntriesAreNotAppliedAndCounted) {
  const std::string in = WriteLibrary("in.zbl", mixedLibrary());
  writeBytesToFile(Path("m.po"), asBytes("#, fuzzy\nmsgid \"Trees\"\nmsgstr \"A\"\n\n"
                                         "msgid \"trees\"\nmsgstr \"B\"\n"));
  const TChildResult run = runZbl({"translate", in, Path("out.zbl"), "--map", Path("m.po")});
  EXPECT_EQ(run.ExitCode, 0);
  EXPECT_EQ(run.Err, "zbl: " + Path("m.po") + ": warning: 1 fuzzy entry was not applied\n");
  EXPECT_EQ(runZbl({"categories", Path("out.zbl")}).Out.find("\tA\n"), std::string::npos);
}

/// A category that a catalogue cannot hold, and how the catalogue is asked
/// for: an empty Target asks for it on standard output.
struct TUnwritableCase {
  const char* Name;
  std::string Category;
  std::string Target;
  std::vector<std::string> Format;
  std::string Escaped;
};

void PrintTo(const TUnwritableCase& aCase, std::ostream* aOut) { *aOut << aCase.Name; }

class ZblUnwritableTest : public ZblProgramTest,
                          public testing::WithParamInterface<TUnwritableCase> {};

TEST_P(ZblUnwritableTest, CatalogueIsRefusedAndTheTargetLeftAlone) {
  const TUnwritableCase& c = GetParam();
  TSampleLibrary library;
  library.Items = {sampleItem("Oak", "Trees"), sampleItem("b", c.Category)};
  const std::string in = WriteLibrary("in.zbl", library);
  std::vector<std::string> args = {"map", in};
  if (!c.Target.empty()) {
    writeBytesToFile(Path(c.Target), asBytes("previous contents"));
    args.push_back(Path(c.Target));
  }
  args.insert(args.end(), c.Format.begin(), c.Format.end());
  const TChildResult run = runZbl(args);
  ExpectFailure(run, c.Target.empty() ? "standard output" : Path(c.Target));
  EXPECT_NE(run.Err.find("category \"" + c.Escaped + "\" holds"), std::string::npos) << run.Err;
  EXPECT_EQ(run.Out, "");
  if (!c.Target.empty()) {
    EXPECT_EQ(readFileBytes(Path(c.Target)), asBytes("previous contents"));
  }
  // The tab-separated map keeps the category.
  EXPECT_EQ(runZbl({"map", in, Path("kept.tsv")}).ExitCode, 0);
  const TBytes kept = readFileBytes(Path("kept.tsv"));
  const std::string row = c.Category + '\t' + c.Category + '\t';
  EXPECT_NE(std::search(kept.begin(), kept.end(), row.begin(), row.end()), kept.end());
}

INSTANTIATE_TEST_SUITE_P(
    Categories, ZblUnwritableTest,
    testing::Values(TUnwritableCase{"NulByTheName", "a\0b"s, "x.po", {}, "a\\x00b"},
                    TUnwritableCase{"EotByTheFormat", "\x04", "x.map", {"--format", "po"}, "\\x04"},
                    TUnwritableCase{"NulToStandardOutput", "\0"s, "", {"--format", "po"}, "\\x00"}),
    [](const auto& info) { return info.param.Name; });

// Entries that cannot be applied are named with their lines; the rest apply.
TEST_F(ZblProgramTest, PluralAndNulEscapeEntriesAreWarnedOfWithTheirLines) {
  const std::string in = WriteLibrary("in.zbl", mixedLibrary());
  writeBytesToFile(Path("m.po"),
                   asBytes("msgid \"Trees\"\nmsgid_plural \"Trees\"\nmsgstr[0] \"A\"\n\n"
                           "msgid \"trees\"\nmsgstr \"B\\0C\"\n\nmsgid \"Line\\r\\nEnd\"\n"
                           "msgstr \"D\"\n"));
  const TChildResult run = runZbl({"translate", in, Path("out.zbl"), "--map", Path("m.po")});
  EXPECT_EQ(run.ExitCode, 0);
  EXPECT_EQ(run.Err, "zbl: " + Path("m.po") +
                         ":1: warning: the plural entry \"Trees\" was not applied: a category has "
                         "no plural forms\nzbl: " +
                         Path("m.po") +
                         ":5: warning: the entry \"trees\" was not applied: it holds a NUL "
                         "escape, which ends a text in a catalogue (a tab-separated map can hold "
                         "a NUL)\n");
  const std::string categories = runZbl({"categories", Path("out.zbl")}).Out;
  EXPECT_NE(categories.find("\tD\n"), std::string::npos) << categories;
  EXPECT_EQ(categories.find("\tB\n"), std::string::npos) << categories;
}

TEST_F(ZblProgramTest, EmptyCategoryNeedsANewText) {
  TSampleLibrary library;
  library.Items = {sampleItem("n", "", 0), sampleItem("m", "Cars", 0)};
  const std::string in = WriteLibrary("in.zbl", library);
  const std::string out = Path("out.zbl");

  const TChildResult refused = runZbl({"translate", in, out});
  ExpectFailure(refused, in);
  EXPECT_TRUE(refused.Err.ends_with(": Sorry - There is an empty category!\n"));
  EXPECT_FALSE(std::filesystem::exists(out));

  EXPECT_EQ(runZbl({"map", in}).Out, "\t\nCars\tCars\n");
  // Written to a file, the map also says what each category holds; standard
  // output keeps its two columns for scripts.
  ASSERT_EQ(runZbl({"map", in, Path("m.tsv")}).ExitCode, 0);
  EXPECT_EQ(readFileBytes(Path("m.tsv")), asBytes("\t\t1 item: n\nCars\tCars\t1 item: m\n"));
  ASSERT_EQ(runZbl({"translate", in, out, "--map", WriteMap("\tNamed\n")}).ExitCode, 0);
  EXPECT_EQ(runZbl({"categories", out}).Out, "1\tCars\n1\tNamed\n");
}

TEST_F(ZblProgramTest, DamagedLibraryIsListedAsFarAsReadAndNotTranslated) {
  TSampleLibrary library = mixedLibrary();
  library.Items[2].DeclaredSize = 100000;  // runs past the end of the file
  const std::string in = WriteLibrary("damaged.zbl", library);

  const TChildResult categories = runZbl({"categories", in});
  ExpectFailure(categories, in);
  EXPECT_NE(categories.Err.find("damaged"), std::string::npos) << categories.Err;
  EXPECT_EQ(categories.Out, "1\tTrees\n1\tB\xC3\xA4ume\n");

  const TChildResult items = runZbl({"items", in});
  ExpectFailure(items, in);
  EXPECT_EQ(items.Out, "b10\tTrees\nb9\tB\xC3\xA4ume\n");

  const std::string out = Path("out.zbl");
  writeBytesToFile(out, asBytes("previous contents"));
  const TChildResult translate = runZbl({"translate", in, out});
  ExpectFailure(translate, in);
  EXPECT_EQ(readFileBytes(out), asBytes("previous contents"));
}

// Translating would drop the bytes, so it refuses, whether OUT is another
// file or IN itself.
TEST_F(ZblProgramTest, BytesAfterTheLastItemAreNeverDroppedSilently) {
  TSampleLibrary library = mixedLibrary();
  library.Trailing = asBytes("tail");
  const std::string in = WriteLibrary("in.zbl", library);
  const TBytes before = readFileBytes(in);
  const std::string out = Path("out.zbl");
  for (const std::string& target : {out, in}) {
    const TChildResult translate = runZbl({"translate", in, target});
    EXPECT_EQ(translate.ExitCode, 1);
    EXPECT_EQ(translate.Err, "zbl: " + in +
                                 ": 4 bytes after the last item are not part of any item; "
                                 "translate would drop them\n");
  }
  EXPECT_FALSE(std::filesystem::exists(out));
  EXPECT_EQ(readFileBytes(in), before);
}

struct TUnreadableCase {
  const char* Name;
  /// The file's bytes; nothing for a file that does not exist, and a
  /// directory for "dir".
  std::optional<TBytes> Bytes;
  std::string Reason;
};

void PrintTo(const TUnreadableCase& aCase, std::ostream* aOut) { *aOut << aCase.Name; }

class ZblUnreadableTest : public ZblProgramTest,
                          public testing::WithParamInterface<TUnreadableCase> {};

TEST_P(ZblUnreadableTest, EveryCommandFailsNamingTheFile) {
  std::string file = Path("in.zbl");
  if (GetParam().Bytes) writeBytesToFile(file, *GetParam().Bytes);
  if (std::string(GetParam().Name) == "Directory") file = mDir.Path();
  if (std::string(GetParam().Name) == "FileWithTrailingSlash") file += "/";
  const std::string out = Path("out.zbl");
  for (const std::vector<std::string>& args :
       std::vector<std::vector<std::string>>{{"categories", file},
                                             {"items", file},
                                             {"map", file},
                                             {"translate", file, out},
                                             {"check", file}}) {
    const TChildResult run = runZbl(args);
    ExpectFailure(run, file);
    EXPECT_NE(run.Err.find(GetParam().Reason), std::string::npos) << run.Err;
    EXPECT_EQ(run.Out, "");
  }
  EXPECT_FALSE(std::filesystem::exists(out));
}

TBytes libraryBytes(std::int32_t aVersion, std::uint8_t aSignatureLength) {
  TSampleLibrary library = mixedLibrary();
  library.FileVersion = aVersion;
  library.SignatureLength = aSignatureLength;
  return buildSampleLibrary(library);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ZblUnreadableTest,
    testing::Values(TUnreadableCase{"Missing", std::nullopt, "No such file"},
                    TUnreadableCase{"Directory", std::nullopt, "cannot open"},
                    TUnreadableCase{"FileWithTrailingSlash", libraryBytes(1, 6),
                                    "cannot open: Not a directory"},
                    TUnreadableCase{"ShorterThanHeader", asBytes("\x06ZmbLib"), "not a library"},
                    TUnreadableCase{"WrongVersion", libraryBytes(2, 6), "not a library"},
                    TUnreadableCase{"LongSignature", libraryBytes(1, 7), "not a library"}),
    [](const auto& info) { return info.param.Name; });

// A message is one line of UTF-8 whatever a name holds, and names that
// differ read differently.
TEST_F(ZblProgramTest, FileNamesAreEscapedInMessages) {
  const struct {
    const char* Name;
    std::string File;
    std::string Shown;
  } cases[] = {
      {"control characters", "two\nlines\x01.zbl", "two\\nlines\\x01.zbl"},
      {"a backslash and an n", "two\\nlines.zbl", "two\\\\nlines.zbl"},
      {"a byte of no UTF-8", "caf\xE9.zbl", "caf\\xe9.zbl"},
  };
  for (const auto& c : cases) {
    const TChildResult run = runZbl({"categories", Path(c.File)});
    EXPECT_EQ(run.ExitCode, 1) << c.Name;
    EXPECT_EQ(run.Err, "zbl: " + Path(c.Shown) + ": cannot open: No such file or directory\n")
        << c.Name;
  }
}

TEST_F(ZblProgramTest, ALongTextIsCutInAWarning) {
  const std::string in = WriteLibrary("in.zbl", mixedLibrary());
  const std::string map = Path("map.tsv");
  std::ofstream(map) << "Trees\tWald\n" << std::string(10000, 'x') << "\ty\n";
  const TChildResult run = runZbl({"translate", in, Path("out.zbl"), "--map", map});
  EXPECT_EQ(run.ExitCode, 0);
  EXPECT_EQ(run.Err, "zbl: " + map + ":2: warning: \"" + std::string(200, 'x') +
                         "\u2026\" (10000 characters) is not a category of " + in + "\n");
}

TEST_F(ZblProgramTest, MissingMapFailsNamingTheMap) {
  const std::string in = WriteLibrary("in.zbl", mixedLibrary());
  const TChildResult run = runZbl({"translate", in, Path("out.zbl"), "--map", Path("nomap.tsv")});
  ExpectFailure(run, Path("nomap.tsv"));
  EXPECT_FALSE(std::filesystem::exists(Path("out.zbl")));
}

TEST_F(ZblProgramTest, UnwritableOutputFailsNamingIt) {
  const std::string in = WriteLibrary("in.zbl", mixedLibrary());
  const std::string out = Path("no/such/dir/out.zbl");
  ExpectFailure(runZbl({"translate", in, out}), out);
}

TEST_F(ZblProgramTest, UsageHelpAndVersionGoWhereToolsPutThem) {
  const std::string usage = "usage: zbl categories FILE\n";
  const struct {
    std::vector<std::string> Args;
    int ExitCode;
    std::string OutStart;
    std::string ErrStart;
  } cases[] = {
      {{}, 2, "", usage},
      {{"list", "x"}, 2, "", usage},
      {{"translate", "x"}, 2, "", usage},
      {{"check", "x", "--language"}, 2, "", usage},
      {{"--help"}, 0, usage, ""},
      {{"-h"}, 0, usage, ""},
      {{"--version"}, 0, "zbl " ZBL_VERSION "\n", ""},
  };
  for (const auto& c : cases) {
    const TChildResult run = runZbl(c.Args);
    EXPECT_EQ(run.ExitCode, c.ExitCode) << testing::PrintToString(c.Args);
    EXPECT_TRUE(run.Out.starts_with(c.OutStart) && run.Out.empty() == c.OutStart.empty())
        << run.Out;
    EXPECT_TRUE(run.Err.starts_with(c.ErrStart) && run.Err.empty() == c.ErrStart.empty())
        << run.Err;
  }
}

// Output that cannot be written fails with a message, and a file-size limit
// is a failed write like any other, not a signal that kills the program.
TEST_F(ZblProgramTest, WritesTheSystemRefusesFailWithAMessage) {
  const std::string in = WriteLibrary("in.zbl", mixedLibrary());
  const std::string out = Path("out.zbl");
  ASSERT_TRUE(std::filesystem::copy_file(in, out));
  const std::string zbl = ZBL_PROGRAM;
  const struct {
    const char* Name;
    std::string Shell;
    std::string Err;
  } cases[] = {
      {"help to a full device", "exec " + zbl + " --help > /dev/full",
       "zbl: standard output: cannot write\n"},
      {"version to a full device", "exec " + zbl + " --version > /dev/full",
       "zbl: standard output: cannot write\n"},
      {"a save past the file-size limit", "ulimit -f 0; exec " + zbl + " translate " + in + " " + out,
       "zbl: " + out + ": cannot save: File too large\n"},
  };
  for (const auto& c : cases) {
    const TChildResult run = runProgram("/bin/sh", {"-c", c.Shell});
    EXPECT_EQ(run.Signal, 0) << c.Name;
    EXPECT_EQ(run.ExitCode, 1) << c.Name;
    EXPECT_EQ(run.Err, c.Err) << c.Name;
  }
  EXPECT_EQ(readFileBytes(out), readFileBytes(in));
}

// The cheap checks come first: a file that is no library is told from its
// first bytes, and a target that cannot be saved to or a broken map before
// the library is read, so none holds a gigabyte of memory; a map is never
// written over a library.
TEST_F(ZblProgramTest, CheapChecksComeFirstAndAMapNeverReplacesALibrary) {
  const std::string in = WriteLibrary("in.zbl", mixedLibrary());
  const std::string other = WriteLibrary("other.zbl", mixedLibrary());
  const std::string huge = Path("huge.zbl");
  const std::string noLibrary = Path("zeros.bin");
  // A gigabyte that starts as a library does, and one of zeros; both sparse.
  std::filesystem::copy_file(in, huge);
  std::filesystem::resize_file(huge, 1ull << 30);
  std::ofstream(noLibrary).close();
  std::filesystem::resize_file(noLibrary, 1ull << 30);
  std::ofstream(Path("broken.tsv")) << "abcde";
  std::filesystem::create_symlink(in, Path("link.zbl"));
  const TBytes before = readFileBytes(in);
  const struct {
    const char* Name;
    std::vector<std::string> Args;
    std::string Err;
  } cases[] = {
      {"a gigabyte that is no library", {"categories", noLibrary},
       "zbl: " + noLibrary + ": not a library (too short, or wrong signature or version)\n"},
      {"a broken map with a gigabyte library",
       {"translate", huge, Path("out.zbl"), "--map", Path("broken.tsv")},
       "zbl: " + Path("broken.tsv") + ":1: expected old text, one tab, new text; found 0 tabs\n"},
      {"a gigabyte library translated into no folder", {"translate", huge, Path("no/out.zbl")},
       "zbl: " + Path("no/out.zbl") + ": cannot save: No such file or directory\n"},
      {"a map over its own library", {"map", in, in},
       "zbl: " + in + ": cannot save: it is a library; a map is never written over one\n"},
      {"a map over a link to its library", {"map", in, Path("link.zbl")},
       "zbl: " + Path("link.zbl") + ": cannot save: it is a library; a map is never written over one\n"},
      {"a map over another library", {"map", in, other},
       "zbl: " + other + ": cannot save: it is a library; a map is never written over one\n"},
  };
  for (const auto& c : cases) {
    TChildLimits limits;
    limits.AddressSpaceHeadroom = 50u << 20;
    const TChildResult run = runProgram(ZBL_PROGRAM, c.Args, limits);
    EXPECT_EQ(run.ExitCode, 1) << c.Name;
    EXPECT_EQ(run.Err, c.Err) << c.Name;
  }
  EXPECT_EQ(readFileBytes(in), before);
  EXPECT_EQ(readFileBytes(other), before);
  EXPECT_FALSE(std::filesystem::exists(Path("out.zbl")));
}

TEST_F(ZblProgramTest, ShippedSampleShowsWhatItPromises) {
  const std::string sample = ZBL_EXAMPLES_DIR "/sample.zbl";
  const TChildResult categories = runZbl({"categories", sample});
  ASSERT_EQ(categories.ExitCode, 0);
  EXPECT_EQ(lineCount(categories.Out), 6);
  std::istringstream lines(categories.Out);
  int total = 0;
  for (std::string line; std::getline(lines, line);) total += std::stoi(line);
  EXPECT_EQ(total, 30);
  EXPECT_NE(categories.Out.find("\tB\xC3\xA4ume\n"), std::string::npos);

  ASSERT_EQ(runZbl({"translate", sample, Path("sorted.zbl")}).ExitCode, 0);
  const std::string items = runZbl({"items", Path("sorted.zbl")}).Out;
  EXPECT_LT(items.find("Tree 2\t"), items.find("Tree 10\t"));
  std::vector<std::string> names;
  std::istringstream itemLines(items);
  for (std::string line; std::getline(itemLines, line);)
    names.push_back(line.substr(0, line.find('\t')));
  EXPECT_NE(std::adjacent_find(names.begin(), names.end()), names.end()) << "no repeated name";
}

/// A library in Windows-1251 (Машины, Деревья) with a 1252-only category.
TSampleLibrary cyrillicLibrary() {
  TSampleLibrary library;
  library.Items = {sampleItem("a", "\xCC\xE0\xF8\xE8\xED\xFB", 3, 1),
                   sampleItem("b", "\xC4\xE5\xF0\xE5\xE2\xFC\xFF", 3, 2)};
  return library;
}

TEST_F(ZblProgramTest, EncodingOptionAnywhereOrTheLocaleChoosesTheCodePage) {
  const std::string in = WriteLibrary("in.zbl", cyrillicLibrary());
  const std::string cyrillic =
      "1\t\xD0\x9C\xD0\xB0\xD1\x88\xD0\xB8\xD0\xBD\xD1\x8B\n"
      "1\t\xD0\x94\xD0\xB5\xD1\x80\xD0\xB5\xD0\xB2\xD1\x8C\xD1\x8F\n";
  const struct {
    std::vector<std::string> Args;
    const char* Locale;
    std::string Out;
  } cases[] = {
      {{"categories", "--encoding", "1251", in}, "C", cyrillic},
      {{"--encoding", "CP1251", "categories", in}, "C", cyrillic},
      {{"categories", in, "--encoding", "windows-1251"}, "POSIX", cyrillic},
      {{"categories", in}, "ru_RU.UTF-8", cyrillic},
      {{"categories", in},
       "C",
       "1\t\xC3\x8C\xC3\xA0\xC3\xB8\xC3\xA8\xC3\xAD\xC3\xBB\n"
       "1\t\xC3\x84\xC3\xA5\xC3\xB0\xC3\xA5\xC3\xA2\xC3\xBC\xC3\xBF\n"},
  };
  for (const auto& c : cases) {
    setenv("LC_ALL", c.Locale, 1);
    const TChildResult run = runZbl(c.Args);
    EXPECT_EQ(run.ExitCode, 0) << run.Err;
    EXPECT_EQ(run.Out, c.Out) << testing::PrintToString(c.Args);
  }
  setenv("LC_ALL", "C", 1);
  const TChildResult unknown = runZbl({"categories", in, "--encoding", "koi8-r"});
  EXPECT_EQ(unknown.ExitCode, 2);
  EXPECT_TRUE(
      unknown.Err.starts_with("zbl: unknown encoding 'koi8-r'; known: windows-874, "
                              "windows-1250, windows-1251, windows-1252, windows-1253, "
                              "windows-1254, windows-1255, windows-1256, windows-1257, "
                              "windows-1258\nusage: "))
      << unknown.Err;
}

TEST_F(ZblProgramTest, TranslateWarnsOfARenameOntoACategoryTheMapKeeps) {
  TSampleLibrary library;
  library.Items = {sampleItem("a", "Trees", 3, 1), sampleItem("b", "Cars", 3, 2),
                   sampleItem("c", "Roads", 3, 3)};
  const std::string in = WriteLibrary("in.zbl", library);
  // Roads is renamed away, so only Cars, which keeps its text, is met.
  const std::string map = WriteMap("Roads\tStreets\nTrees\tCars\nCars\tCars\n");
  const TChildResult run = runZbl({"translate", in, Path("out.zbl"), "--map", map});
  EXPECT_EQ(run.ExitCode, 0);
  EXPECT_EQ(run.Err, "zbl: " + map +
                         ":2: warning: \"Trees\" and \"Cars\" will both be stored as \"Cars\" and "
                         "become one category\n" +
                         "zbl: " + map +
                         ":3: warning: \"Cars\" and \"Trees\" will both be stored as \"Cars\" and "
                         "become one category\n");
}

TEST_F(ZblProgramTest, TranslateWarnsOfTextsNotStoredAsGivenAndStrictRefuses) {
  TSampleLibrary library;
  library.Items = {sampleItem("a", "Trees", 3, 1), sampleItem("b", "Cars", 3, 2),
                   sampleItem("c", "Long", 3, 3), sampleItem("d", "Fine", 3, 4)};
  const std::string in = WriteLibrary("in.zbl", library);
  // Δx and Жx both become ?x in Windows-1252; 101 bytes are cut to 100.
  const std::string map = WriteMap("Trees\t\xCE\x94x\nCars\t\xD0\x96x\nLong\t" +
                                   std::string(101, 'y') + "\nFine\tGood\n");
  const std::string out = Path("out.zbl");
  writeBytesToFile(out, asBytes("as it was"));
  const TChildResult strict = runZbl({"translate", in, out, "--map", map, "--strict"});
  ExpectFailure(strict, map + ":1");
  EXPECT_EQ(readFileBytes(out), asBytes("as it was"));

  const TChildResult run = runZbl({"translate", "--encoding", "1252", in, out, "--map", map});
  EXPECT_EQ(run.ExitCode, 0);
  const std::string w = "zbl: " + map;
  EXPECT_EQ(run.Err, w +
                         ":1: warning: \"\xCE\x94x\" will be stored as \"?x\": windows-1252 has no "
                         "\"\xCE\x94\"\n" +
                         w +
                         ":1: warning: \"Trees\" and \"Cars\" will both be stored as \"?x\" and "
                         "become one category\n" +
                         w +
                         ":2: warning: \"\xD0\x96x\" will be stored as \"?x\": windows-1252 has no "
                         "\"\xD0\x96\"\n" +
                         w +
                         ":2: warning: \"Cars\" and \"Trees\" will both be stored as \"?x\" and "
                         "become one category\n" +
                         w + ":3: warning: \"" + std::string(101, 'y') + "\" will be stored as \"" +
                         std::string(100, 'y') + "\": its encoding is longer than 100 bytes\n");
  EXPECT_EQ(runZbl({"categories", out}).Out, "2\t?x\n1\t" + std::string(100, 'y') + "\n1\tGood\n");
}

TEST_F(ZblProgramTest, TheMemoryFillsWhatTheMapLeavesToDo) {
  TSampleLibrary library;
  library.Items = {sampleItem("a", "Trees", 3, 1), sampleItem("b", "Cars", 3, 2),
                   sampleItem("c", "Oak", 3, 3), sampleItem("d", "Roads", 3, 4)};
  const std::string in = WriteLibrary("in.zbl", library);
  const std::string map = WriteMap("Trees\tB\xC3\xA4ume\nOak\tOak\n");
  writeBytesToFile(Path("first.tsv"), asBytes("Trees\tDrzewa\nOak\tEiche\nCars\t\xCE\x94x\n"));
  writeBytesToFile(Path("second.tsv"), asBytes("Cars\tAutos\nRoads\tStra\xC3\x9F" "en\n"));
  const std::string out = Path("out.zbl");
  const std::vector<std::string> args{"translate", "--encoding", "1252", in, out, "--map", map,
                                      "--memory", Path("first.tsv"), "--memory", Path("second.tsv")};
  // The map's texts stay; the first file that has a category's text gives it.
  const TChildResult run = runZbl(args);
  EXPECT_EQ(run.ExitCode, 0);
  EXPECT_EQ(run.Err, "zbl: " + Path("first.tsv") +
                         ": warning: \"\xCE\x94x\" will be stored as \"?x\": windows-1252 has no "
                         "\"\xCE\x94\"\n"
                         "zbl: " + out + ": 3 categories pre-translated from the memory\n");
  EXPECT_EQ(runZbl({"categories", out}).Out,
            "1\tB\xC3\xA4ume\n1\t?x\n1\tEiche\n1\tStra\xC3\x9F" "en\n");

  // A memory file refused fails as a map does, before the library is read.
  writeBytesToFile(Path("second.tsv"), asBytes("Cars\n"));
  ExpectFailure(runZbl(args), Path("second.tsv") + ":1");
  std::vector<std::string> strict = args;
  strict.back() = Path("first.tsv");
  strict.push_back("--strict");
  ExpectFailure(runZbl(strict), Path("first.tsv"));
}

/// zbl check spells with the tests' own dictionaries, never the machine's.
class ZblCheckTest : public ZblProgramTest {
 protected:
  void SetUp() override {
    std::filesystem::create_directory(Dictionaries());
    WriteTestDictionary(Dictionaries(), "pl_PL");
    WriteTestDictionary(Dictionaries(), "de_DE");
    setenv("DICPATH", Dictionaries().c_str(), 1);
  }
  void TearDown() override { unsetenv("DICPATH"); }
  std::string Dictionaries() const { return Path("dictionaries"); }

  /// One item for each category, given in the library's code page.
  std::string WriteCategories(const std::vector<std::string>& aCategories) const {
    TSampleLibrary library;
    for (const std::string& category : aCategories)
      library.Items.push_back(sampleItem("n", category, 1));
    return WriteLibrary("in.zbl", library);
  }
};

struct TCheckPageCase {
  const char* Name;
  std::string Encoding;
  /// A category with letters of the code page: its bytes there, and in UTF-8.
  std::string Bytes;
  std::string Category;
  /// A misspelling of it.
  std::string Misspelled;
};

void PrintTo(const TCheckPageCase& aCase, std::ostream* aOut) { *aOut << aCase.Name; }

class ZblCheckPageTest : public ZblCheckTest, public testing::WithParamInterface<TCheckPageCase> {};

// One fault of each kind planted in a map, each found once and nothing else.
TEST_P(ZblCheckPageTest, ListsExactlyTheFaultsOfTheMap) {
  const TCheckPageCase& c = GetParam();
  const std::string in =
      WriteCategories({c.Bytes, "Trees", "trees", "Shrubs", "Forest:", "Maps 2-10", "Green",
                       "Green wood", "Bush", "Scrub", "Tree trunks", "Roads"});
  const std::string map =
      WriteMap(c.Category + "\t" + c.Misspelled +
               "\nTrees\tDrzewa\ntrees\tlasy\nShrubs\tkrzewy\nForest:\tLas\n"
               "Maps 2-10\tMapa\nGreen\tZielony \nGreen wood\tZielony  las\n"
               "Bush\tKrzew\nScrub\tKrzew\nTree trunks\tDzrewa lass\nGhost\tX\n");
  const TChildResult run =
      runZbl({"check", in, "--map", map, "--encoding", c.Encoding, "--language", "pl"});
  EXPECT_EQ(run.ExitCode, 1);
  EXPECT_EQ(run.Out,
            c.Category + " -> \"" + c.Misspelled + "\": misspelled: " + c.Misspelled + "\n" +
                "Trees -> \"Drzewa\": \"trees\" is translated as \"lasy\"\n"
                "trees -> \"lasy\": \"Trees\" is translated as \"Drzewa\"\n"
                "Shrubs -> \"krzewy\": begins with a small letter, the old text with a capital\n"
                "Forest: -> \"Las\": ends in no punctuation, the old text in \":\"\n"
                "Maps 2-10 -> \"Mapa\": lacks the digits 2, 10 of the old text\n"
                "Green -> \"Zielony \": 1 blank at the end, the old text has none\n"
                "Green wood -> \"Zielony  las\": doubled blanks, the old text has none\n"
                "Bush -> \"Krzew\": the same new text as \"Scrub\"\n"
                "Scrub -> \"Krzew\": the same new text as \"Bush\"\n"
                "Tree trunks -> \"Dzrewa lass\": misspelled: Dzrewa, lass\n"
                "12 categories checked, 11 failing\n");
  EXPECT_EQ(run.Err, "zbl: " + map + ":12: warning: \"Ghost\" is not a category of " + in + "\n");
}

// Łódź and its misspelling Łodź; Bäume and Baüme.
INSTANTIATE_TEST_SUITE_P(CodePages, ZblCheckPageTest,
                         testing::Values(TCheckPageCase{"Windows1250", "1250", "\xA3\xF3\x64\x9F",
                                                        "\xC5\x81\xC3\xB3\x64\xC5\xBA",
                                                        "\xC5\x81od\xC5\xBA"},
                                         TCheckPageCase{"Windows1252", "1252", "B\xE4ume",
                                                        "B\xC3\xA4ume", "Ba\xC3\xBCme"}),
                         [](const auto& info) { return info.param.Name; });

TEST_F(ZblCheckTest, CleanCatalogueOnlyCounts) {
  const std::string in = WriteCategories({"Trees", "trees", "Forest:", "Green wood", "Roads"});
  writeBytesToFile(Path("m.po"), asBytes("msgid \"Trees\"\nmsgstr \"Lasy\"\n\nmsgid \"trees\"\n"
                                         "msgstr \"lasy\"\n\nmsgid \"Forest:\"\nmsgstr \"Las:\"\n\n"
                                         "msgid \"Green wood\"\nmsgstr \"Zielony las\"\n"));
  const TChildResult run = runZbl({"check", in, "--map", Path("m.po"), "--language", "pl_PL"});
  EXPECT_EQ(run.ExitCode, 0);
  EXPECT_EQ(run.Out, "5 categories checked, 0 failing\n");
  EXPECT_EQ(run.Err, "");
}

TEST_F(ZblCheckTest, WithoutAMapChecksTheCategoriesThemselves) {
  const std::string in = WriteCategories({" Drzewa", "Las ", "zielony  las", "Dzrewa", "mapa"});
  const TChildResult run = runZbl({"check", in, "--language", "pl-PL"});
  EXPECT_EQ(run.ExitCode, 1);
  EXPECT_EQ(run.Out,
            " Drzewa: 1 blank at the start\nLas : 1 blank at the end\n"
            "zielony  las: doubled blanks\nDzrewa: misspelled: Dzrewa\n"
            "5 categories checked, 4 failing\n");
  // Nothing is spelled without --language, though DICPATH holds pl_PL.
  EXPECT_EQ(runZbl({"check", in}).Out,
            " Drzewa: 1 blank at the start\nLas : 1 blank at the end\n"
            "zielony  las: doubled blanks\n5 categories checked, 3 failing\n");
}

TEST_F(ZblCheckTest, ALanguageWithoutAUsableDictionaryIsWrongUsage) {
  const std::string in = WriteCategories({"Trees"});
  std::filesystem::create_directory(Path("none"));
  std::filesystem::create_directory(Path("broken"));
  WriteTestDictionary(Path("broken"), "xx_XX", "NO-SUCH-ENCODING");
  const struct {
    std::string Folder;
    std::string Language;
    std::string Err;
  } cases[] = {
      {Dictionaries(), "fr", "zbl: no dictionary for 'fr'; installed: de_DE, pl_PL\n"},
      {Path("none"), "pl",
       "zbl: no dictionary for 'pl'; none is installed in " + Path("none") +
           " (Debian's hunspell-* packages install them; DICPATH names other folders)\n"},
      {Path("broken"), "xx",
       "zbl: " + Path("broken/xx_XX.aff") +
           ": cannot open the dictionary xx_XX: its files cannot be read, or their encoding is "
           "unknown\n"},
  };
  for (const auto& c : cases) {
    setenv("DICPATH", c.Folder.c_str(), 1);
    const TChildResult run = runZbl({"check", in, "--language", c.Language});
    EXPECT_EQ(run.ExitCode, 2);
    EXPECT_EQ(run.Out, "");
    EXPECT_EQ(run.Err, c.Err);
  }
}

}  // namespace
