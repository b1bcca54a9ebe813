// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QLabel;

/// Places a one-line label centred on aCentreX at aTop, at least aMinWidth
/// wide and as wide as its text needs, so the whole text shows whatever font
/// the machine has. A text wider than the window wraps, and the label moves
/// up so that it stays inside the window.
void FitCentredLabel(QLabel* aLabel, int aCentreX, int aTop, int aMinWidth);
