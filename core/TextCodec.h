// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

/// Conversions between UTF-16 and the UTF-8 used at the command line, and the
/// Windows-1252 shorthands of CodePage.h.

/// Every one of the 256 byte values maps to exactly one UTF-16 code unit; the
/// five bytes Windows-1252 leaves undefined map to the C1 controls of the same
/// value, so any field read and written back is unchanged.
std::u16string cp1252ToUtf16(std::string_view aBytes);

/// A character without a byte in the code page becomes one '?'; a surrogate
/// pair counts as one character.
std::string utf16ToCp1252(std::u16string_view aText);

/// Strict UTF-8 decoding (no overlongs, no surrogates, nothing above
/// U+10FFFF). Returns nothing when the input is not valid UTF-8.
std::optional<std::u16string> utf8ToUtf16(std::string_view aBytes);
/// utf8ToUtf16 into aText, whose storage is reused; false (aText then
/// undefined) when the input is not valid UTF-8.
bool utf8ToUtf16To(std::string_view aBytes, std::u16string& aText);
/// How many of the first bytes of aBytes are ASCII.
std::size_t asciiPrefix(std::string_view aBytes);
/// Whether utf8ToUtf16 would decode aBytes.
bool isValidUtf8(std::string_view aBytes);

/// A lone surrogate becomes U+FFFD.
std::string utf16ToUtf8(std::u16string_view aText);

/// The text with every control character written as an escape (\t, \n, \r,
/// or \x and two hex digits), and every byte that is not part of valid
/// UTF-8 as \x and two hex digits, so that a reason cannot break a one-line
/// message and the message stays UTF-8; everything else, the backslash
/// included, stands (a reason may hold fields escaped already).
std::string escapeControlCharacters(std::string_view aText);

/// A file name as a message shows it: escaped as escapeControlCharacters
/// does, and a backslash as two, so that a name holding a backslash and an
/// n reads otherwise than one holding a newline.
std::string escapeName(std::string_view aName);
