// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "LibraryWalk.h"
#include "LoaderSaver.h"
#include "TextCodec.h"

/// A length-prefixed field as a reader must take it: never more than the
/// field's capacity.
inline std::u16string clampedField(const std::uint8_t* aField, std::size_t aCapacity) {
  const std::size_t length = std::min<std::size_t>(aField[0], aCapacity);
  return cp1252ToUtf16(std::string(reinterpret_cast<const char*>(aField + 1), length));
}

/// The engine holds exactly what the walk of aBytes says is there: the
/// outcome, the counts, every item's bytes taken from its place in the
/// buffer, its name and category from inside their fields, and a catalogue
/// that lists each item once.
inline void expectLoadedAsWalked(const TVectorEngine& aEngine, const TLoadResult& aResult,
                                 const std::vector<std::uint8_t>& aBytes) {
  const TExpectedLoad expected = walkLibrary(aBytes);
  ASSERT_EQ(aResult.Kind, expected.Kind);
  if (expected.Kind == TLoadResult::TKind::NotALibrary) {
    EXPECT_EQ(aEngine.ItemCount(), 0u);
    return;
  }
  EXPECT_EQ(aResult.ItemsDeclared, expected.Declared);
  EXPECT_EQ(aResult.TrailingBytes, expected.Trailing);
  ASSERT_EQ(aResult.ItemsRead, static_cast<std::int64_t>(expected.Items.size()));
  ASSERT_EQ(aEngine.ItemCount(), expected.Items.size());
  ASSERT_EQ(aEngine.Names().size(), expected.Items.size());
  EXPECT_EQ(aResult.Damage == TLoadResult::TDamage::None,
            expected.Kind == TLoadResult::TKind::Loaded);

  std::vector<int> listed(expected.Items.size());
  for (int c = 0; c < aEngine.GetLibraryIndexCount(); ++c)
    for (std::uint32_t id : aEngine.Catalog().Identifiers(static_cast<std::size_t>(c))) {
      ASSERT_LT(id, listed.size());
      ++listed[id];
      const TItemStream item = aEngine.GetLibraryItembyID(static_cast<int>(id));
      EXPECT_EQ(aEngine.GetLibraryIndexItem(c), clampedField(item.Data + 67, 100));
    }
  EXPECT_TRUE(std::all_of(listed.begin(), listed.end(), [](int n) { return n == 1; }));

  for (std::size_t i = 0; i < expected.Items.size(); ++i) {
    const TItemStream item = aEngine.GetLibraryItembyID(static_cast<int>(i));
    const TItemSpan span = expected.Items[i];
    ASSERT_EQ(item.Size, span.Size) << "item " << i;
    EXPECT_TRUE(std::equal(item.Data, item.Data + item.Size, aBytes.begin() + span.Offset))
        << "item " << i;
    EXPECT_EQ(aEngine.Name(i), clampedField(aBytes.data() + span.Offset + 16, 50));
  }
}
