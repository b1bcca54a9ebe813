// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ostream>

#include "SaveProgress.h"

/// A save's progress as a one-line bar on a terminal: the bar is redrawn in
/// place, only when its percentage changes, and ends with a newline when the
/// save closes it. A reporter that is not enabled writes nothing at all, so
/// that a redirected standard error stays free of control characters.
class TTerminalProgress final : public TSaveProgress {
 public:
  TTerminalProgress(std::ostream& aOut, bool aEnabled);

  void SetMaximum(int aMaximum) override;
  void SetPosition(int aPosition) override;
  void Show() override;
  void SetLabelText(const std::string& aText) override;
  void RepaintBar() override;
  void RepaintLabel() override;
  void ProcessEvents() override;
  void Close() override;

  /// Ends a bar that a failed save left open, so that the next message
  /// starts on a line of its own.
  void EndLine();

 private:
  void Draw(int aPercent);

  std::ostream& mOut;
  bool mEnabled;
  int mMaximum = 0;
  int mPosition = 0;
  /// The percentage last drawn; -1 before the first drawing.
  int mDrawn = -1;
};
