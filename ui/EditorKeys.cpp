// SPDX-License-Identifier: GPL-3.0-or-later
#include "EditorKeys.h"

#include <QAbstractItemView>
#include <QKeyEvent>

namespace {

class TEditKeyFilter final : public QObject {
 public:
  TEditKeyFilter(QAbstractItemView* aList, std::function<void()> aOpen)
      : QObject(aList), mOpen(std::move(aOpen)) {
    aList->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject*, QEvent* aEvent) override {
    if (aEvent->type() != QEvent::KeyPress) return false;
    const auto* press = static_cast<QKeyEvent*>(aEvent);
    // The keypad's Enter carries the keypad modifier; any other modifier
    // makes a different key.
    if ((press->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
    const int key = press->key();
    if (key != Qt::Key_F2 && key != Qt::Key_Return && key != Qt::Key_Enter) return false;
    mOpen();
    return true;
  }

 private:
  std::function<void()> mOpen;
};

}  // namespace

void OpenEditorOnKeys(QAbstractItemView* aList, std::function<void()> aOpen) {
  new TEditKeyFilter(aList, std::move(aOpen));
}
