// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>

#include "FileLayer.h"
#include "LibraryWalk.h"
#include "LoaderSaver.h"
#include "TempDir.h"
#include "TextCodec.h"
#include "strnatcomp.h"

namespace {

TEST(SampleRoundTripTest, IdentitySaveWritesTheSameItemsInNaturalOrder) {
  const std::vector<std::uint8_t> original = readFileBytes(ZBL_SAMPLE_FILE);
  TVectorEngine engine;
  const TLoadResult result = engine.LoadLibraryFromFile(ZBL_SAMPLE_FILE);
  ASSERT_EQ(result.Kind, TLoadResult::TKind::Loaded);

  TTempDir dir;
  engine.SaveLibraryToFile(dir.File("copy.zbl"), TCategoryMap::Identity(engine));
  const TParsedLibrary in = parseLibrary(original);
  const TParsedLibrary out = parseLibrary(readFileBytes(dir.File("copy.zbl")));
  ASSERT_GE(in.Items.size(), 25u);
  ASSERT_EQ(out.Items.size(), in.Items.size());

  // The same items, byte for byte ...
  auto sortedIn = in.Items;
  auto sortedOut = out.Items;
  std::sort(sortedIn.begin(), sortedIn.end());
  std::sort(sortedOut.begin(), sortedOut.end());
  EXPECT_EQ(sortedOut, sortedIn);

  // ... in natural order, and an item whose name repeats keeps its file order.
  for (std::size_t k = 1; k < out.Items.size(); ++k) {
    const std::u16string a = cp1252ToUtf16(itemName(out.Items[k - 1]));
    const std::u16string b = cp1252ToUtf16(itemName(out.Items[k]));
    EXPECT_LE(NatCompare(a, b), 0) << k;
    if (NatCompare(a, b) == 0) {
      const auto firstIn = std::find(in.Items.begin(), in.Items.end(), out.Items[k - 1]);
      const auto secondIn = std::find(in.Items.begin(), in.Items.end(), out.Items[k]);
      EXPECT_LT(firstIn, secondIn) << k;
    }
  }
  std::vector<std::string> names;
  for (const auto& item : out.Items) names.push_back(itemName(item));
  const auto position = [&](const std::string& n) {
    return std::find(names.begin(), names.end(), n) - names.begin();
  };
  EXPECT_LT(position("Tree 2"), position("Tree 10"));
  EXPECT_LT(position("Tree 10"), position("Tree 20"));
  EXPECT_LT(position("Sign 9"), position("Sign 100"));
  EXPECT_LT(position("Lorry 007"), position("Lorry 7"));
  EXPECT_EQ(out.Header, in.Header);
}

}  // namespace
