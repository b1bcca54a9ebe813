// SPDX-License-Identifier: GPL-3.0-or-later
#include "SaveFixture.h"

#include "FileLayer.h"
#include "SampleLibrary.h"

namespace {

// Larger than the file layer's 1 MiB write block, so a save writes some
// blocks during the loop and the last one only at commit.
TSampleLibrary largeLibrary() {
  TSampleLibrary lib;
  for (int i = 0; i < 300; ++i) {
    TSampleItem item;
    item.Name = "Item " + std::to_string(300 - i);
    item.Category = "Category " + std::to_string(i % 7);
    item.Seed = static_cast<std::uint8_t>(i);
    item.Body.assign(5000, static_cast<std::uint8_t>(i * 3));
    lib.Items.push_back(item);
  }
  return lib;
}

TSampleLibrary oldLibrary() {
  TSampleLibrary lib;
  TSampleItem item;
  item.Name = "Old";
  item.Category = "Kept";
  item.Body = {1, 2, 3};
  lib.Items.push_back(item);
  return lib;
}

}  // namespace

std::string asText(const std::vector<std::uint8_t>& aBytes) {
  return std::string(aBytes.begin(), aBytes.end());
}

void TSaveFixture::SetUp() {
  In = Dir.File("in.zbl");
  Old = Dir.File("old.zbl");
  writeBytesToFile(In, buildSampleLibrary(largeLibrary()));
  writeBytesToFile(Old, buildSampleLibrary(oldLibrary()));
  ASSERT_EQ(Engine.LoadLibraryFromFile(In).Kind, TLoadResult::TKind::Loaded);
  TMemorySink sink;
  Engine.SaveLibraryToStream(sink, Translation());
  Expected = sink.Bytes;
  TMemorySink kept;
  Engine.SaveLibraryToStream(kept, TCategoryMap::Identity(Engine));
  ExpectedKept = kept.Bytes;
  ASSERT_GT(Expected.size(), (std::size_t{1} << 20) + 16384);
  Before = snapshotDir(Dir.Path());
}

TCategoryMap TSaveFixture::Translation() const {
  TCategoryMap map = TCategoryMap::Identity(Engine);
  for (std::u16string& text : map.NewCats) text = u"Neu " + text;
  return map;
}

void TSaveFixture::ExpectDirectoryUnchanged() const { EXPECT_EQ(snapshotDir(Dir.Path()), Before); }
