// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowPressWatch.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QWidget>

TWindowPressWatch::TWindowPressWatch(QWidget* aWidget,
                                     std::function<void(const QMouseEvent&)> aPressed)
    : QObject(aWidget), mWidget(aWidget), mPressed(std::move(aPressed)) {
  QCoreApplication::instance()->installEventFilter(this);
}

TWindowPressWatch::~TWindowPressWatch() {
  if (QCoreApplication* application = QCoreApplication::instance())
    application->removeEventFilter(this);
}

bool TWindowPressWatch::eventFilter(QObject* aWatched, QEvent* aEvent) {
  if (aEvent->type() != QEvent::MouseButtonPress && aEvent->type() != QEvent::MouseButtonDblClick)
    return false;
  const auto* widget = qobject_cast<QWidget*>(aWatched);
  if (widget == nullptr || widget->window() != mWidget->window()) return false;
  mPressed(*static_cast<QMouseEvent*>(aEvent));
  return false;
}
