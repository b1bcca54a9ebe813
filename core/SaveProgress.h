// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

/// What a save reports while it runs: Begin, then Advance once for each item
/// in the order the items are written, then End. Each front end decides
/// what to show and how often; a save without a reporter reports nothing.
class TSaveProgress {
 public:
  virtual ~TSaveProgress() = default;

  /// A save of aTotal items starts.
  virtual void Begin(int aTotal) = 0;
  /// The item at aPosition (0 to total - 1) has been written.
  virtual void Advance(int aPosition) = 0;
  /// The save has ended, whether it succeeded or failed. Called once after
  /// Begin however the save ends, also when Begin itself, an Advance or a
  /// write throws.
  virtual void End() = 0;
};
