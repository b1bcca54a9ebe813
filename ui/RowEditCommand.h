// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QUndoCommand>

class QListWidget;

/// One committed edit of a row of the new-category list, as a step of the
/// window's undo history. Doing and undoing it sets the row's text and
/// selects the row, so the user sees what changed.
class TRowEditCommand final : public QUndoCommand {
 public:
  TRowEditCommand(QListWidget* aList, int aRow, const QString& aOldText, const QString& aNewText);

  void redo() override;
  void undo() override;

 private:
  void Show(const QString& aText);

  QListWidget* mList;
  int mRow;
  QString mOldText;
  QString mNewText;
};
