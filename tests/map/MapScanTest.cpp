// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <fstream>

#include "MapScan.h"
#include "TempDir.h"
#include "TextCodec.h"

namespace {

struct TScanCase {
  const char* Name;
  std::string Tail;
};

class MapScanTest : public ::testing::TestWithParam<TScanCase> {};

/// Lines of their own old texts, aSize bytes in all.
std::string padding(std::size_t aSize) {
  std::string out;
  for (int i = 0; out.size() < aSize; ++i) {
    std::string line = "p" + std::to_string(i) + "\t";
    const std::size_t left = aSize - out.size();
    // The last line takes up what is left, or two lines share it.
    const std::size_t size = left < 2 * 64 ? left : 64;
    if (size < line.size() + 2) return out + std::string(left, '\n');
    line.append(size - line.size() - 1, 'x').append(1, '\n');
    out += line;
  }
  return out;
}

// The scan reads a block at a time; wherever a block ends in a line, it
// takes every map the whole-file parse takes, as the same entries, and
// refuses every one that parse refuses.
TEST_P(MapScanTest, ReadsAsTheWholeFileParse) {
  TTempDir dir;
  const std::string file = dir.File("map.tsv");
  constexpr std::size_t kBlock = std::size_t{1} << 20;
  for (const std::size_t before :
       {std::size_t{0}, kBlock - 3, kBlock - 2, kBlock - 1, kBlock, kBlock + 1}) {
    const std::string text = padding(before) + GetParam().Tail;
    std::ofstream(file, std::ios::binary) << text;
    const TMapParse parsed = parseMapFile(text);
    const std::optional<TMapScan> scan = TMapScan::Check(file);
    ASSERT_EQ(scan.has_value(), !parsed.Error) << before;
    if (!scan) continue;
    std::vector<TMapLine> lines;
    ASSERT_TRUE(scan->ForEach([&](int aLine, std::string_view aOld, std::string_view aNew) {
      lines.push_back({aLine, *utf8ToUtf16(aOld), *utf8ToUtf16(aNew)});
    }));
    ASSERT_EQ(lines.size(), parsed.Lines.size()) << before;
    EXPECT_EQ(scan->Entries(), lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
      EXPECT_EQ(lines[i].Line, parsed.Lines[i].Line) << before << " entry " << i;
      EXPECT_EQ(lines[i].Old, parsed.Lines[i].Old) << before << " entry " << i;
      EXPECT_EQ(lines[i].New, parsed.Lines[i].New) << before << " entry " << i;
    }
  }
}

// A map written again between its check and its reading is not read as
// another map.
TEST(MapScanChangeTest, MapWrittenSinceTheCheckIsNotRead) {
  TTempDir dir;
  const std::string file = dir.File("map.tsv");
  std::ofstream(file, std::ios::binary) << "a\tb\n";
  const std::optional<TMapScan> scan = TMapScan::Check(file);
  ASSERT_TRUE(scan);
  for (const char* text : {"a\tb\nc\td\n", "", "a\t\n"}) {
    std::ofstream(file, std::ios::binary) << text;
    EXPECT_FALSE(scan->ForEach([](int, std::string_view, std::string_view) {})) << text;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Maps, MapScanTest,
    ::testing::Values(
        TScanCase{"PlainLines", "a\tb\nc\td\n"}, TScanCase{"NoFinalBreak", "a\tb"},
        TScanCase{"CrLfAndCr", "a\tb\r\nc\td\re\tf\r"},
        TScanCase{"QuotedWithBreaks", "\"a\r\nb\"\t\"x\"\"y\"\tcomment\nz\t\"\"\"\"\n"},
        TScanCase{"Escapes", "a\\tb\tc\\\\d\\n\n\"q\\r\"\tv\n"},
        TScanCase{"BlankLines", "\n\n\r\na\tb\n\n\"\"\tempty old\n"},
        TScanCase{"ByteOrderMark", "\xEF\xBB\xBF\xC3\xA4\t\xE2\x82\xAC\n"},
        TScanCase{"ThirdColumn", "a\tb\t\"c\"\n"}, TScanCase{"DuplicateOld", "a\tb\nc\td\na\te\n"},
        TScanCase{"EscapedDuplicate", "a\\tb\tx\n\"a\tb\"\ty\n"},
        TScanCase{"BadEscape", "a\tb\\q\n"}, TScanCase{"EmptyNewText", "a\t\n"},
        TScanCase{"OneField", "a\n"}, TScanCase{"UnclosedQuote", "a\t\"b\nc\n"},
        TScanCase{"TextAfterQuote", "\"a\"x\tb\n"}, TScanCase{"NotUtf8", "a\tb\xC3\n"},
        TScanCase{"NotUtf8InAComment", "a\tb\t\xED\xA0\x80\n"}),
    [](const ::testing::TestParamInfo<TScanCase>& aInfo) { return std::string(aInfo.param.Name); });

}  // namespace
