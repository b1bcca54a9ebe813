// SPDX-License-Identifier: GPL-3.0-or-later
#include "ForwardPress.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QWidget>

void ForwardPress(QWidget& aWindow, const QMouseEvent& aPress) {
  const QPointF global = aPress.globalPosition();
  const QPoint inWindow = aWindow.mapFromGlobal(global).toPoint();
  if (!aWindow.rect().contains(inWindow)) return;
  QWidget* target = aWindow.childAt(inWindow);
  if (target == nullptr) target = &aWindow;
  if (!target->isEnabled()) return;
  // A press the program sends itself gives no focus, unlike one from the
  // window system; give it as the window system's press would have.
  for (QWidget* w = target; w != nullptr; w = w->isWindow() ? nullptr : w->parentWidget()) {
    if (w->isEnabled() && (w->focusPolicy() & Qt::ClickFocus)) {
      w->setFocus(Qt::MouseFocusReason);
      break;
    }
  }
  QMouseEvent press(QEvent::MouseButtonPress, target->mapFromGlobal(global),
                    aWindow.mapFromGlobal(global), global, aPress.button(), aPress.buttons(),
                    aPress.modifiers(), aPress.pointingDevice());
  // The device remembers when its last press was; a press of another time
  // would keep the next one from making a double-click.
  press.setTimestamp(aPress.timestamp());
  QCoreApplication::sendEvent(target, &press);
}
