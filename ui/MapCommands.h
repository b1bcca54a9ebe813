// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

#include "Dialogs.h"

class QWidget;
class TLibraryDocument;
class TProgressform;

/// Export map… and Import map…: the category map of a document written to a
/// file the user chooses, and the new texts of a map file given to its rows.
/// An import that takes longer than half a second shows the progress
/// window; the windows stay painted while it runs.
class TMapCommands final : public QObject {
  Q_OBJECT

 public:
  /// Asks through aDialogs, over aWindow, with message boxes titled aTitle;
  /// aWorking is told true while an import runs and false when it has ended.
  TMapCommands(TLibraryDocument& aDocument, TDialogs& aDialogs, QWidget* aWindow,
               const QString& aTitle, std::function<void(bool aWorking)> aWorking);

  /// The progress window a long import shows; none until given.
  void SetProgressform(TProgressform* aForm) { mProgressform = aForm; }

  /// Writes the map as it stands in the format the chosen name implies.
  void ExportMap();
  /// Gives the rows the new texts of the chosen map, as one step of the
  /// undo history, and says what it did.
  void ImportMap();
  /// The same for the map aFile, dropped on the window.
  void ImportMapFile(const QString& aFile);

 private:
  TLibraryDocument& mDocument;
  TDialogs& mDialogs;
  QWidget* mWindow;
  QString mTitle;
  std::function<void(bool)> mWorking;
  TProgressform* mProgressform = nullptr;
  /// The languages of the last export that named them.
  std::optional<TLanguagePair> mLanguages;
};
