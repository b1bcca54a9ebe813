// SPDX-License-Identifier: GPL-3.0-or-later
#include "Artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

void drawSheet(QPainter& aPainter, const QRectF& aRect, const QColor& aFill) {
  aPainter.setPen(QPen(QColor(60, 72, 96), 1.5));
  aPainter.setBrush(aFill);
  aPainter.drawRoundedRect(aRect, 4, 4);
}

}  // namespace

QPixmap LibraryPicture(int aSide) {
  QPixmap pixmap(aSide, aSide);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  // Drawn on a 100 x 100 canvas and scaled, so every size keeps the proportions.
  painter.scale(aSide / 100.0, aSide / 100.0);

  drawSheet(painter, QRectF(22, 8, 56, 70), QColor(214, 226, 244));
  drawSheet(painter, QRectF(16, 14, 56, 70), QColor(232, 240, 252));
  drawSheet(painter, QRectF(10, 20, 56, 70), Qt::white);

  // A small drawing on the front sheet: a tree beside a house.
  painter.setPen(QPen(QColor(40, 120, 60), 1.2));
  painter.setBrush(QColor(90, 170, 100));
  painter.drawEllipse(QRectF(17, 32, 18, 18));
  painter.setBrush(QColor(130, 90, 50));
  painter.drawRect(QRectF(24.5, 50, 3, 8));
  painter.setPen(QPen(QColor(150, 60, 40), 1.2));
  painter.setBrush(QColor(220, 110, 80));
  QPainterPath roof;
  roof.moveTo(39, 42);
  roof.lineTo(48, 33);
  roof.lineTo(57, 42);
  roof.closeSubpath();
  painter.drawPath(roof);
  painter.setBrush(QColor(245, 215, 160));
  painter.drawRect(QRectF(41, 42, 14, 16));

  // The category tag, with the arrow of a text being replaced.
  QLinearGradient tagFill(QPointF(46, 62), QPointF(94, 92));
  tagFill.setColorAt(0, QColor(255, 196, 60));
  tagFill.setColorAt(1, QColor(236, 140, 30));
  QPainterPath tag;
  tag.moveTo(54, 62);
  tag.lineTo(94, 62);
  tag.lineTo(94, 92);
  tag.lineTo(54, 92);
  tag.lineTo(44, 77);
  tag.closeSubpath();
  painter.setPen(QPen(QColor(150, 80, 10), 1.5));
  painter.setBrush(tagFill);
  painter.drawPath(tag);
  painter.setBrush(Qt::white);
  painter.drawEllipse(QRectF(51, 74, 6, 6));

  painter.setPen(QPen(QColor(90, 40, 0), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.drawLine(QPointF(63, 77), QPointF(85, 77));
  painter.drawLine(QPointF(79, 71), QPointF(85, 77));
  painter.drawLine(QPointF(79, 83), QPointF(85, 77));
  return pixmap;
}

QIcon ApplicationIcon() {
  QIcon icon;
  for (int side : {16, 24, 32, 48, 64, 128, 256}) icon.addPixmap(LibraryPicture(side));
  return icon;
}
