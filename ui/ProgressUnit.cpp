// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgressUnit.h"

#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>

#include "WindowFont.h"

namespace {

constexpr QSize kClientSize(302, 81);
constexpr int kLabelHeight = 13;

}  // namespace

TProgressform::TProgressform(QWidget* aParent)
    : QWidget(aParent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                           Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      Label1(new QLabel(this)),
      ProgressBar1(new QProgressBar(this)) {
  setObjectName(QStringLiteral("Progressform"));
  setWindowTitle(tr("Progressform"));
  setFont(WindowFont());
  setFixedSize(kClientSize);
  setBackgroundRole(QPalette::Button);
  setAutoFillBackground(true);
  // A hidden helper window must never keep the program alive or end it.
  setAttribute(Qt::WA_QuitOnClose, false);

  Label1->setObjectName(QStringLiteral("Label1"));
  Label1->move(16, 13);
  SetLabelText(tr("Label1"));

  ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
  ProgressBar1->setGeometry(16, 32, 265, 17);
  ProgressBar1->setRange(0, 100);
  ProgressBar1->setValue(0);
  ProgressBar1->setTextVisible(false);

  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
}

void TProgressform::SetLabelText(const QString& aText) {
  Label1->setText(aText);
  Label1->resize(Label1->sizeHint().width(), kLabelHeight);
}
