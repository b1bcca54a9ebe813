// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStyledItemDelegate>

/// Draws list rows at a fixed height, whatever the font asks for.
class TFixedRowDelegate final : public QStyledItemDelegate {
 public:
  TFixedRowDelegate(int aRowHeight, QObject* aParent);

  QSize sizeHint(const QStyleOptionViewItem& aOption, const QModelIndex& aIndex) const override;

 private:
  int mRowHeight;
};
