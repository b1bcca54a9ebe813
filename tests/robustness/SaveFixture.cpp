// SPDX-License-Identifier: GPL-3.0-or-later
#include "SaveFixture.h"

#include "FileLayer.h"
#include "SampleItems.h"

namespace {

// Larger than the file layer's 1 MiB write block, so a save writes some
// blocks during the loop and the last one only at commit.
TSampleLibrary largeLibrary() { return numberedLibrary(300, 7, 5000); }

TSampleLibrary oldLibrary() {
  TSampleLibrary lib;
  lib.Items = {sampleItem("Old", "Kept", 3)};
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
