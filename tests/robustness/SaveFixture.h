// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "DirSnapshot.h"
#include "LoaderSaver.h"
#include "TempDir.h"

/// A loaded library whose save runs past the file layer's write block, an
/// older library at old.zbl that a save may replace, and the bytes the save
/// must write.
class TSaveFixture : public testing::Test {
 protected:
  void SetUp() override;

  /// The map every save here uses: each category gets a new text.
  TCategoryMap Translation() const;

  /// Expects the snapshot of the directory to be what it was before the test.
  void ExpectDirectoryUnchanged() const;

  TTempDir Dir;
  std::string In;
  std::string Old;
  TVectorEngine Engine;
  std::vector<std::uint8_t> Expected;
  /// What a save that keeps every category writes, as zbl translate does
  /// without a map.
  std::vector<std::uint8_t> ExpectedKept;
  TDirSnapshot Before;
};

/// The bytes as a string, for snapshot entries.
std::string asText(const std::vector<std::uint8_t>& aBytes);
