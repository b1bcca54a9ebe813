// SPDX-License-Identifier: GPL-3.0-or-later
#include "TerminalProgress.h"

#include <string>

namespace {

constexpr int kBarWidth = 40;

}  // namespace

TTerminalProgress::TTerminalProgress(std::ostream& aOut, bool aEnabled)
    : mOut(aOut), mEnabled(aEnabled) {}

void TTerminalProgress::Begin(int aTotal) { mPercent = TPercentCursor(aTotal); }

void TTerminalProgress::Advance(int aPosition) {
  // Nothing is drawn off a terminal, so nothing needs computing per item.
  if (mEnabled && mPercent.MoveTo(aPosition)) Draw(mPercent.Percent());
}

void TTerminalProgress::End() {
  // The save reports each item once it is written, from position 0, so its
  // last report stops short of the end; an ended save shows a full bar.
  if (!mOpen) return;
  if (mPercent.MoveTo(mPercent.Total())) Draw(mPercent.Percent());
  EndLine();
}

void TTerminalProgress::EndLine() {
  if (mOpen) mOut << '\n' << std::flush;
  mOpen = false;
}

void TTerminalProgress::Draw(int aPercent) {
  mOpen = true;
  const int filled = aPercent * kBarWidth / 100;
  std::string line = "\r[";
  line.append(static_cast<std::size_t>(filled), '#');
  line.append(static_cast<std::size_t>(kBarWidth - filled), ' ');
  line += "] ";
  const std::string number = std::to_string(aPercent);
  line.append(3 - number.size(), ' ');
  line += number + " %";
  mOut << line << std::flush;
}
