// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>

#include "LibraryFormat.h"
#include "LoaderSaver.h"
#include "SampleLibrary.h"

namespace {

TLibraryHeader headerFrom(const TSampleLibrary& aLibrary) {
  const std::vector<std::uint8_t> bytes = buildSampleLibrary(aLibrary);
  TLibraryHeader header;
  std::copy_n(bytes.begin(), kLibraryHeaderSize, header.Bytes.begin());
  return header;
}

struct THeaderCase {
  const char* Label;
  std::uint8_t SignatureLength;
  std::int32_t Version;
  int CorruptSignatureAt;  // -1: none
  bool Valid;
};

class HeaderValidationTest : public testing::TestWithParam<THeaderCase> {};

TEST_P(HeaderValidationTest, AcceptsOnlyTheSignatureAndVersionOne) {
  const THeaderCase& c = GetParam();
  TSampleLibrary lib;
  lib.SignatureLength = c.SignatureLength;
  lib.FileVersion = c.Version;
  TLibraryHeader header = headerFrom(lib);
  if (c.CorruptSignatureAt >= 0)
    header.Bytes[static_cast<std::size_t>(c.CorruptSignatureAt)] ^= 0x20;
  EXPECT_EQ(header.IsValid(), c.Valid);
}

INSTANTIATE_TEST_SUITE_P(Table, HeaderValidationTest,
                         testing::Values(THeaderCase{"Valid", 6, 1, -1, true},
                                         THeaderCase{"LengthSeven", 7, 1, -1, false},
                                         THeaderCase{"LengthFive", 5, 1, -1, false},
                                         THeaderCase{"LengthZero", 0, 1, -1, false},
                                         THeaderCase{"VersionTwo", 6, 2, -1, false},
                                         THeaderCase{"VersionZero", 6, 0, -1, false},
                                         THeaderCase{"VersionMinusOne", 6, -1, -1, false},
                                         THeaderCase{"CaseOfFirstLetter", 6, 1, 1, false},
                                         THeaderCase{"CaseOfLastLetter", 6, 1, 6, false},
                                         THeaderCase{"TailIsNotInterpreted", 6, 1, 9, true}),
                         [](const auto& info) { return std::string(info.param.Label); });

TEST(HeaderWriteTest, KeepsTheContentsTailAndSetsTheCounts) {
  TLibraryHeader header;
  std::fill(header.Bytes.begin(), header.Bytes.end(), 0xEE);
  header.PrepareForWrite(5, 1234567);
  EXPECT_TRUE(header.IsValid());
  EXPECT_EQ(header.ThemeCount(), 5);
  EXPECT_EQ(header.ObjectCount(), 1234567);
  for (std::size_t i = 7; i < 12; ++i) EXPECT_EQ(header.Bytes[i], 0xEE) << i;
}

TEST(IntegerFieldTest, AreLittleEndianTwosComplement) {
  std::uint8_t bytes[8] = {};
  writeInt32LE(bytes, -2);
  EXPECT_EQ(bytes[0], 0xFE);
  EXPECT_EQ(bytes[3], 0xFF);
  EXPECT_EQ(readInt32LE(bytes), -2);
  writeInt64LE(bytes, 0x0102030405060708);
  EXPECT_EQ(bytes[0], 0x08);
  EXPECT_EQ(bytes[7], 0x01);
  EXPECT_EQ(readInt64LE(bytes), 0x0102030405060708);
}

struct TLengthCase {
  std::uint8_t LengthByte;
  std::size_t Capacity;
  std::size_t Expected;
};

class ShortStringClampTest : public testing::TestWithParam<TLengthCase> {};

TEST_P(ShortStringClampTest, NeverReadsPastTheField) {
  const TLengthCase& c = GetParam();
  // The field is followed by bytes that must never show up in the text.
  std::vector<std::uint8_t> field(1 + c.Capacity, 'x');
  field[0] = c.LengthByte;
  field.resize(256, '!');
  const std::string_view text = ansiShortStringView(field.data(), c.Capacity);
  EXPECT_EQ(text.size(), c.Expected);
  EXPECT_EQ(text.find('!'), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Table, ShortStringClampTest,
                         testing::Values(TLengthCase{0, 50, 0}, TLengthCase{50, 50, 50},
                                         TLengthCase{51, 50, 50}, TLengthCase{176, 50, 50},
                                         TLengthCase{255, 50, 50}, TLengthCase{100, 100, 100},
                                         TLengthCase{101, 100, 100}, TLengthCase{125, 100, 100},
                                         TLengthCase{255, 100, 100}, TLengthCase{6, 11, 6}));

std::vector<std::uint8_t> sampleHeader(const std::string& aCategory) {
  TSampleItem item;
  item.Name = "Oak";
  item.Category = aCategory;
  item.Seed = 3;
  return buildSampleItem(item);
}

TEST(StoreRemarksTest, ShorterCategoryChangesOnlyLengthAndItsBytes) {
  const std::vector<std::uint8_t> before = sampleHeader("Vegetation");  // 10 characters
  TFileHeader header;
  std::copy_n(before.begin(), kItemHeaderSize, header.Bytes.begin());
  TVectorEngine::SetLibraryItemRemarks(header, u"Car");
  for (std::size_t i = 0; i < kItemHeaderSize; ++i) {
    if (i == 67 || (i >= 68 && i <= 70)) continue;
    EXPECT_EQ(header.Bytes[i], before[i]) << "byte " << i;
  }
  EXPECT_EQ(header.Bytes[67], 3);
  EXPECT_EQ(std::string(header.Bytes.begin() + 68, header.Bytes.begin() + 71), "Car");
  EXPECT_EQ(std::string(header.Bytes.begin() + 71, header.Bytes.begin() + 78), "etation");
}

TEST(StoreRemarksTest, LongCategoryIsCutToOneHundredBytes) {
  TFileHeader header;
  const std::vector<std::uint8_t> before = sampleHeader("x");
  std::copy_n(before.begin(), kItemHeaderSize, header.Bytes.begin());
  std::u16string longText;
  for (int i = 0; i < 120; ++i) longText.push_back(static_cast<char16_t>(u'a' + i % 26));
  TVectorEngine::SetLibraryItemRemarks(header, longText);
  EXPECT_EQ(header.Bytes[67], 100);
  EXPECT_EQ(readItemRemarks(header.Bytes.data()), longText.substr(0, 100));
  for (std::size_t i = 168; i < kItemHeaderSize; ++i) EXPECT_EQ(header.Bytes[i], before[i]) << i;
}

TEST(StoreRemarksTest, CategoryIsStoredThroughTheCodePage) {
  TFileHeader header;
  TVectorEngine::SetLibraryItemRemarks(header, u"B\u00e4ume \u20ac \u0416");
  EXPECT_EQ(header.Bytes[67], 9);
  EXPECT_EQ(std::string(header.Bytes.begin() + 68, header.Bytes.begin() + 77), "B\xe4ume \x80 ?");
}

}  // namespace
