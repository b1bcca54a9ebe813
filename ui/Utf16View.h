// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstddef>
#include <string_view>

/// aText's code units as the text functions outside Qt take them, without
/// a copy; valid while aText is unchanged.
inline std::u16string_view utf16View(const QString& aText) {
  return {reinterpret_cast<const char16_t*>(aText.utf16()), static_cast<std::size_t>(aText.size())};
}
