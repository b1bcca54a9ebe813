// SPDX-License-Identifier: GPL-3.0-or-later
#include "TerminalProgress.h"

#include <algorithm>
#include <string>

namespace {

constexpr int kBarWidth = 40;

}  // namespace

TTerminalProgress::TTerminalProgress(std::ostream& aOut, bool aEnabled)
    : mOut(aOut), mEnabled(aEnabled) {}

void TTerminalProgress::SetMaximum(int aMaximum) { mMaximum = aMaximum; }

void TTerminalProgress::SetPosition(int aPosition) { mPosition = aPosition; }

void TTerminalProgress::Show() {}

// The bar draws its own percentage; the window's label text is not needed.
void TTerminalProgress::SetLabelText(const std::string&) {}

void TTerminalProgress::RepaintBar() {
  // Nothing is drawn off a terminal, so nothing needs computing per item.
  if (mEnabled && mMaximum > 0) Draw(ExtendedPercent(std::max(mPosition, 0), mMaximum));
}

void TTerminalProgress::RepaintLabel() {}

void TTerminalProgress::ProcessEvents() {}

void TTerminalProgress::Close() {
  // The save reports each item before writing the next, so its last report
  // stops short of the end; a finished save shows a full bar.
  if (mDrawn < 0) return;
  Draw(100);
  EndLine();
}

void TTerminalProgress::EndLine() {
  if (mDrawn >= 0 && mEnabled) mOut << '\n' << std::flush;
  mDrawn = -1;
}

void TTerminalProgress::Draw(int aPercent) {
  aPercent = std::clamp(aPercent, 0, 100);
  if (aPercent == mDrawn) return;
  mDrawn = aPercent;
  if (!mEnabled) return;
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
