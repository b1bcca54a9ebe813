// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

struct TMapError;
struct TMapSkip;

/// The window's words for an empty category; zbl refuses an empty new text,
/// in the map or left by it, with the same words.
inline constexpr std::string_view kEmptyCategoryMessage = "Sorry - There is an empty category!";

inline constexpr std::string_view kNotEnoughMemory = "not enough memory";

/// zbl's reason, in words, for a refused map line.
std::string describeMapError(const TMapError& aError);

/// zbl's warning for an entry passed over: "the plural entry \"p\" was not
/// applied: ...".
std::string describeMapSkip(const TMapSkip& aSkip);

/// Why a map none of whose aEntries entries names a category of aLibrary is
/// refused: it is almost surely the wrong file. aOutcome ends the reason:
/// what the command did not do.
std::string describeForeignMap(std::size_t aEntries, std::string_view aLibrary,
                               std::string_view aOutcome = "nothing written");
