// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "TerminalProgress.h"

namespace {

/// Drives the reporter the way a save of aItems items does.
void runSave(TWorkProgress& aProgress, int aItems) {
  aProgress.Begin(aItems);
  for (int k = 0; k < aItems; ++k) aProgress.Advance(k);
  aProgress.End();
}

struct TBarCase {
  const char* Name;
  int Items;
  /// Distinct percentages the save passes through, plus the final 100.
  long Drawings;
};

void PrintTo(const TBarCase& aCase, std::ostream* aOut) { *aOut << aCase.Name; }

class TerminalProgressTest : public testing::TestWithParam<TBarCase> {};

TEST_P(TerminalProgressTest, DrawsOncePerPercentageAndEndsTheLine) {
  std::ostringstream out;
  TTerminalProgress progress(out, true);
  runSave(progress, GetParam().Items);
  const std::string text = out.str();
  EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), GetParam().Drawings);
  if (GetParam().Drawings > 0) {
    EXPECT_TRUE(text.ends_with("100 %\n")) << text;
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1);
  }
}

INSTANTIATE_TEST_SUITE_P(Saves, TerminalProgressTest,
                         testing::Values(TBarCase{"NoItems", 0, 0}, TBarCase{"ThreeItems", 3, 4},
                                         TBarCase{"ManyItems", 1000, 101},
                                         TBarCase{"TwoHundredItems", 200, 101}),
                         [](const auto& info) { return info.param.Name; });

TEST(TerminalProgressOffTest, WritesNothingWhenNotATerminal) {
  std::ostringstream out;
  TTerminalProgress progress(out, false);
  runSave(progress, 50);
  progress.EndLine();
  EXPECT_TRUE(out.str().empty());
}

TEST(TerminalProgressFailureTest, FailedSaveEndsTheOpenLine) {
  std::ostringstream out;
  TTerminalProgress progress(out, true);
  progress.Begin(10);
  progress.Advance(3);
  progress.EndLine();
  EXPECT_TRUE(out.str().ends_with(" 30 %\n")) << out.str();
  progress.EndLine();
  const std::string text = out.str();
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1);
}

}  // namespace
