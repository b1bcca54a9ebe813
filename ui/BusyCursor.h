// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>

/// Shows the busy cursor over the program's windows while it lives, for work
/// that holds the event loop longer than a moment (loading a library,
/// filling the lists). The windows are painted first, so that a closed
/// dialog leaves no image behind while the work runs; what the user does
/// meanwhile waits until the work is done.
class TBusyCursor {
 public:
  TBusyCursor() {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  }
  ~TBusyCursor() { QGuiApplication::restoreOverrideCursor(); }
  TBusyCursor(const TBusyCursor&) = delete;
  TBusyCursor& operator=(const TBusyCursor&) = delete;
};
