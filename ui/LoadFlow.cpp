// SPDX-License-Identifier: GPL-3.0-or-later
#include "LoadFlow.h"

#include <QFile>
#include <QFileInfo>
#include <optional>

#include "BusyCursor.h"
#include "Dialogs.h"
#include "LibraryDocument.h"
#include "LoadMessages.h"
#include "ProgressReporter.h"

TLoadFlow::TLoadFlow(TLibraryDocument& aDocument, TDialogs& aDialogs, QWidget* aWindow,
                     QString aTitle, THooks aHooks)
    : mDocument(aDocument),
      mDialogs(aDialogs),
      mWindow(aWindow),
      mTitle(std::move(aTitle)),
      mHooks(std::move(aHooks)) {}

bool TLoadFlow::Load(const QByteArray& aFile) {
  const QString file = QFile::decodeName(aFile);
  const auto warn = [&](const TLoadResult& aResult) {
    if (const std::optional<QString> warning = LoadWarningText(aResult, file))
      mDialogs.Warning(mWindow, mTitle, *warning);
  };
  // What is no library at all replaces nothing, and is known from its first
  // bytes, before any question about the edits.
  if (const TLoadResult examined = TVectorEngine::ExamineLibraryFile(aFile.toStdString());
      examined.Kind != TLoadResult::TKind::Loaded) {
    warn(examined);
    return false;
  }
  const QString name = EscapeControlCharacters(QFileInfo(file).fileName());
  if (!mHooks.MayLeaveEdits(tr("loading \"%1\"").arg(name))) return false;
  TLibraryDocument::TRead read = [&] {
    mHooks.Reading(true);
    const TBusyCursor busy;
    std::optional<TProgressReporter> reporter;
    if (mProgressform) reporter.emplace(*mProgressform, TProgressReporter::kSlowWorkMs);
    TLibraryDocument::TRead done = mDocument.Read(aFile, reporter ? &*reporter : nullptr);
    reporter.reset();
    mHooks.Reading(false);
    return done;
  }();
  if (!mHooks.GoOn()) return false;
  // What was not read as a library after all (it changed meanwhile) replaces
  // nothing: the library loaded and its edits stay.
  if (!read.IsLibrary()) {
    warn(read.Result);
    return false;
  }
  const TLoadResult found = read.Result;
  {
    const TBusyCursor busy;
    mDocument.Open(std::move(read));
    mHooks.Show();
  }
  warn(found);
  return true;
}
