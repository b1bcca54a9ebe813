// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <functional>

class QMouseEvent;
class QWidget;

/// Hears every mouse press on a widget of the window of aWidget, before the
/// widget pressed does, for as long as aWidget lives; the press then goes on
/// as it would.
class TWindowPressWatch final : public QObject {
 public:
  TWindowPressWatch(QWidget* aWidget, std::function<void(const QMouseEvent&)> aPressed);
  ~TWindowPressWatch() override;

 protected:
  bool eventFilter(QObject* aWatched, QEvent* aEvent) override;

 private:
  QWidget* mWidget;
  std::function<void(const QMouseEvent&)> mPressed;
};
