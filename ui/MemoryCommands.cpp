// SPDX-License-Identifier: GPL-3.0-or-later
#include "MemoryCommands.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLocale>
#include <QUndoStack>
#include <algorithm>

#include "BusyCursor.h"
#include "CategoryModel.h"
#include "Dialogs.h"
#include "LanguageChoice.h"
#include "LibraryDocument.h"
#include "LoadMessages.h"
#include "MapIo.h"
#include "MapTransfer.h"
#include "ProgressReporter.h"
#include "RowEditCommand.h"
#include "Utf16View.h"

namespace {

constexpr std::size_t kSuggestions = 3;
// The library's own rows may give one translation many times; ask for more
// than are shown, so that a few remain once equal ones are dropped.
constexpr std::size_t kOwnRowsAsked = 4 * kSuggestions;

}  // namespace

TMemoryCommands::TMemoryCommands(TLibraryDocument& aDocument, TDialogs& aDialogs, QWidget* aWindow,
                                 const QString& aTitle, std::function<void(bool)> aWorking)
    : QObject(aWindow),
      mDocument(aDocument),
      mDialogs(aDialogs),
      mWindow(aWindow),
      mTitle(aTitle),
      mWorking(std::move(aWorking)) {
  connect(mDocument.Model(), &TCategoryModel::oldTextsChanged, this, [this] { mOwnRows.reset(); });
}

void TMemoryCommands::AddMemory() {
  const std::optional<QString> file = mDialogs.Execute(
      StartingAt({TFileDialogSetup::TMode::Open, tr("Add Translation Memory"),
                  CategoryMapFilter() + QStringLiteral(";;") + tr("All files (*)"), QString()},
                 mDocument.File(), false),
      mWindow);
  if (file) AddMemoryFile(*file);
}

void TMemoryCommands::AddMemoryFile(const QString& aFile) {
  const std::string name = QFile::encodeName(aFile).toStdString();
  const std::optional<TMapLanguages> languages = LanguagesToRead(mDialogs, mWindow, mTitle, aFile);
  if (!languages) return;
  TMapRead read;
  std::size_t added = 0;
  {
    const TBusyCursor busy;
    read = readMap(name, *languages);
    if (!read.Refusal)
      added = mMemory.Add(mMemory.AddSource(QFileInfo(aFile).fileName().toStdString()), read.Lines);
  }
  const QString shown = EscapeControlCharacters(QFileInfo(aFile).fileName());
  if (read.Refusal) {
    mDialogs.Warning(
        mWindow, mTitle,
        WithRefusal(tr("The file was not added to the translation memory.\n\n%1: %2"),
                    *read.Refusal));
    return;
  }
  if (added == 0) {
    mDialogs.Warning(mWindow, mTitle,
                     tr("\"%1\" holds no translation to reuse: none of its entries gives a "
                        "category a new text.")
                         .arg(shown));
    return;
  }
  const QString count = QLocale().toString(static_cast<qulonglong>(added));
  mDialogs.Information(
      mWindow, mTitle,
      added == 1 ? tr("1 translation from \"%1\" is in the translation memory until the program "
                      "ends.")
                       .arg(shown)
                 : tr("%1 translations from \"%2\" are in the translation memory until the "
                      "program ends.")
                       .arg(count, shown));
}

const TFuzzyIndex& TMemoryCommands::OwnRows() const {
  if (!mOwnRows) {
    mOwnRows.emplace();
    const TCategoryModel& model = *mDocument.Model();
    for (int row = 0; row < model.rowCount(); ++row) mOwnRows->Add(utf16View(model.OldText(row)));
  }
  return *mOwnRows;
}

std::vector<TShownSuggestion> TMemoryCommands::Suggestions(int aRow) const {
  const TCategoryModel& model = *mDocument.Model();
  if (aRow < 0 || aRow >= model.rowCount()) return {};
  const std::u16string_view old = utf16View(model.OldText(aRow));
  std::vector<TShownSuggestion> found;
  // The library's own translations come first among equally good ones.
  for (const TFuzzyMatch& match :
       OwnRows().Best(old, kOwnRowsAsked, kMinimumSimilarity, [&model, aRow](std::size_t aId) {
         const int row = static_cast<int>(aId);
         return row != aRow && model.NewText(row) != model.OldText(row);
       })) {
    const int row = static_cast<int>(match.Id);
    found.push_back({model.OldText(row), model.NewText(row), tr("this library"), match.Similarity});
  }
  for (const TMemoryMatch& match : mMemory.Suggest(old, kSuggestions)) {
    const TMemoryEntry& entry = mMemory.Entry(match.Entry);
    found.push_back({QString::fromStdU16String(entry.Old), QString::fromStdU16String(entry.New),
                     QString::fromStdString(mMemory.SourceName(entry.Source)), match.Similarity});
  }
  std::stable_sort(found.begin(), found.end(), [](const auto& a, const auto& b) {
    return a.Similarity > b.Similarity;
  });
  std::vector<TShownSuggestion> shown;
  for (TShownSuggestion& suggestion : found) {
    if (shown.size() == kSuggestions) break;
    if (std::none_of(shown.begin(), shown.end(),
                     [&](const auto& aShown) { return aShown.New == suggestion.New; }))
      shown.push_back(std::move(suggestion));
  }
  return shown;
}

void TMemoryCommands::Pretranslate() {
  TCategoryModel& model = *mDocument.Model();
  if (!mDocument.HasLibrary()) return;
  std::vector<TRowEditCommand::TChange> changes;
  {
    const TBusyCursor busy;
    // The library's own translations come before the files'.
    QHash<QString, int> translated;
    for (int row = 0; row < model.rowCount(); ++row)
      if (model.NewText(row) != model.OldText(row) && !translated.contains(model.OldText(row)))
        translated.insert(model.OldText(row), row);
    for (int row = 0; row < model.rowCount(); ++row) {
      const QString& old = model.OldText(row);
      if (model.NewText(row) != old) continue;
      if (const auto own = translated.constFind(old); own != translated.constEnd()) {
        changes.push_back({row, old, model.NewText(*own)});
      } else if (const TMemoryEntry* entry = mMemory.Exact(utf16View(old))) {
        changes.push_back({row, old, QString::fromStdU16String(entry->New)});
      }
    }
  }
  const auto filled = static_cast<int>(changes.size());
  if (filled == 0) {
    mDialogs.Information(mWindow, mTitle,
                         tr("No category still to do has its old text in the translation memory."));
    return;
  }
  auto* command = new TRowEditCommand(tr("Pre-translate from memory"), model, std::move(changes));
  // Filling many rows shows the progress window, as an import does.
  std::optional<TProgressReporter> reporter;
  if (mProgressform)
    reporter.emplace(*mProgressform, TProgressReporter::kSlowWorkMs,
                     QEventLoop::ExcludeUserInputEvents);
  command->ReportTo(reporter ? &*reporter : nullptr);
  mWorking(true);
  mDocument.UndoStack()->push(command);
  reporter.reset();
  mWorking(false);
  mDialogs.Information(
      mWindow, mTitle,
      filled == 1 ? tr("1 category still to do was given the translation of its old text in the "
                       "translation memory.")
                  : tr("%1 categories still to do were given the translation of their old text "
                       "in the translation memory.")
                        .arg(QLocale().toString(filled)));
}
