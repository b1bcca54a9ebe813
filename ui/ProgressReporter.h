// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QString>

#include "SaveProgress.h"

class TProgressform;

/// Lets a save drive the progress window: each report goes to the window's
/// bar or label, and event pumping goes to the application.
///
/// The bar's position and the label's text follow every item, but a repaint
/// happens only when what it shows has changed, and window events run when
/// something was repainted or a short interval has passed: a save of a
/// million items is not a million repaints, and the window stays responsive.
class TProgressReporter final : public TSaveProgress {
 public:
  explicit TProgressReporter(TProgressform& aForm);

  void SetMaximum(int aMaximum) override;
  void SetPosition(int aPosition) override;
  void Show() override;
  void SetLabelText(const std::string& aText) override;
  void RepaintBar() override;
  void RepaintLabel() override;
  void ProcessEvents() override;
  void Close() override;

  /// Longest time between two runs of the window events during a save.
  static constexpr int kEventIntervalMs = 25;

 private:
  int FilledPixels() const;

  TProgressform& mForm;
  std::string mLabelText;
  bool mLabelChanged = false;
  int mPaintedPixels = -1;
  bool mPainted = false;
  QElapsedTimer mSinceEvents;
};
