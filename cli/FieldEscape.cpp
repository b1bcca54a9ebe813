// SPDX-License-Identifier: GPL-3.0-or-later
#include "FieldEscape.h"

std::string escapeField(std::string_view aText) {
  std::string out;
  out.reserve(aText.size());
  for (const char c : aText) {
    switch (c) {
      case '\\':
        out += "\\\\";
        break;
      case '\t':
        out += "\\t";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      default:
        out += c;
    }
  }
  return out;
}

TUnescaped unescapeField(std::string_view aField) {
  TUnescaped result;
  result.Text.reserve(aField.size());
  for (std::size_t i = 0; i < aField.size(); ++i) {
    if (aField[i] != '\\') {
      result.Text += aField[i];
      continue;
    }
    const char next = i + 1 < aField.size() ? aField[i + 1] : '\0';
    switch (next) {
      case '\\':
        result.Text += '\\';
        break;
      case 't':
        result.Text += '\t';
        break;
      case 'n':
        result.Text += '\n';
        break;
      case 'r':
        result.Text += '\r';
        break;
      default:
        result.Error = TBadEscape{i};
        return result;
    }
    ++i;
  }
  return result;
}
