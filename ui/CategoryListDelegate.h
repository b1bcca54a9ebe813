// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStyledItemDelegate>

/// Draws list rows at a fixed height, whatever the font asks for. The
/// selected row of a list without the keyboard focus is drawn in a paler
/// colour, so that of two lists selecting the same row the one that has the
/// focus shows it.
class TFixedRowDelegate : public QStyledItemDelegate {
 public:
  TFixedRowDelegate(int aRowHeight, QObject* aParent);

  QSize sizeHint(const QStyleOptionViewItem& aOption, const QModelIndex& aIndex) const override;

 protected:
  void initStyleOption(QStyleOptionViewItem* aOption, const QModelIndex& aIndex) const override;

 private:
  int mRowHeight;
};
