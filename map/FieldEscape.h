// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

/// The escaping of one field of a tab-separated line: backslash, tab, newline
/// and carriage return become \\, \t, \n and \r; every other byte stands as
/// it is.

/// The field as it is written into a line; never contains a tab, a newline
/// or a carriage return.
std::string escapeField(std::string_view aText);

/// A text of the program as a field: in UTF-8, escaped.
std::string escapeField(std::u16string_view aText);

/// Where an escaped field holds something that is not one of the four
/// escapes: the backslash's offset in the field.
struct TBadEscape {
  std::size_t Offset = 0;
};

/// The field's text, or the first bad escape (a backslash followed by
/// anything but \ t n r, or ending the field).
struct TUnescaped {
  std::string Text;
  std::optional<TBadEscape> Error;
};

TUnescaped unescapeField(std::string_view aField);
