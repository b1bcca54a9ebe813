// SPDX-License-Identifier: GPL-3.0-or-later
#include "MapCommands.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProgressBar>
#include <QUndoStack>
#include <QWidget>
#include <exception>
#include <optional>

#include "CategoryModel.h"
#include "Dialogs.h"
#include "LibraryDocument.h"
#include "LanguageChoice.h"
#include "LoadMessages.h"
#include "LoaderSaver.h"
#include "MapApply.h"
#include "MapIo.h"
#include "MapTransfer.h"
#include "ProgressReporter.h"
#include "ProgressUnit.h"
#include "RowEditCommand.h"
#include "SaveMessages.h"
#include "WorkAside.h"

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
                           const QString& aTitle, std::function<void(bool)> aWorking)
    : QObject(aWindow),
      mDocument(aDocument),
      mDialogs(aDialogs),
      mWindow(aWindow),
      mTitle(aTitle),
      mWorking(std::move(aWorking)) {}

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
  const TMapFormat format = mapFormatOf(name);
  TMapExport exported{map, changed, categoryContents(*engine)};
  exported.Library = QFile::encodeName(library.fileName()).toStdString();
  if (format == TMapFormat::Tmx || format == TMapFormat::Xliff) {
    // Asked at every such export, the last choice first.
    const std::optional<TLanguagePair> languages =
        LanguagesToWrite(mDialogs, mWindow, mTitle,
                         format == TMapFormat::Tmx ? QStringLiteral("TMX") : QStringLiteral("XLIFF"),
                         mLanguages.value_or(DefaultLanguages()));
    if (!languages) return;
    mLanguages = languages;
    exported.SourceLanguage = languages->Source.toStdString();
    exported.TargetLanguage = languages->Target.toStdString();
  }
  const bool existed = QFileInfo::exists(*file);
  // A map is never written over a library, the one loaded or another.
  if (existed && TVectorEngine::ExamineLibraryFile(name).Kind == TLoadResult::TKind::Loaded) {
    mDialogs.Critical(mWindow, mTitle, MapOverLibraryText(*file));
    return;
  }
  try {
    writeMap(name, exported, format);
  } catch (...) {
    mDialogs.Critical(mWindow, mTitle,
                      MapSaveFailureText(std::current_exception(), *file, existed));
  }
}

void TMapCommands::ImportMap() {
  if (!mDocument.HasLibrary() || mDocument.Engine() == nullptr) return;
  const std::optional<QString> file = mDialogs.Execute(
      StartingAt(mapDialog(TFileDialogSetup::TMode::Open), mDocument.File(), false), mWindow);
  if (file) ImportMapFile(*file);
}

void TMapCommands::ImportMapFile(const QString& aFile) {
  if (!mDocument.HasLibrary() || mDocument.Engine() == nullptr) return;
  const std::string name = QFile::encodeName(aFile).toStdString();
  const std::optional<TMapLanguages> languages = LanguagesToRead(mDialogs, mWindow, mTitle, aFile);
  if (!languages) return;
  TCategoryModel& model = *mDocument.Model();
  // Reading a map and finding its rows touch only copies, so they run aside
  // while the window stays painted; a long wait shows the progress window.
  struct TApplied {
    TMapRead Read;
    std::vector<TMapLine> NotCategories;
    std::vector<TRowEditCommand::TChange> Changes;
  };
  mWorking(true);
  bool shown = false;
  TApplied applied = RunAside(
      [name, languages = *languages, map = model.CategoryMap()]() mutable {
        TApplied done{readMap(name, languages), {}, {}};
        if (done.Read.Refusal) return done;
        const std::vector<std::u16string> before = map.NewCats;
        done.NotCategories = applyMap(done.Read.Lines, map);
        for (std::size_t row = 0; row < map.NewCats.size(); ++row)
          if (map.NewCats[row] != before[row])
            done.Changes.push_back({static_cast<int>(row), QString::fromStdU16String(before[row]),
                                    QString::fromStdU16String(map.NewCats[row])});
        return done;
      },
      [&](qint64 aElapsedMs) {
        if (shown || mProgressform == nullptr || aElapsedMs < TProgressReporter::kSlowWorkMs)
          return;
        shown = true;
        mProgressform->ProgressBar1->setRange(0, 0);
        mProgressform->SetLabelText(tr("Reading the map\u2026"));
        mProgressform->show();
      });
  const auto changed = static_cast<int>(applied.Changes.size());
  // Entries of which none is a category: almost surely the wrong map.
  const bool foreign = !applied.Read.Refusal && !applied.Read.Lines.empty() &&
                       applied.NotCategories.size() == applied.Read.Lines.size();
  if (!applied.Read.Refusal && !foreign && changed > 0) {
    // The rows change together, as one step of the history.
    auto* command = new TRowEditCommand(tr("Import \"%1\"").arg(QFileInfo(aFile).fileName()), model,
                                        std::move(applied.Changes));
    std::optional<TProgressReporter> reporter;
    if (mProgressform)
      reporter.emplace(*mProgressform, shown ? 0 : TProgressReporter::kSlowWorkMs,
                       QEventLoop::ExcludeUserInputEvents);
    command->ReportTo(reporter ? &*reporter : nullptr);
    mDocument.UndoStack()->push(command);
  }
  if (shown) mProgressform->close();
  mWorking(false);
  if (applied.Read.Refusal) {
    mDialogs.Warning(mWindow, mTitle, MapRefusedText(*applied.Read.Refusal));
    return;
  }
  // Most entries naming nothing may be a map made in another code page.
  std::optional<TCodePage> page;
  if (2 * applied.NotCategories.size() > applied.Read.Lines.size())
    page = codePageOfLines(*mDocument.Engine(), applied.NotCategories, mDocument.CodePage());
  if (foreign) {
    mDialogs.Warning(
        mWindow, mTitle,
        ForeignMapText(aFile, applied.Read.Lines.size(),
                       EscapeControlCharacters(QFileInfo(mDocument.File()).fileName()), page));
    return;
  }
  QStringList notCategories;
  for (const TMapLine& line : applied.NotCategories)
    notCategories << QString::fromStdU16String(line.Old);
  mDialogs.Information(mWindow, mTitle,
                       MapImportedText(aFile, changed, notCategories, page,
                                       applied.Read.FuzzySkipped, applied.Read.Skipped));
}
