// SPDX-License-Identifier: GPL-3.0-or-later
#include "MapCommands.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUndoStack>
#include <QWidget>
#include <exception>

#include "CategoryModel.h"
#include "Dialogs.h"
#include "LibraryDocument.h"
#include "LoadMessages.h"
#include "MapApply.h"
#include "MapIo.h"
#include "MapTransfer.h"
#include "RowEditCommand.h"
#include "SaveMessages.h"

namespace {

TFileDialogSetup mapDialog(TFileDialogSetup::TMode aMode) {
  const bool open = aMode == TFileDialogSetup::TMode::Open;
  // A map may have any name; only a new one is given ".po" when typed bare.
  return {aMode, open ? TMapCommands::tr("Import Map") : TMapCommands::tr("Export Map"),
          CategoryMapFilter() + QStringLiteral(";;") + TMapCommands::tr("All files (*)"),
          open ? QString() : QStringLiteral("po")};
}

}  // namespace

TMapCommands::TMapCommands(TLibraryDocument& aDocument, TDialogs& aDialogs, QWidget* aWindow,
                           const QString& aTitle)
    : QObject(aWindow),
      mDocument(aDocument),
      mDialogs(aDialogs),
      mWindow(aWindow),
      mTitle(aTitle) {}

void TMapCommands::ExportMap() {
  const TVectorEngine* engine = mDocument.Engine();
  if (!mDocument.HasLibrary() || engine == nullptr) return;
  const QFileInfo library(mDocument.File());
  const std::optional<QString> file = mDialogs.Execute(
      StartingAt(mapDialog(TFileDialogSetup::TMode::Save),
                 library.dir().filePath(library.completeBaseName() + QStringLiteral(".po")), true),
      mWindow);
  if (!file) return;
  const TCategoryMap map = mDocument.Model()->CategoryMap();
  // A row keeps no new text in the map unless it was given one.
  std::vector<bool> changed;
  changed.reserve(map.NewCats.size());
  for (std::size_t row = 0; row < map.NewCats.size(); ++row)
    changed.push_back(row < map.OldCats.size() && map.NewCats[row] != map.OldCats[row]);
  const std::string name = QFile::encodeName(*file).toStdString();
  try {
    writeMap(name, {map, changed, categoryContents(*engine)}, mapFormatOf(name));
  } catch (...) {
    mDialogs.Critical(mWindow, mTitle, MapSaveFailureText(std::current_exception(), *file));
  }
}

void TMapCommands::ImportMap() {
  if (!mDocument.HasLibrary() || mDocument.Engine() == nullptr) return;
  const std::optional<QString> file = mDialogs.Execute(
      StartingAt(mapDialog(TFileDialogSetup::TMode::Open), mDocument.File(), false), mWindow);
  if (!file) return;
  const TMapRead read = readMap(QFile::encodeName(*file).toStdString());
  if (read.Refusal) {
    mDialogs.Warning(mWindow, mTitle, MapRefusedText(*read.Refusal));
    return;
  }
  TCategoryModel& model = *mDocument.Model();
  TCategoryMap map = model.CategoryMap();
  const std::vector<std::u16string> before = map.NewCats;
  const std::size_t notCategories = applyMap(read.Lines, map).size();
  // Entries of which none is a category: almost surely the wrong map.
  if (!read.Lines.empty() && notCategories == read.Lines.size()) {
    mDialogs.Warning(
        mWindow, mTitle,
        ForeignMapText(*file, read.Lines.size(),
                       EscapeControlCharacters(QFileInfo(mDocument.File()).fileName())));
    return;
  }
  std::vector<TRowEditCommand::TChange> changes;
  for (std::size_t row = 0; row < map.NewCats.size(); ++row)
    if (map.NewCats[row] != before[row])
      changes.push_back({static_cast<int>(row), QString::fromStdU16String(before[row]),
                         QString::fromStdU16String(map.NewCats[row])});
  const auto changed = static_cast<int>(changes.size());
  // The rows change together, as one step of the history.
  if (!changes.empty())
    mDocument.UndoStack()->push(new TRowEditCommand(
        tr("Import \"%1\"").arg(QFileInfo(*file).fileName()), model, std::move(changes)));
  mDialogs.Information(mWindow, mTitle,
                       MapImportedText(*file, changed, notCategories, read.FuzzySkipped));
}
