// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeySequence>
#include <functional>

class QAbstractItemView;
class QPushButton;

/// F2, Enter and Return on aList call aOpen, as a double-click on its row
/// opens the editor.
void OpenEditorOnKeys(QAbstractItemView* aList, std::function<void()> aOpen);

/// aKey presses aButton anywhere in its window, and the button's tooltip
/// names the key in the platform's words: "Load Library (Ctrl+O)".
void PressOnKey(QPushButton* aButton, QKeySequence::StandardKey aKey);
