// SPDX-License-Identifier: GPL-3.0-or-later
#include "CategoryList.h"

#include <QAccessible>

#include "CategoryListAccessible.h"

TCategoryList::TCategoryList(QAbstractItemModel* aModel, int aColumn, QWidget* aParent)
    : QListView(aParent) {
  InstallCategoryListAccessibility();
  setModel(aModel);
  setModelColumn(aColumn);
}

int TCategoryList::CurrentRow() const {
  const QModelIndex current = selectionModel()->currentIndex();
  return current.isValid() ? current.row() : -1;
}

void TCategoryList::TakeCurrentRow() {
  const QModelIndex current = selectionModel()->currentIndex();
  if (current.isValid() && current.column() != modelColumn())
    selectionModel()->setCurrentIndex(current.siblingAtColumn(modelColumn()),
                                      QItemSelectionModel::NoUpdate);
}

void TCategoryList::keyPressEvent(QKeyEvent* aEvent) {
  TakeCurrentRow();
  QListView::keyPressEvent(aEvent);
}

void TCategoryList::focusInEvent(QFocusEvent* aEvent) {
  TakeCurrentRow();
  QListView::focusInEvent(aEvent);
}

void TCategoryList::currentChanged(const QModelIndex& aCurrent, const QModelIndex& aPrevious) {
  QListView::currentChanged(aCurrent, aPrevious);
  // The view counts its rows by the model's columns; a screen reader hears
  // of the row as the list presents it.
  if (QAccessible::isActive() && aCurrent.isValid() && hasFocus()) {
    QAccessibleEvent focus(this, QAccessible::Focus);
    focus.setChild(aCurrent.row());
    QAccessible::updateAccessibility(&focus);
  }
}

void TCategoryList::doItemsLayout() {
  QListView::doItemsLayout();
  mLaidOutWidth = LastRowWidth();
}

int TCategoryList::LastRowWidth() const {
  const int rows = model() ? model()->rowCount() : 0;
  if (rows == 0) return -1;
  QStyleOptionViewItem option;
  initViewItemOption(&option);
  return itemDelegate()->sizeHint(option, model()->index(rows - 1, modelColumn())).width();
}

void TCategoryList::dataChanged(const QModelIndex& aTopLeft, const QModelIndex& aBottomRight,
                                const QList<int>& aRoles) {
  // Every row is laid out at the size of the last one, so a change that
  // leaves that size as it was moves no row: the list is repainted, not laid
  // out again row by row.
  if (aBottomRight.row() < model()->rowCount() - 1 || LastRowWidth() == mLaidOutWidth) {
    QAbstractItemView::dataChanged(aTopLeft, aBottomRight, aRoles);
    return;
  }
  QListView::dataChanged(aTopLeft, aBottomRight, aRoles);
}
