// SPDX-License-Identifier: GPL-3.0-or-later
#include "CategoryListDelegate.h"

#include <QWidget>

TFixedRowDelegate::TFixedRowDelegate(int aRowHeight, QObject* aParent)
    : QStyledItemDelegate(aParent), mRowHeight(aRowHeight) {}

QSize TFixedRowDelegate::sizeHint(const QStyleOptionViewItem& aOption,
                                  const QModelIndex& aIndex) const {
  QSize size = QStyledItemDelegate::sizeHint(aOption, aIndex);
  size.setHeight(mRowHeight);
  return size;
}

void TFixedRowDelegate::initStyleOption(QStyleOptionViewItem* aOption,
                                        const QModelIndex& aIndex) const {
  QStyledItemDelegate::initStyleOption(aOption, aIndex);
  if (aOption->widget == nullptr || aOption->widget->hasFocus()) return;
  // Halfway between the selection colour and the list's background.
  const QColor selected = aOption->palette.color(QPalette::Highlight);
  const QColor base = aOption->palette.color(QPalette::Base);
  const QColor pale((selected.red() + base.red()) / 2, (selected.green() + base.green()) / 2,
                    (selected.blue() + base.blue()) / 2);
  aOption->palette.setColor(QPalette::Highlight, pale);
  aOption->palette.setColor(QPalette::HighlightedText, aOption->palette.color(QPalette::Text));
}
