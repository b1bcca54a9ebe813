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

/// Writes a library of aItems items without bodies, each with a category of
/// its own of 100 characters, and names as writeBenchLibrary gives them.
void writeCategoryLibrary(const std::string& aFile, std::int64_t aItems, std::uint32_t aSeed);

/// Writes a map that changes every category of writeCategoryLibrary's
/// library of aItems items.
void writeCategoryMap(const std::string& aFile, std::int64_t aItems);
