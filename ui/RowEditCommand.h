// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QUndoCommand>
#include <functional>
#include <vector>

class TCategoryModel;
class TWorkProgress;

/// Rows of the category map given new texts, as one step of the undo
/// history: one edit kept in the editor, or every row an imported map
/// changed. Doing and undoing it sets the rows' texts and calls aShow with
/// the first row, so that the user sees what changed.
class TRowEditCommand final : public QUndoCommand {
 public:
  struct TChange {
    int Row;
    QString Before;
    QString After;
  };

  TRowEditCommand(const QString& aText, TCategoryModel& aModel, std::vector<TChange> aChanges,
                  std::function<void(int aRow)> aShow = {});

  void redo() override;
  void undo() override;

  /// The next doing or undoing reports how far it has come to aProgress.
  void ReportTo(TWorkProgress* aProgress) { mProgress = aProgress; }

 private:
  void Apply(bool aAfter);

  TCategoryModel& mModel;
  std::vector<TChange> mChanges;
  std::function<void(int)> mShow;
  TWorkProgress* mProgress = nullptr;
};
