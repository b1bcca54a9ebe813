// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgressReporter.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>

#include "ProgressUnit.h"

TProgressReporter::TProgressReporter(TProgressform& aForm) : mForm(aForm) {}

void TProgressReporter::Begin(int aTotal) {
  mForm.ProgressBar1->setMaximum(aTotal);
  mForm.ProgressBar1->setValue(0);
  mPercent = TPercentCursor(aTotal);
  mPaintedPixels = -1;
  mForm.show();
  mSinceEvents.start();
}

int TProgressReporter::FilledPixels() const {
  const QProgressBar& bar = *mForm.ProgressBar1;
  const qint64 span = qint64(bar.maximum()) - bar.minimum();
  if (span <= 0) return 0;
  return static_cast<int>((qint64(bar.value()) - bar.minimum()) * bar.width() / span);
}

void TProgressReporter::Advance(int aPosition) {
  bool painted = false;
  mForm.ProgressBar1->setValue(aPosition);
  if (const int pixels = FilledPixels(); pixels != mPaintedPixels) {
    mForm.ProgressBar1->repaint();
    mPaintedPixels = pixels;
    painted = true;
  }
  if (mPercent.MoveTo(aPosition)) {
    mForm.SetLabelText(QStringLiteral("Progress : %1 %").arg(mPercent.Percent()));
    mForm.Label1->repaint();
    painted = true;
  }
  if (!painted && mSinceEvents.elapsed() < kEventIntervalMs) return;
  QCoreApplication::processEvents();
  mSinceEvents.restart();
}

void TProgressReporter::End() { mForm.close(); }
