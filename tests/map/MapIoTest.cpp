// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "LoaderSaver.h"
#include "MapIo.h"
#include "SampleLibrary.h"
#include "TempDir.h"

namespace {

TEST(MapIoTest, FormatFollowsTheExtension) {
  const std::vector<std::pair<std::string, TMapFormat>> cases = {
      {"map.po", TMapFormat::Po},   {"MAP.PO", TMapFormat::Po},   {"dir.po/map", TMapFormat::Tsv},
      {"map.pot", TMapFormat::Tsv}, {"map.tsv", TMapFormat::Tsv}, {"po", TMapFormat::Tsv},
      {"m.tmx", TMapFormat::Tmx},   {"M.XLF", TMapFormat::Xliff}, {"m.Xliff", TMapFormat::Xliff},
      {"tmx", TMapFormat::Tsv},
  };
  for (const auto& [name, format] : cases) EXPECT_EQ(mapFormatOf(name), format) << name;
}

TEST(MapIoTest, ContentsNameTheFirstItems) {
  const std::vector<std::pair<TCategoryContents, std::string>> cases = {
      {{1, {u"Oak"}}, "1 item: Oak"},
      {{2, {u"a\tb", u"c"}}, "2 items: a\\tb, c"},
      {{3, {u"a", u"b"}}, "3 items: a, b, \xE2\x80\xA6"},
  };
  for (const auto& [contents, text] : cases) EXPECT_EQ(describeContents(contents), text);
}

// Each format, written to a file and read from it by the name alone, gives
// back the rows a translator changed.
TEST(MapIoTest, WrittenFilesReadBackInTheirFormat) {
  TTempDir dir;
  const TCategoryMap map{{u"\"Autos\"", u"Trees"}, {u"Cars", u"B\u00e4ume"}};
  for (const char* name : {"map.PO", "map.txt"}) {
    const std::string file = dir.File(name);
    writeMap(file, {map, {true, true}, {}}, mapFormatOf(file));
    const TMapRead read = readMap(file);
    ASSERT_FALSE(read.Refusal) << read.Refusal->Reason;
    ASSERT_EQ(read.Lines.size(), 2U) << name;
    EXPECT_EQ(read.Lines[0].Old, u"\"Autos\"");
    EXPECT_EQ(read.Lines[1].New, u"B\u00e4ume");
  }
}

TEST(MapIoTest, RefusalNamesFileAndLine) {
  TTempDir dir;
  const std::string file = dir.File("map.tsv");
  const std::string text = "a\tb\nc\td\n\xE4\tx\n";
  writeBytesToFile(file, std::vector<std::uint8_t>(text.begin(), text.end()));
  const TMapRead read = readMap(file);
  ASSERT_TRUE(read.Refusal);
  EXPECT_EQ(read.Refusal->Where, file + ":3");
  EXPECT_TRUE(read.Lines.empty());
  EXPECT_EQ(readMap(dir.File("missing.po")).Refusal->Where, dir.File("missing.po"));
}

}  // namespace
