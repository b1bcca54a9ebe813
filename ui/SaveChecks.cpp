// SPDX-License-Identifier: GPL-3.0-or-later
#include "SaveChecks.h"

#include "CategoryModel.h"
#include "Dialogs.h"
#include "EditMessages.h"
#include "LibraryDocument.h"

TSaveChecks::TSaveChecks(TDialogs& aDialogs, QWidget* aWindow, QString aTitle)
    : mDialogs(aDialogs), mWindow(aWindow), mTitle(std::move(aTitle)) {}

QString TSaveChecks::EmptyCategoryText() { return tr("Sorry - There is an empty category!"); }

bool TSaveChecks::Pass(const TLibraryDocument& aDocument,
                       const std::function<void(int)>& aShowRow) const {
  const TCategoryModel& model = *aDocument.Model();
  if (const int empty = model.FirstEmptyRow(); empty >= 0) {
    mDialogs.Information(mWindow, mTitle, EmptyCategoryText());
    aShowRow(empty);
    return false;
  }
  // Nothing to save is still a library, but never written over a file unasked.
  if (!aDocument.HasLibrary() &&
      !mDialogs.Ask(mWindow, mTitle,
                    tr("No library is loaded. Save an empty library with no items?")))
    return false;
  if (const std::vector<std::pair<int, TRowStorage>> altered = model.RowsNotStoredAsTyped();
      !altered.empty() &&
      !mDialogs.SaveAnyway(mWindow, mTitle, AlteredSaveQuestion(model.NewTexts(), altered)))
    return false;
  // Items a damaged read left out and bytes after the last item are not
  // written; they go only when asked.
  const std::optional<QString> question = LossySaveQuestion(aDocument.Loaded());
  return !question || mDialogs.SaveAnyway(mWindow, mTitle, *question);
}
