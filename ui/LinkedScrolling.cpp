// SPDX-License-Identifier: GPL-3.0-or-later
#include "LinkedScrolling.h"

#include <QAbstractScrollArea>
#include <QScrollBar>

namespace {

void followVertically(QAbstractScrollArea* aLeader, QAbstractScrollArea* aFollower) {
  QObject::connect(aLeader->verticalScrollBar(), &QScrollBar::valueChanged, aFollower,
                   [aFollower](int aValue) { aFollower->verticalScrollBar()->setValue(aValue); });
}

void matchSidewaysBars(QAbstractScrollArea* aFirst, QAbstractScrollArea* aSecond) {
  // A bar held on shows a range of 0 when the rows fit, so this settles.
  const bool wide =
      aFirst->horizontalScrollBar()->maximum() > 0 || aSecond->horizontalScrollBar()->maximum() > 0;
  const Qt::ScrollBarPolicy policy = wide ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded;
  aFirst->setHorizontalScrollBarPolicy(policy);
  aSecond->setHorizontalScrollBarPolicy(policy);
}

}  // namespace

void LinkRowScrolling(QAbstractScrollArea* aFirst, QAbstractScrollArea* aSecond) {
  followVertically(aFirst, aSecond);
  followVertically(aSecond, aFirst);
  for (QAbstractScrollArea* list : {aFirst, aSecond})
    QObject::connect(list->horizontalScrollBar(), &QScrollBar::rangeChanged, aFirst,
                     [aFirst, aSecond] { matchSidewaysBars(aFirst, aSecond); });
}
