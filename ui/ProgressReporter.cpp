// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgressReporter.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>

#include "ProgressUnit.h"

TProgressReporter::TProgressReporter(TProgressform& aForm) : mForm(aForm) {}

void TProgressReporter::SetMaximum(int aMaximum) {
  mForm.ProgressBar1->setMaximum(aMaximum);
  mPaintedPixels = -1;
}

void TProgressReporter::SetPosition(int aPosition) { mForm.ProgressBar1->setValue(aPosition); }

void TProgressReporter::Show() {
  mForm.show();
  mSinceEvents.start();
}

void TProgressReporter::SetLabelText(const std::string& aText) {
  // The same text again changes nothing on screen; skip the label's relayout.
  if (aText == mLabelText && !mLabelText.empty()) return;
  mLabelText = aText;
  mForm.SetLabelText(QString::fromStdString(aText));
  mLabelChanged = true;
}

int TProgressReporter::FilledPixels() const {
  const QProgressBar& bar = *mForm.ProgressBar1;
  const qint64 span = qint64(bar.maximum()) - bar.minimum();
  if (span <= 0) return 0;
  return static_cast<int>((qint64(bar.value()) - bar.minimum()) * bar.width() / span);
}

void TProgressReporter::RepaintBar() {
  const int pixels = FilledPixels();
  if (pixels == mPaintedPixels) return;
  mForm.ProgressBar1->repaint();
  mPaintedPixels = pixels;
  mPainted = true;
}

void TProgressReporter::RepaintLabel() {
  if (!mLabelChanged) return;
  mForm.Label1->repaint();
  mLabelChanged = false;
  mPainted = true;
}

void TProgressReporter::ProcessEvents() {
  if (!mPainted && mSinceEvents.isValid() && mSinceEvents.elapsed() < kEventIntervalMs) return;
  QCoreApplication::processEvents();
  mPainted = false;
  mSinceEvents.restart();
}

void TProgressReporter::Close() { mForm.close(); }
