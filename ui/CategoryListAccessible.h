// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

/// Makes a screen reader hear a TCategoryList as a list of its rows, each
/// read as the list shows it: its text, and in its description why it is
/// marked. Qt's own accessible list takes the model's first column, not the
/// one the list shows. Installed once; later calls do nothing.
void InstallCategoryListAccessibility();
