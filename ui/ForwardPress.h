// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QMouseEvent;
class QWidget;

/// Delivers aPress again to the control of aWindow under it, as if the mouse
/// had not been held: the control takes the focus if a click gives it one and
/// handles the press (a row is selected, a button goes down). The release that
/// follows reaches the same control by itself. A press outside aWindow goes
/// nowhere.
void ForwardPress(QWidget& aWindow, const QMouseEvent& aPress);
