// SPDX-License-Identifier: GPL-3.0-or-later
#include "CategoryListDelegate.h"

TFixedRowDelegate::TFixedRowDelegate(int aRowHeight, QObject* aParent)
    : QStyledItemDelegate(aParent), mRowHeight(aRowHeight) {}

QSize TFixedRowDelegate::sizeHint(const QStyleOptionViewItem& aOption,
                                  const QModelIndex& aIndex) const {
  QSize size = QStyledItemDelegate::sizeHint(aOption, aIndex);
  size.setHeight(mRowHeight);
  return size;
}
