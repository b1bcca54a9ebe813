// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ostream>

#include "PercentCursor.h"
#include "WorkProgress.h"

/// A save's progress as a one-line bar on a terminal: the bar is redrawn in
/// place, only when its percentage changes, and ends with a newline when the
/// save ends. A reporter that is not enabled writes nothing at all, so that
/// a redirected standard error stays free of control characters.
class TTerminalProgress final : public TWorkProgress {
 public:
  TTerminalProgress(std::ostream& aOut, bool aEnabled);

  void Begin(int aTotal) override;
  void Advance(int aPosition) override;
  void End() override;

  /// Ends a bar that a failed save left open, so that the next message
  /// starts on a line of its own.
  void EndLine();

 private:
  void Draw(int aPercent);

  std::ostream& mOut;
  bool mEnabled;
  TPercentCursor mPercent;
  /// A bar is drawn on the current line.
  bool mOpen = false;
};
