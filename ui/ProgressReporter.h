// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QEventLoop>

#include "PercentCursor.h"
#include "WorkProgress.h"

class TProgressform;

/// Lets a save drive the progress window: the bar's position and the label
/// "Progress : p %" follow every item, and the application's events run
/// while it saves.
///
/// A repaint happens only when what it shows has changed, and window events
/// run when something moved or a short interval has passed: a save of a
/// million items is not a million repaints, and the window stays
/// responsive.
class TProgressReporter final : public TWorkProgress {
 public:
  /// Reports to aForm; work that has not ended aShowAfterMs after it began
  /// shows the window from then on, quicker work shows nothing. While it
  /// runs, the events aEvents names run.
  explicit TProgressReporter(TProgressform& aForm, int aShowAfterMs = 0,
                             QEventLoop::ProcessEventsFlags aEvents = QEventLoop::AllEvents);

  void Begin(int aTotal) override;
  void Advance(int aPosition) override;
  void End() override;

  /// How long a load or an import may run before it shows the window.
  static constexpr int kSlowWorkMs = 500;
  /// Longest time between two runs of the window events during a save.
  static constexpr int kEventIntervalMs = 25;
  /// Longest wait for the window system to map the window before the save
  /// goes on.
  static constexpr int kExposeWaitMs = 500;

 private:
  /// Shows the window at the start of the work.
  void Show();
  /// The width of the bar filled at aValue.
  int FilledPixels(int aValue) const;
  void SetPercentText();

  TProgressform& mForm;
  int mShowAfterMs;
  QEventLoop::ProcessEventsFlags mEvents;
  int mTotal = 0;
  bool mShown = false;
  QElapsedTimer mSinceBegin;
  TPercentCursor mPercent;
  int mPaintedPixels = -1;
  QElapsedTimer mSinceEvents;
};
