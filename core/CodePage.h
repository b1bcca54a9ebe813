// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

/// The single-byte Windows ANSI code pages a library's texts may be written
/// in; the value is the code page's number.
enum class TCodePage : int {
  Thai = 874,
  CentralEuropean = 1250,
  Cyrillic = 1251,
  Western = 1252,
  Greek = 1253,
  Turkish = 1254,
  Hebrew = 1255,
  Arabic = 1256,
  Baltic = 1257,
  Vietnamese = 1258,
};

/// Every supported code page, in order of number.
const std::vector<TCodePage>& supportedCodePages();

/// "windows-1250", the code page's usual short name.
std::string codePageName(TCodePage aPage);

/// "Central European (Windows-1250)", the name a menu shows.
std::string codePageTitle(TCodePage aPage);

/// The code page that "windows-1250", "cp1250" or "1250" names (letter case
/// ignored; "windows-874", "cp874" and "874" for Thai); nothing for any other.
std::optional<TCodePage> codePageByName(std::string_view aName);

/// Every byte value decodes to exactly one UTF-16 code unit, and that unit
/// encodes back to the same byte. A byte the code page leaves undefined
/// decodes to the C1 control of the same value in 0x80-0x9F and to the
/// private-use U+F700 + byte elsewhere. One table lookup per byte; the tables
/// come from the system's iconv, built once at first use.
std::u16string decodeAnsi(std::string_view aBytes, TCodePage aPage);
/// decodeAnsi into aText, whose storage is reused.
void decodeAnsiTo(std::string_view aBytes, TCodePage aPage, std::u16string& aText);

/// A text as it will be stored in a field of the code page.
struct TAnsiText {
  /// The bytes stored: '?' for every character without a byte, at most the
  /// capacity asked for.
  std::string Bytes;
  /// Where, in the UTF-16 text, each character without a byte starts (a
  /// surrogate pair or a lone surrogate counts as one character).
  std::vector<std::size_t> Lost;
  /// True when the encoding was longer than the capacity and was cut.
  bool Cut = false;

  /// True when the text is stored as given.
  bool Exact() const { return Lost.empty() && !Cut; }
};

/// Encodes aText in the code page, one byte per character, cut to aCapacity
/// bytes.
TAnsiText encodeAnsi(std::u16string_view aText, TCodePage aPage,
                     std::size_t aCapacity = std::numeric_limits<std::size_t>::max());
/// encodeAnsi into aStored, whose storage is reused.
void encodeAnsiTo(std::u16string_view aText, TCodePage aPage, std::size_t aCapacity,
                  TAnsiText& aStored);

/// Whether every ASCII character is the byte of its own value in aPage and
/// back, so that an ASCII text, in UTF-8 too, is its own encoding.
bool asciiIsItself(TCodePage aPage);

/// The characters of aText that aStored (its encoding) has no byte for, in
/// order of first appearance and each once; a surrogate pair is one
/// character.
std::vector<std::u16string_view> lostCharacters(std::u16string_view aText,
                                                const TAnsiText& aStored);
