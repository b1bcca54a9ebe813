// SPDX-License-Identifier: GPL-3.0-or-later
#include "LabelFit.h"

#include <QLabel>
#include <algorithm>

namespace {

// Keeps the text off the window's edge.
constexpr int kMargin = 4;

}  // namespace

void FitCentredLabel(QLabel* aLabel, int aCentreX, int aTop, int aMinWidth) {
  const QSize window = aLabel->parentWidget()->size();
  const int room = window.width() - 2 * kMargin;
  aLabel->setWordWrap(false);
  const int wanted = std::max(aMinWidth, aLabel->sizeHint().width());
  const bool wraps = wanted > room;
  aLabel->setWordWrap(wraps);
  const int width = std::min(wanted, room);
  const int height = wraps ? aLabel->heightForWidth(width) : aLabel->sizeHint().height();
  const int left = std::clamp(aCentreX - width / 2, kMargin, window.width() - kMargin - width);
  const int top = std::max(0, std::min(aTop, window.height() - kMargin - height));
  aLabel->setGeometry(left, top, width, height);
}
