// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "MapFile.h"
#include "MapMessages.h"

namespace {

TEST(MapMessagesTest, DuplicateNamesTheFirstLine) {
  const TMapParse parsed = parseMapFile("x\ty\na\tb\nx\tz\n");
  ASSERT_TRUE(parsed.Error);
  EXPECT_NE(describeMapError(*parsed.Error).find("line 1"), std::string::npos);
}

TEST(MapMessagesTest, EmptyNewTextUsesTheWindowsWords) {
  const TMapParse parsed = parseMapFile("a\t\n");
  ASSERT_TRUE(parsed.Error);
  EXPECT_EQ(describeMapError(*parsed.Error), "Sorry - There is an empty category!");
}

}  // namespace
