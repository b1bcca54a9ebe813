// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QAbstractScrollArea;

/// Keeps two lists of the same rows in line: scrolling either up or down
/// scrolls the other alike, and both show a sideways scroll bar when either
/// needs one, so that both show the same number of rows.
void LinkRowScrolling(QAbstractScrollArea* aFirst, QAbstractScrollArea* aSecond);
