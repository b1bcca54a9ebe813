// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

/// What a long piece of work, a save or a load, reports while it runs:
/// Begin, then Advance as it goes, then End. A save advances once for each
/// item in the order the items are written; a load advances by the parts of
/// the file read and then taken apart. Each front end decides what to show
/// and how often; work without a reporter reports nothing.
class TWorkProgress {
 public:
  virtual ~TWorkProgress() = default;

  /// Work of aTotal steps starts.
  virtual void Begin(int aTotal) = 0;
  /// Step aPosition (0 to total - 1) is done; positions never go back.
  virtual void Advance(int aPosition) = 0;
  /// The work has ended, whether it succeeded or failed. Called once after
  /// Begin however the work ends, also when Begin itself, an Advance or a
  /// write throws.
  virtual void End() = 0;
};
