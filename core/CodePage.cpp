// SPDX-License-Identifier: GPL-3.0-or-later
#include "CodePage.h"

#include <iconv.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>
#include <mutex>
#include <stdexcept>

namespace {

struct TPageInfo {
  TCodePage Page;
  const char* Iconv;
  const char* Title;
};

constexpr std::array<TPageInfo, 10> kPages = {{
    {TCodePage::Thai, "CP874", "Thai"},
    {TCodePage::CentralEuropean, "CP1250", "Central European"},
    {TCodePage::Cyrillic, "CP1251", "Cyrillic"},
    {TCodePage::Western, "CP1252", "Western European"},
    {TCodePage::Greek, "CP1253", "Greek"},
    {TCodePage::Turkish, "CP1254", "Turkish"},
    {TCodePage::Hebrew, "CP1255", "Hebrew"},
    {TCodePage::Arabic, "CP1256", "Arabic"},
    {TCodePage::Baltic, "CP1257", "Baltic"},
    {TCodePage::Vietnamese, "CP1258", "Vietnamese"},
}};

const TPageInfo& infoOf(TCodePage aPage) {
  const auto it = std::find_if(kPages.begin(), kPages.end(),
                               [aPage](const TPageInfo& p) { return p.Page == aPage; });
  if (it == kPages.end()) throw std::invalid_argument("unsupported code page");
  return *it;
}

constexpr char32_t kUndefinedBase = 0xF700;

/// One byte decoded by the system's converter, or nothing when the code page
/// leaves it undefined. Each byte is converted on its own and the converter
/// flushed, so the composing converters (1255, 1258) give the byte's own
/// character.
std::optional<char32_t> iconvByte(iconv_t aConverter, std::uint8_t aByte) {
  iconv(aConverter, nullptr, nullptr, nullptr, nullptr);
  char in = static_cast<char>(aByte);
  char32_t out[4] = {};
  char* inPtr = &in;
  std::size_t inLeft = 1;
  char* outPtr = reinterpret_cast<char*>(out);
  std::size_t outLeft = sizeof out;
  if (iconv(aConverter, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1))
    return std::nullopt;
  iconv(aConverter, nullptr, nullptr, &outPtr, &outLeft);
  if (sizeof out - outLeft != sizeof(char32_t)) return std::nullopt;
  return out[0];
}

constexpr std::int16_t kNoByte = -1;

struct TPageTables {
  std::array<char16_t, 256> Decode{};
  /// The byte of every code unit, or kNoByte; a direct table, as a map's
  /// lookup per character would dominate encoding many texts.
  std::vector<std::int16_t> Encode = std::vector<std::int16_t>(0x10000, kNoByte);
};

TPageTables buildTables(TCodePage aPage) {
  iconv_t converter = iconv_open("UTF-32LE", infoOf(aPage).Iconv);
  if (converter == reinterpret_cast<iconv_t>(-1))
    throw std::runtime_error(std::string("the system cannot convert ") + infoOf(aPage).Iconv);
  TPageTables tables;
  for (int b = 0; b < 256; ++b) {
    const auto byte = static_cast<std::uint8_t>(b);
    std::optional<char32_t> cp = iconvByte(converter, byte);
    if (!cp || *cp > 0xFFFF || tables.Encode[*cp] != kNoByte)
      cp = (b >= 0x80 && b < 0xA0) ? char32_t(b) : kUndefinedBase + char32_t(b);
    tables.Decode[byte] = static_cast<char16_t>(*cp);
    tables.Encode[*cp] = byte;
  }
  iconv_close(converter);
  return tables;
}

/// The tables of the code page, built on first use and kept.
const TPageTables& tablesOf(TCodePage aPage) {
  static std::array<std::once_flag, kPages.size()> once;
  static std::array<TPageTables, kPages.size()> tables;
  const auto slot = static_cast<std::size_t>(&infoOf(aPage) - kPages.data());
  std::call_once(once[slot], [&] { tables[slot] = buildTables(aPage); });
  return tables[slot];
}

bool isHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool isLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

}  // namespace

