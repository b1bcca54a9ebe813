// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class QAbstractItemView;

/// F2, Enter and Return on aList call aOpen, as a double-click on its row
/// opens the editor.
void OpenEditorOnKeys(QAbstractItemView* aList, std::function<void()> aOpen);
