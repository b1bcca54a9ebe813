// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QListView>

/// A list of one column of the category map, in rows of a fixed height.
/// The two lists of the window share one selection, so its current row
/// stands in the column of the list last used; a list moves from it in its
/// own column. A screen reader hears each row as the text the list shows,
/// whatever column that is.
class TCategoryList final : public QListView {
  Q_OBJECT

 public:
  TCategoryList(QAbstractItemModel* aModel, int aColumn, QWidget* aParent);

  /// The row of the shared selection; -1 for none.
  int CurrentRow() const;

  void doItemsLayout() override;

 protected:
  void keyPressEvent(QKeyEvent* aEvent) override;
  void focusInEvent(QFocusEvent* aEvent) override;
  void currentChanged(const QModelIndex& aCurrent, const QModelIndex& aPrevious) override;
  void dataChanged(const QModelIndex& aTopLeft, const QModelIndex& aBottomRight,
                   const QList<int>& aRoles = QList<int>()) override;

 private:
  void TakeCurrentRow();
  /// The width the last row asks for, which every row is laid out at.
  int LastRowWidth() const;

  int mLaidOutWidth = -1;
};
