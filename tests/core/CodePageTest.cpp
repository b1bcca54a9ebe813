// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>
#include <iconv.h>

#include "CodePage.h"
#include "LocaleCodePage.h"
#include "TextCodec.h"

namespace {

/// The byte as the system's iconv converts it to UTF-8; empty when iconv
/// leaves it undefined.
std::string iconvToUtf8(TCodePage aPage, unsigned char aByte) {
  const std::string from = "CP" + std::to_string(static_cast<int>(aPage));
  iconv_t cd = iconv_open("UTF-8", from.c_str());
  EXPECT_NE(cd, reinterpret_cast<iconv_t>(-1)) << from;
  char in = static_cast<char>(aByte), out[16];
  char *inPtr = &in, *outPtr = out;
  std::size_t inLeft = 1, outLeft = sizeof out;
  const bool ok = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) != static_cast<std::size_t>(-1) &&
                  iconv(cd, nullptr, nullptr, &outPtr, &outLeft) != static_cast<std::size_t>(-1);
  iconv_close(cd);
  return ok ? std::string(out, outPtr) : std::string();
}

TEST(CodePageTest, EveryByteRoundTripsAndAgreesWithIconv) {
  std::string all;
  for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
  for (const TCodePage page : supportedCodePages()) {
    const std::u16string text = decodeAnsi(all, page);
    ASSERT_EQ(text.size(), 256u);
    const TAnsiText back = encodeAnsi(text, page);
    EXPECT_EQ(back.Bytes, all) << codePageName(page);
    EXPECT_TRUE(back.Exact());
    for (int b = 0; b < 256; ++b) {
      const std::string expected = iconvToUtf8(page, static_cast<unsigned char>(b));
      const char16_t undefined = b >= 0x80 && b < 0xA0 ? char16_t(b) : char16_t(0xF700 + b);
      if (expected.empty())
        EXPECT_EQ(text[b], undefined) << codePageName(page) << " byte " << b;
      else
        EXPECT_EQ(utf16ToUtf8(text.substr(b, 1)), expected) << codePageName(page) << " byte " << b;
    }
  }
}

struct TKnownByte {
  int Page;
  unsigned char Byte;
  char16_t Unit;
};

class KnownByteTest : public testing::TestWithParam<TKnownByte> {};

TEST_P(KnownByteTest, DecodesToItsCharacter) {
  const TKnownByte c = GetParam();
  const std::string byte(1, static_cast<char>(c.Byte));
  EXPECT_EQ(decodeAnsi(byte, static_cast<TCodePage>(c.Page)), std::u16string(1, c.Unit));
}

INSTANTIATE_TEST_SUITE_P(
    Table, KnownByteTest,
    testing::Values(TKnownByte{1250, 0xA3, u'\u0141'}, TKnownByte{1250, 0x9F, u'\u017A'},
                    TKnownByte{1251, 0xC0, u'\u0410'}, TKnownByte{1252, 0x80, u'\u20AC'},
                    TKnownByte{1252, 0x81, u'\u0081'}, TKnownByte{1253, 0xC4, u'\u0394'},
                    TKnownByte{1253, 0xAA, u'\uF7AA'}, TKnownByte{1254, 0xD0, u'\u011E'},
                    TKnownByte{1255, 0xE0, u'\u05D0'}, TKnownByte{1256, 0xC7, u'\u0627'},
                    TKnownByte{1257, 0xC0, u'\u0104'}, TKnownByte{1258, 0xC3, u'\u0102'},
                    TKnownByte{874, 0xA1, u'\u0E01'}, TKnownByte{874, 0xFC, u'\uF7FC'}));

struct TEncodeCase {
  const char* Label;
  int Page;
  std::u16string Text;
  std::string Bytes;
  std::vector<std::size_t> Lost;
  bool Cut;
  std::vector<std::u16string_view> LostCharacters = {};
};

class EncodeTest : public testing::TestWithParam<TEncodeCase> {};

TEST_P(EncodeTest, SaysWhatIsStoredAndWhatIsLost) {
  const TEncodeCase& c = GetParam();
  const TAnsiText stored = encodeAnsi(c.Text, static_cast<TCodePage>(c.Page), 100);
  EXPECT_EQ(stored.Bytes, c.Bytes);
  EXPECT_EQ(stored.Lost, c.Lost);
  EXPECT_EQ(stored.Cut, c.Cut);
  EXPECT_EQ(lostCharacters(c.Text, stored), c.LostCharacters);
}

INSTANTIATE_TEST_SUITE_P(
    Table, EncodeTest,
    testing::Values(
        TEncodeCase{"Polish", 1250, u"Gda\u0144sk", "Gda\xF1sk", {}, false},
        TEncodeCase{"PolishInWestern", 1252, u"Gda\u0144sk", "Gda?sk", {3}, false, {u"\u0144"}},
        TEncodeCase{"GreekInCyrillic", 1251, u"\u0394\u0436", "?\xE6", {0}, false, {u"\u0394"}},
        TEncodeCase{"SurrogatePair", 1252, u"a\U0001F333b", "a?b", {1}, false, {u"\U0001F333"}},
        TEncodeCase{"RepeatedLetterNamedOnce", 1250, u"\u03bb\u03b1\u03bb", "???", {0, 1, 2}, false,
                    {u"\u03bb", u"\u03b1"}},
        TEncodeCase{
            "Exactly100", 1252, std::u16string(100, u'x'), std::string(100, 'x'), {}, false},
        TEncodeCase{"Bytes101", 1252, std::u16string(101, u'x'), std::string(100, 'x'), {}, true}),
    [](const auto& info) { return std::string(info.param.Label); });

TEST(LocaleCodePageTest, WindowsCodePageOfTheLocale) {
  const struct {
    const char* LcAll;
    const char* LcCtype;
    const char* Lang;
    int Page;
  } cases[] = {{"", "", "", 1252},
               {"C", "", "pl_PL.UTF-8", 1252},
               {"POSIX", "", "", 1252},
               {"", "", "pl_PL.UTF-8", 1250},
               {"", "cs_CZ", "de_DE", 1250},
               {"ru_RU.UTF-8", "pl_PL", "de_DE", 1251},
               {"", "", "sr_RS.UTF-8", 1251},
               {"", "", "sr_RS.UTF-8@latin", 1250},
               {"", "", "bs_BA@cyrillic", 1251},
               {"", "", "el_GR.UTF-8", 1253},
               {"", "", "tr_TR", 1254},
               {"", "", "az_AZ", 1254},
               {"", "", "he_IL.UTF-8", 1255},
               {"", "", "fa_IR", 1256},
               {"", "", "lt_LT.UTF-8", 1257},
               {"", "", "vi_VN", 1258},
               {"", "", "th_TH.UTF-8", 874},
               {"", "", "de_DE.UTF-8", 1252},
               {"", "", "C.UTF-8", 1252}};
  for (const auto& c : cases)
    EXPECT_EQ(static_cast<int>(codePageOfLocale(c.LcAll, c.LcCtype, c.Lang)), c.Page)
        << c.LcAll << '|' << c.LcCtype << '|' << c.Lang;
}

}  // namespace