const std::vector<TCodePage>& supportedCodePages() {
  static const std::vector<TCodePage> pages = [] {
    std::vector<TCodePage> all;
    for (const TPageInfo& p : kPages) all.push_back(p.Page);
    return all;
  }();
  return pages;
}

std::string codePageName(TCodePage aPage) {
  return "windows-" + std::to_string(static_cast<int>(aPage));
}

std::string codePageTitle(TCodePage aPage) {
  return std::string(infoOf(aPage).Title) + " (Windows-" + std::to_string(static_cast<int>(aPage)) +
         ")";
}

std::optional<TCodePage> codePageByName(std::string_view aName) {
  std::string lower;
  for (const char c : aName)
    lower.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
  std::string_view number = lower;
  for (const std::string_view prefix : {"windows-", "cp"})
    if (number.starts_with(prefix)) {
      number.remove_prefix(prefix.size());
      break;
    }
  for (const TPageInfo& p : kPages)
    if (number == std::to_string(static_cast<int>(p.Page))) return p.Page;
  return std::nullopt;
}

std::u16string decodeAnsi(std::string_view aBytes, TCodePage aPage) {
  std::u16string out;
  decodeAnsiTo(aBytes, aPage, out);
  return out;
}

void decodeAnsiTo(std::string_view aBytes, TCodePage aPage, std::u16string& aText) {
  const std::array<char16_t, 256>& table = tablesOf(aPage).Decode;
  aText.resize(aBytes.size());
  for (std::size_t i = 0; i < aBytes.size(); ++i)
    aText[i] = table[static_cast<std::uint8_t>(aBytes[i])];
}

TAnsiText encodeAnsi(std::u16string_view aText, TCodePage aPage, std::size_t aCapacity) {
  TAnsiText out;
  encodeAnsiTo(aText, aPage, aCapacity, out);
  return out;
}

void encodeAnsiTo(std::u16string_view aText, TCodePage aPage, std::size_t aCapacity,
                  TAnsiText& aStored) {
  TAnsiText& out = aStored;
  const auto& table = tablesOf(aPage).Encode;
  out.Bytes.clear();
  out.Lost.clear();
  out.Cut = false;
  // At most one byte a code unit: written in place, then cut to length.
  out.Bytes.resize(aText.size());
  char* const bytes = out.Bytes.data();
  std::size_t written = 0;
  for (std::size_t i = 0; i < aText.size(); ++i) {
    if (const std::int16_t byte = table[aText[i]]; byte != kNoByte) {
      bytes[written++] = static_cast<char>(byte);
      continue;
    }
    out.Lost.push_back(i);
    // A surrogate pair is one character, so it becomes one replacement.
    if (isHighSurrogate(aText[i]) && i + 1 < aText.size() && isLowSurrogate(aText[i + 1])) ++i;
    bytes[written++] = '?';
  }
  out.Bytes.resize(written);
  if (out.Bytes.size() > aCapacity) {
    out.Bytes.resize(aCapacity);
    out.Cut = true;
  }
}

bool asciiIsItself(TCodePage aPage) {
  const TPageTables& tables = tablesOf(aPage);
  for (int c = 0; c < 0x80; ++c)
    if (tables.Decode[c] != c || tables.Encode[c] != c) return false;
  return true;
}

std::vector<std::u16string_view> lostCharacters(std::u16string_view aText,
                                                const TAnsiText& aStored) {
  std::vector<std::u16string_view> out;
  for (const std::size_t at : aStored.Lost) {
    if (at >= aText.size()) continue;
    const bool pair =
        isHighSurrogate(aText[at]) && at + 1 < aText.size() && isLowSurrogate(aText[at + 1]);
    const std::u16string_view character = aText.substr(at, pair ? 2 : 1);
    // Each character is named once, however often the text holds it.
    if (std::find(out.begin(), out.end(), character) == out.end()) out.push_back(character);
  }
  return out;
}
