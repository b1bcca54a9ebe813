// SPDX-License-Identifier: GPL-3.0-or-later
#include "RowEditCommand.h"

#include <QListWidget>

TRowEditCommand::TRowEditCommand(QListWidget* aList, int aRow, const QString& aOldText,
                                 const QString& aNewText)
    : QUndoCommand(QStringLiteral("Edit \"%1\"").arg(aOldText)),
      mList(aList),
      mRow(aRow),
      mOldText(aOldText),
      mNewText(aNewText) {}

void TRowEditCommand::redo() { Show(mNewText); }

void TRowEditCommand::undo() { Show(mOldText); }

void TRowEditCommand::Show(const QString& aText) {
  QListWidgetItem* item = mList->item(mRow);
  if (item == nullptr) return;
  item->setText(aText);
  mList->setCurrentRow(mRow);
}
