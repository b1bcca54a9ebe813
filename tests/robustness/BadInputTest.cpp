// SPDX-License-Identifier: GPL-3.0-or-later
// Damaged libraries loaded from memory: every prefix of a valid library and
// every single-bit flip in its headers. Whatever the damage, the engine keeps
// exactly the items whose bytes are all there, and nothing beyond them.
#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "LoadCheck.h"
#include "LoaderSaver.h"
#include "SampleItems.h"

namespace {

using TKind = TLoadResult::TKind;

struct TLibraryCase {
  const char* Label;
  TSampleLibrary (*Make)();
};

void PrintTo(const TLibraryCase& aCase, std::ostream* aOut) { *aOut << aCase.Label; }

TSampleLibrary threeItems() {
  TSampleLibrary lib;
  lib.Items = {sampleItem("Oak 10", "Trees", 7, 1), sampleItem("Car", "Cars", 0, 2),
               sampleItem("Oak 9", "Trees", 40, 3)};
  return lib;
}

TSampleLibrary fullFields() {
  TSampleLibrary lib;
  lib.Items = {sampleItem(std::string(50, 'N'), std::string(100, 'C'), 1, 4),
               sampleItem("", "", 0, 5)};
  return lib;
}

TSampleLibrary noItems() { return {}; }

class PrefixTest : public testing::TestWithParam<TLibraryCase> {};

TEST_P(PrefixTest, EveryCutKeepsExactlyTheCompleteItems) {
  const std::vector<std::uint8_t> whole = buildSampleLibrary(GetParam().Make());
  for (std::size_t cut = 0; cut <= whole.size(); ++cut) {
    SCOPED_TRACE("cut at " + std::to_string(cut));
    const std::vector<std::uint8_t> prefix(whole.begin(),
                                           whole.begin() + static_cast<std::ptrdiff_t>(cut));
    TVectorEngine engine;
    const TLoadResult result = engine.LoadLibraryFromStream(prefix);
    expectLoadedAsWalked(engine, result, prefix);
    if (cut == whole.size()) {
      EXPECT_EQ(result.Kind, TKind::Loaded);
    } else if (cut >= 24 && !GetParam().Make().Items.empty()) {
      EXPECT_EQ(result.Kind, TKind::Damaged);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Table, PrefixTest,
                         testing::Values(TLibraryCase{"ThreeItems", threeItems},
                                         TLibraryCase{"FullFields", fullFields},
                                         TLibraryCase{"NoItems", noItems}),
                         [](const auto& info) { return std::string(info.param.Label); });

// Where a flipped bit lands and what it must do to the load.
enum class TFlipEffect {
  NotALibrary,  ///< the header no longer validates
  AllItems,     ///< a field nobody checks: every item still loads
  AsWalked,     ///< a count or size: the records decide
};

struct TFlipCase {
  const char* Label;
  /// Offset of the field in the library header, or in each item's record
  /// (its 8-byte size field first, then the 192-byte header).
  std::size_t Offset;
  std::size_t Size;
  bool InEveryItem;
  TFlipEffect Effect;
};

void PrintTo(const TFlipCase& aCase, std::ostream* aOut) { *aOut << aCase.Label; }

class BitFlipTest : public testing::TestWithParam<TFlipCase> {};

TEST_P(BitFlipTest, FlippedBitGivesTheOutcomeOfTheField) {
  const TSampleLibrary lib = threeItems();
  const std::vector<std::uint8_t> whole = buildSampleLibrary(lib);
  std::vector<std::size_t> bases;
  if (GetParam().InEveryItem) {
    std::size_t at = 24;
    for (const TSampleItem& item : lib.Items) {
      bases.push_back(at);
      at += 8 + buildSampleItem(item).size();
    }
  } else {
    bases.push_back(0);
  }

  int flips = 0;
  for (const std::size_t base : bases) {
    for (std::size_t byte = 0; byte < GetParam().Size; ++byte) {
      for (int bit = 0; bit < 8; ++bit) {
        const std::size_t at = base + GetParam().Offset + byte;
        SCOPED_TRACE("byte " + std::to_string(at) + " bit " + std::to_string(bit));
        std::vector<std::uint8_t> flipped = whole;
        flipped[at] ^= static_cast<std::uint8_t>(1U << bit);
        TVectorEngine engine;
        const TLoadResult result = engine.LoadLibraryFromStream(flipped);
        expectLoadedAsWalked(engine, result, flipped);
        switch (GetParam().Effect) {
          case TFlipEffect::NotALibrary:
            EXPECT_EQ(result.Kind, TKind::NotALibrary);
            break;
          case TFlipEffect::AllItems:
            EXPECT_EQ(result.Kind, TKind::Loaded);
            EXPECT_EQ(engine.ItemCount(), 3u);
            break;
          case TFlipEffect::AsWalked:
            break;
        }
        ++flips;
      }
    }
  }
  EXPECT_EQ(flips, static_cast<int>(bases.size() * GetParam().Size * 8));
}

// Offsets in an item record are the header's offsets plus the 8-byte size.
INSTANTIATE_TEST_SUITE_P(
    LibraryHeader, BitFlipTest,
    testing::Values(TFlipCase{"SignatureLength", 0, 1, false, TFlipEffect::NotALibrary},
                    TFlipCase{"Signature", 1, 6, false, TFlipEffect::NotALibrary},
                    TFlipCase{"ContentsTail", 7, 5, false, TFlipEffect::AllItems},
                    TFlipCase{"FileVersion", 12, 4, false, TFlipEffect::NotALibrary},
                    TFlipCase{"ThemeCount", 16, 4, false, TFlipEffect::AllItems},
                    TFlipCase{"ObjectCount", 20, 4, false, TFlipEffect::AsWalked}),
    [](const auto& info) { return std::string(info.param.Label); });

INSTANTIATE_TEST_SUITE_P(
    ItemRecord, BitFlipTest,
    testing::Values(TFlipCase{"ItemSize", 0, 8, true, TFlipEffect::AsWalked},
                    TFlipCase{"Contents", 8 + 0, 12, true, TFlipEffect::AllItems},
                    TFlipCase{"FileVersion", 8 + 12, 4, true, TFlipEffect::AllItems},
                    TFlipCase{"AuthorLength", 8 + 16, 1, true, TFlipEffect::AllItems},
                    TFlipCase{"Author", 8 + 17, 50, true, TFlipEffect::AllItems},
                    TFlipCase{"RemarksLength", 8 + 67, 1, true, TFlipEffect::AllItems},
                    TFlipCase{"Remarks", 8 + 68, 100, true, TFlipEffect::AllItems},
                    TFlipCase{"ObjCount", 8 + 168, 4, true, TFlipEffect::AllItems},
                    TFlipCase{"AlignmentGap", 8 + 172, 4, true, TFlipEffect::AllItems},
                    TFlipCase{"Zoom", 8 + 176, 8, true, TFlipEffect::AllItems},
                    TFlipCase{"OffsetX", 8 + 184, 4, true, TFlipEffect::AllItems},
                    TFlipCase{"OffsetY", 8 + 188, 4, true, TFlipEffect::AllItems}),
    [](const auto& info) { return std::string(info.param.Label); });

}  // namespace
