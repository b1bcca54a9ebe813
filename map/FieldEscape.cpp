// SPDX-License-Identifier: GPL-3.0-or-later
#include "FieldEscape.h"

#include <algorithm>
#include <array>

#include "TextCodec.h"

namespace {

/// A character that a field cannot hold as it is, and the letter that
/// follows the backslash in its place.
struct TEscape {
  char Raw;
  char Letter;
};

constexpr std::array<TEscape, 4> kEscapes = {{{'\\', '\\'}, {'\t', 't'}, {'\n', 'n'}, {'\r', 'r'}}};

const TEscape* escapeFor(char aRaw) {
  const auto it = std::find_if(kEscapes.begin(), kEscapes.end(),
                               [&](const TEscape& e) { return e.Raw == aRaw; });
  return it == kEscapes.end() ? nullptr : &*it;
}

const TEscape* escapeNamed(char aLetter) {
  const auto it = std::find_if(kEscapes.begin(), kEscapes.end(),
                               [&](const TEscape& e) { return e.Letter == aLetter; });
  return it == kEscapes.end() ? nullptr : &*it;
}

}  // namespace

std::string escapeField(std::string_view aText) {
  std::string out;
  out.reserve(aText.size());
  for (const char c : aText) {
    if (const TEscape* escape = escapeFor(c)) {
      out += '\\';
      out += escape->Letter;
    } else {
      out += c;
    }
  }
  return out;
}

std::string escapeField(std::u16string_view aText) { return escapeField(utf16ToUtf8(aText)); }

TUnescaped unescapeField(std::string_view aField) {
  TUnescaped result;
  result.Text.reserve(aField.size());
  for (std::size_t i = 0; i < aField.size(); ++i) {
    if (aField[i] != '\\') {
      result.Text += aField[i];
      continue;
    }
    const TEscape* escape = i + 1 < aField.size() ? escapeNamed(aField[i + 1]) : nullptr;
    if (!escape) {
      result.Error = TBadEscape{i};
      return result;
    }
    result.Text += escape->Raw;
    ++i;
  }
  return result;
}
