// SPDX-License-Identifier: GPL-3.0-or-later
#include "StorageGauge.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>

#include "LibraryFormat.h"
#include "StorageMessages.h"

namespace {

struct StorageGauge {
  Q_DECLARE_TR_FUNCTIONS(StorageGauge)
};

}  // namespace

void AttachStorageGauge(QLineEdit* aEditor, TCodePage aPage) {
  auto* gauge = new QLabel(aEditor);
  gauge->setObjectName(QStringLiteral("BytesLeft"));
  gauge->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  const int width = gauge->fontMetrics().horizontalAdvance(QStringLiteral("-0000"));
  // The frame keeps a few pixels at each end; the count sits inside them.
  gauge->setGeometry(aEditor->width() - width - 4, 0, width, aEditor->height());
  aEditor->setTextMargins(0, 0, width, 0);
  const QPalette normal = gauge->palette();
  QPalette alarm = normal;
  // Inside the edit the label takes the edit's text role, not a window's.
  for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text})
    alarm.setColor(role, Qt::red);
  const auto update = [aEditor, gauge, aPage, normal, alarm] {
    TAnsiText stored = encodeAnsi(aEditor->text().toStdU16String(), aPage);
    const auto left =
        static_cast<long long>(kRemarksCapacity) - static_cast<long long>(stored.Bytes.size());
    if (left < 0) {
      stored.Bytes.resize(kRemarksCapacity);
      stored.Cut = true;
    }
    const QString note = StorageNote(aEditor->text(), stored, aPage);
    gauge->setText(QString::number(left));
    gauge->setPalette(note.isEmpty() ? normal : alarm);
    aEditor->setToolTip(note);
    aEditor->setAccessibleDescription(note);
    const QString count = StorageGauge::tr("%1 bytes left").arg(left);
    gauge->setToolTip(note.isEmpty() ? count : note);
    // A screen reader says the count in words, not the bare number shown.
    gauge->setAccessibleName(count);
  };
  QObject::connect(aEditor, &QLineEdit::textChanged, gauge, update);
  update();
  gauge->show();
}
