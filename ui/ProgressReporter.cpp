// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgressReporter.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QWindow>
#include <chrono>
#include <thread>

#include "ProgressUnit.h"

namespace {

struct ProgressReporter {
  Q_DECLARE_TR_FUNCTIONS(ProgressReporter)
};

}  // namespace

TProgressReporter::TProgressReporter(TProgressform& aForm, int aShowAfterMs,
                                     QEventLoop::ProcessEventsFlags aEvents)
    : mForm(aForm), mShowAfterMs(aShowAfterMs), mEvents(aEvents) {}

void TProgressReporter::Begin(int aTotal) {
  mTotal = aTotal;
  mShown = false;
  mSinceBegin.start();
  if (mShowAfterMs <= 0) Show();
}

void TProgressReporter::Show() {
  mShown = true;
  mForm.ProgressBar1->setMaximum(mTotal);
  mForm.ProgressBar1->setValue(0);
  mPercent = TPercentCursor(mTotal);
  mPaintedPixels = -1;
  mForm.show();
  mSinceEvents.start();
  // A save of no items has nothing to show. Otherwise the window is painted
  // as it stands at the first item before the save sorts anything, and the
  // windows under the closed file dialog are painted again; the first item
  // then changes nothing it shows.
  if (mTotal <= 0) return;
  mPercent.MoveTo(0);
  SetPercentText();
  // A window system maps a new window some time after it is shown, and
  // paint before that is lost: wait, briefly, until it can be seen; the
  // events that make it seen paint it. One already seen is painted here.
  const auto exposed = [this] {
    return mForm.windowHandle() != nullptr && mForm.windowHandle()->isExposed();
  };
  if (exposed()) mForm.repaint();
  QElapsedTimer waited;
  waited.start();
  while (!exposed() && waited.elapsed() < kExposeWaitMs) {
    QCoreApplication::processEvents(mEvents);
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  QCoreApplication::processEvents(mEvents);
  mPaintedPixels = FilledPixels(0);
  mSinceEvents.restart();
}

int TProgressReporter::FilledPixels(int aValue) const {
  const QProgressBar& bar = *mForm.ProgressBar1;
  const qint64 span = qint64(bar.maximum()) - bar.minimum();
  if (span <= 0) return 0;
  return static_cast<int>((qint64(aValue) - bar.minimum()) * bar.width() / span);
}

void TProgressReporter::SetPercentText() {
  mForm.SetLabelText(ProgressReporter::tr("Progress : %1 %").arg(mPercent.Percent()));
}

void TProgressReporter::Advance(int aPosition) {
  if (!mShown) {
    if (mSinceBegin.elapsed() < mShowAfterMs) return;
    Show();
  }
  // Setting the bar's value costs more than writing an item, so the bar
  // takes only the positions that show: a new pixel, a new percentage, the
  // last item. The bar repaints itself when its value has moved it far
  // enough (painting it at every pixel besides would double the window's
  // cost); the last item is painted in any case.
  const int pixels = FilledPixels(aPosition);
  const bool newPercent = mPercent.MoveTo(aPosition);
  const bool last = aPosition >= mForm.ProgressBar1->maximum() - 1;
  const bool moved = pixels != mPaintedPixels || newPercent || last;
  if (moved) mForm.ProgressBar1->setValue(aPosition);
  if (last) mForm.ProgressBar1->repaint();
  mPaintedPixels = pixels;
  if (newPercent) {
    SetPercentText();
    mForm.Label1->repaint();
  }
  if (!moved && mSinceEvents.elapsed() < kEventIntervalMs) return;
  QCoreApplication::processEvents(mEvents);
  mSinceEvents.restart();
}

void TProgressReporter::End() {
  if (mShown) mForm.close();
}
