// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class TVectorEngine;

inline constexpr int kTooltipTextLength = 120;
inline constexpr int kTooltipNameLength = 40;
inline constexpr int kTooltipNames = 4;

/// The tooltip of a category row, as plain lines: aText in full, then how
/// many items carry catalogue entry aCat of aEngine and the first of their
/// names in file order ("8 items: Tree 10, Tree 2, Tree 1, Oak, …"). Control
/// characters are written as escapes, and a text too long for a tooltip is
/// cut with an ellipsis: the category's text after kTooltipTextLength
/// characters, each name after kTooltipNameLength, the list after
/// kTooltipNames names. Without such an entry, only the text.
QString CategoryTooltip(const QString& aText, const TVectorEngine& aEngine, int aCat);

/// aText as a tooltip shows it: markup in it shown as typed, its spaces kept
/// and its lines never wrapped.
QString TooltipMarkup(const QString& aText);
