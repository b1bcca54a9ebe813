// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QEvent>
#include <QLineEdit>
#include <QPointer>

/// The message the main window posts to itself to release an in-place
/// editor once the editor's own event handler has returned.
class TFreeEditorEvent final : public QEvent {
 public:
  /// WM_USER + 230, the number this message has always had.
  static constexpr QEvent::Type kType = static_cast<QEvent::Type>(1254);

  explicit TFreeEditorEvent(QLineEdit* aEditor);

  QLineEdit* Editor() const { return mEditor.data(); }

 private:
  QPointer<QLineEdit> mEditor;
};
