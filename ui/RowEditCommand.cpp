// SPDX-License-Identifier: GPL-3.0-or-later
#include "RowEditCommand.h"

#include <utility>

#include "CategoryModel.h"

TRowEditCommand::TRowEditCommand(const QString& aText, TCategoryModel& aModel,
                                 std::vector<TChange> aChanges, std::function<void(int)> aShow)
    : QUndoCommand(aText), mModel(aModel), mChanges(std::move(aChanges)), mShow(std::move(aShow)) {}

void TRowEditCommand::redo() { Apply(true); }

void TRowEditCommand::undo() { Apply(false); }

void TRowEditCommand::Apply(bool aAfter) {
  std::vector<std::pair<int, QString>> texts;
  texts.reserve(mChanges.size());
  for (const TChange& change : mChanges)
    texts.emplace_back(change.Row, aAfter ? change.After : change.Before);
  mModel.SetNewTexts(texts, std::exchange(mProgress, nullptr));
  if (mShow && !mChanges.empty()) mShow(mChanges.front().Row);
}
