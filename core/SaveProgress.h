// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

/// What a save reports while it runs. The window program implements it with
/// its progress window; a save without a reporter reports nothing.
class TSaveProgress {
 public:
  virtual ~TSaveProgress() = default;

  virtual void SetMaximum(int aMaximum) = 0;
  virtual void SetPosition(int aPosition) = 0;
  /// Shows the window without making it modal.
  virtual void Show() = 0;
  /// UTF-8 text for the label.
  virtual void SetLabelText(const std::string& aText) = 0;
  virtual void RepaintBar() = 0;
  virtual void RepaintLabel() = 0;
  /// Lets pending window events run.
  virtual void ProcessEvents() = 0;
  /// Closes (hides) the window.
  virtual void Close() = 0;
};

/// The percentage the label shows for position k of a bar with the given
/// maximum: q = maximum / 100, p = k / q, each rounded to a 64-bit
/// significand (to nearest, ties to even), then p rounded to the nearest
/// integer, ties to even. Exact on every host, whatever long double is.
/// aMaximum must be positive and 0 <= k.
int ExtendedPercent(long long k, long long aMaximum);

/// The label's text for that position: "Progress : " + percentage + " %".
std::string ProgressLabelText(int aPercent);
