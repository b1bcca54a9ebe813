// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextCodec.h"

#include <cstdint>
#include <cstring>

#include "CodePage.h"

namespace {

bool isHighSurrogate(char32_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool isLowSurrogate(char32_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

}  // namespace

std::u16string cp1252ToUtf16(std::string_view aBytes) {
  return decodeAnsi(aBytes, TCodePage::Western);
}

std::string utf16ToCp1252(std::u16string_view aText) {
  return encodeAnsi(aText, TCodePage::Western).Bytes;
}

bool utf8ToUtf16To(std::string_view aBytes, std::u16string& aText) {
  std::u16string& out = aText;
  out.clear();
  out.reserve(aBytes.size());
  std::size_t i = 0;
  while (i < aBytes.size()) {
    const auto b0 = static_cast<std::uint8_t>(aBytes[i]);
    if (b0 < 0x80) {
      out.push_back(b0);
      ++i;
      continue;
    }
    std::size_t extra = 0;
    char32_t cp = 0;
    char32_t minimum = 0;
    if ((b0 & 0xE0) == 0xC0) {
      extra = 1, cp = b0 & 0x1F, minimum = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
      extra = 2, cp = b0 & 0x0F, minimum = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
      extra = 3, cp = b0 & 0x07, minimum = 0x10000;
    } else {
      return false;
    }
    if (aBytes.size() - i <= extra) return false;
    for (std::size_t k = 1; k <= extra; ++k) {
      const auto b = static_cast<std::uint8_t>(aBytes[i + k]);
      if ((b & 0xC0) != 0x80) return false;
      cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
    if (cp >= 0x10000) {
      cp -= 0x10000;
      out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
    } else {
      out.push_back(static_cast<char16_t>(cp));
    }
    i += extra + 1;
  }
  return true;
}

std::optional<std::u16string> utf8ToUtf16(std::string_view aBytes) {
  std::u16string out;
  if (!utf8ToUtf16To(aBytes, out)) return std::nullopt;
  return out;
}

std::size_t asciiPrefix(std::string_view aBytes) {
  // Eight bytes at a time while none has its high bit set.
  std::size_t at = 0;
  for (; at + 8 <= aBytes.size(); at += 8) {
    std::uint64_t word = 0;
    std::memcpy(&word, aBytes.data() + at, 8);
    if (word & 0x8080808080808080ULL) break;
  }
  while (at < aBytes.size() && static_cast<std::uint8_t>(aBytes[at]) < 0x80) ++at;
  return at;
}

bool isValidUtf8(std::string_view aBytes) {
  // Most texts are ASCII; only a run with a byte above it is decoded.
  std::size_t from = 0;
  while (from < aBytes.size()) {
    from += asciiPrefix(aBytes.substr(from));
    if (from == aBytes.size()) break;
    if (static_cast<std::uint8_t>(aBytes[from]) < 0x80) {
      ++from;
      continue;
    }
    std::size_t to = from;
    while (to < aBytes.size() && static_cast<std::uint8_t>(aBytes[to]) >= 0x80) ++to;
    thread_local std::u16string scratch;
    if (!utf8ToUtf16To(aBytes.substr(from, to - from), scratch)) return false;
    from = to;
  }
  return true;
}

std::string utf16ToUtf8(std::u16string_view aText) {
  std::string out;
  out.reserve(aText.size());
  for (std::size_t i = 0; i < aText.size(); ++i) {
    char32_t cp = aText[i];
    if (isHighSurrogate(cp) && i + 1 < aText.size() && isLowSurrogate(aText[i + 1])) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (aText[i + 1] - 0xDC00);
      ++i;
    } else if (isHighSurrogate(cp) || isLowSurrogate(cp)) {
      cp = 0xFFFD;
    }
    if (cp < 0x80) {
      out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
      out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
  }
  return out;
}

namespace {

// The length of the valid UTF-8 sequence that starts aText, or 0.
std::size_t validSequence(std::string_view aText) {
  const auto lead = static_cast<unsigned char>(aText[0]);
  const std::size_t length = lead < 0x80   ? 1
                             : lead < 0xC2 ? 0
                             : lead < 0xE0 ? 2
                             : lead < 0xF0 ? 3
                             : lead < 0xF5 ? 4
                                           : 0;
  if (length == 0 || length > aText.size()) return 0;
  return length == 1 || utf8ToUtf16(aText.substr(0, length)) ? length : 0;
}

std::string escaped(std::string_view aText, bool aBackslash) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string out;
  out.reserve(aText.size());
  for (std::size_t at = 0; at < aText.size();) {
    const char c = aText[at];
    const auto byte = static_cast<unsigned char>(c);
    if (const std::size_t length = byte >= 0x80 ? validSequence(aText.substr(at)) : 1; length > 1) {
      out.append(aText.substr(at, length));
      at += length;
      continue;
    }
    ++at;
    if (c == '\t') {
      out += "\\t";
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\r') {
      out += "\\r";
    } else if (c == '\\' && aBackslash) {
      out += "\\\\";
    } else if (byte < 0x20 || byte >= 0x7f) {
      // A control character, or a byte of no valid sequence.
      out += "\\x";
      out += kHex[byte >> 4];
      out += kHex[byte & 0xf];
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace

std::string escapeControlCharacters(std::string_view aText) { return escaped(aText, false); }

std::string escapeName(std::string_view aName) { return escaped(aName, true); }
