// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "TextCodec.h"

namespace {

TEST(TextCodecTest, EveryByteRoundTripsThroughUtf16) {
  std::string all;
  for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
  const std::u16string text = cp1252ToUtf16(all);
  ASSERT_EQ(text.size(), 256u);
  EXPECT_EQ(utf16ToCp1252(text), all);
}

struct TByteUnit {
  unsigned char Byte;
  char16_t Unit;
};

class Cp1252MappingTest : public testing::TestWithParam<TByteUnit> {};

TEST_P(Cp1252MappingTest, ByteMapsToWindowsCodeUnit) {
  const TByteUnit c = GetParam();
  EXPECT_EQ(cp1252ToUtf16(std::string(1, static_cast<char>(c.Byte))), std::u16string(1, c.Unit));
  EXPECT_EQ(utf16ToCp1252(std::u16string(1, c.Unit)), std::string(1, static_cast<char>(c.Byte)));
}

INSTANTIATE_TEST_SUITE_P(Table, Cp1252MappingTest,
                         testing::Values(TByteUnit{0x41, u'A'}, TByteUnit{0x80, u'\u20AC'},
                                         TByteUnit{0x81, u'\u0081'}, TByteUnit{0x8A, u'\u0160'},
                                         TByteUnit{0x8D, u'\u008D'}, TByteUnit{0x8F, u'\u008F'},
                                         TByteUnit{0x90, u'\u0090'}, TByteUnit{0x92, u'\u2019'},
                                         TByteUnit{0x9D, u'\u009D'}, TByteUnit{0x9F, u'\u0178'},
                                         TByteUnit{0xA0, u'\u00A0'}, TByteUnit{0xC4, u'\u00C4'},
                                         TByteUnit{0xE4, u'\u00E4'}, TByteUnit{0xFF, u'\u00FF'}));

struct TUnencodable {
  const char* Label;
  std::u16string Text;
  std::string Bytes;
};

class Cp1252ReplacementTest : public testing::TestWithParam<TUnencodable> {};

TEST_P(Cp1252ReplacementTest, CharacterWithoutByteBecomesOneQuestionMark) {
  EXPECT_EQ(utf16ToCp1252(GetParam().Text), GetParam().Bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Cp1252ReplacementTest,
    testing::Values(TUnencodable{"Cyrillic", u"\u0414\u0435", "??"},
                    TUnencodable{"UndefinedC1", u"\u0080\u0085", "??"},
                    TUnencodable{"SurrogatePair", u"a\U0001F333b", "a?b"},
                    TUnencodable{"LoneHighSurrogate", std::u16string(u"a") + char16_t(0xD800),
                                 "a?"},
                    TUnencodable{"LoneLowSurrogate", std::u16string(1, char16_t(0xDC00)), "?"},
                    TUnencodable{"Mixed", u"B\u00e4ume \u6728", "B\xe4ume ?"}),
    [](const auto& info) { return std::string(info.param.Label); });

TEST(TextCodecTest, Utf8RoundTripsThroughUtf16) {
  const std::string text = "B\xC3\xA4ume \xE2\x82\xAC \xF0\x9F\x8C\xB3";
  const auto decoded = utf8ToUtf16(text);
  ASSERT_TRUE(decoded.has_value());
  EXPECT_EQ(*decoded, u"B\u00e4ume \u20ac \U0001F333");
  EXPECT_EQ(utf16ToUtf8(*decoded), text);
}

class InvalidUtf8Test : public testing::TestWithParam<std::string> {};

TEST_P(InvalidUtf8Test, IsRefused) { EXPECT_FALSE(utf8ToUtf16(GetParam()).has_value()); }

INSTANTIATE_TEST_SUITE_P(Table, InvalidUtf8Test,
                         testing::Values(std::string("\x80"), std::string("a\xC3"),
                                         std::string("\xC0\xAF"),          // overlong
                                         std::string("\xE0\x80\xAF"),      // overlong
                                         std::string("\xED\xA0\x80"),      // surrogate
                                         std::string("\xF4\x90\x80\x80"),  // above U+10FFFF
                                         std::string("\xE2\x82"),          // cut off
                                         std::string("\xFF"), std::string("\xC3\x28")));

TEST(EscapeControlCharactersTest, ControlCharactersAndInvalidBytesAreEscaped) {
  const struct {
    const char* Name;
    std::string Text;
    std::string Escaped;
    std::string Named;  // as escapeName writes it
  } rows[] = {
      {"plain", "dir/a.zbl", "dir/a.zbl", "dir/a.zbl"},
      {"controls", "two\nlines\r\tend", "two\\nlines\\r\\tend", "two\\nlines\\r\\tend"},
      {"bytes", std::string("\0\x01\x1f\x7f", 4), "\\x00\\x01\\x1f\\x7f", "\\x00\\x01\\x1f\\x7f"},
      {"valid UTF-8 stands", "B\xC3\xA4ume \xF0\x9F\x8C\xB3", "B\xC3\xA4ume \xF0\x9F\x8C\xB3",
       "B\xC3\xA4ume \xF0\x9F\x8C\xB3"},
      {"a byte of no sequence", "a\xFF", "a\\xff", "a\\xff"},
      {"overlong and surrogate", "\xC0\xAF\xED\xA0\x80", "\\xc0\\xaf\\xed\\xa0\\x80",
       "\\xc0\\xaf\\xed\\xa0\\x80"},
      {"cut-off sequence", "\xE2\x82", "\\xe2\\x82", "\\xe2\\x82"},
      // A name's backslash is doubled, so that it reads otherwise than an escape.
      {"backslash and n", "a\\nb", "a\\nb", "a\\\\nb"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(escapeControlCharacters(row.Text), row.Escaped) << row.Name;
    EXPECT_EQ(escapeName(row.Text), row.Named) << row.Name;
  }
}

}  // namespace
