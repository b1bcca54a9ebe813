// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

/// Writes a library of aItems items for the benchmark: names that mix words
/// and numbers, 50 categories, bodies of random length up to 2 KiB. The same
/// seed gives the same file.
void writeBenchLibrary(const std::string& aFile, std::int64_t aItems, std::uint32_t aSeed);

/// Writes a map that changes every one of the 50 categories.
void writeBenchMap(const std::string& aFile);
