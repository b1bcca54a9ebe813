// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "FuzzyIndex.h"
#include "SuggestionModel.h"
#include "TranslationMemory.h"

class QWidget;
class TDialogs;
class TLibraryDocument;
class TProgressform;

/// The translation memory of the session: the maps the user adds, and the
/// rows of the library already given a new text. It suggests translations
/// for a row from the entries whose old texts are most like the row's, and
/// gives every row still to do the new text of an entry with its very old
/// text. Nothing of it is kept when the program ends.
class TMemoryCommands final : public QObject {
  Q_OBJECT

 public:
  /// Asks through aDialogs, over aWindow, with message boxes titled aTitle;
  /// aWorking is told true while a pre-translation runs and false when it
  /// has ended.
  TMemoryCommands(TLibraryDocument& aDocument, TDialogs& aDialogs, QWidget* aWindow,
                  const QString& aTitle, std::function<void(bool aWorking)> aWorking);

  /// The progress window a long pre-translation shows; none until given.
  void SetProgressform(TProgressform* aForm) { mProgressform = aForm; }

  /// Add translation memory…: asks for a map file and adds its entries.
  void AddMemory();
  /// Adds the entries of the map aFile, and says how many it added.
  void AddMemoryFile(const QString& aFile);
  /// Pre-translate from memory: gives every row still to do the new text
  /// of an entry whose old text equals the row's, as one step of the
  /// history, and says how many rows it filled.
  void Pretranslate();

  /// Up to three translations for row aRow, best first, from the files and
  /// from the library's other rows given a new text.
  std::vector<TShownSuggestion> Suggestions(int aRow) const;

 private:
  /// The old texts of the rows, searched for suggestions; made at the first
  /// search after a load.
  const TFuzzyIndex& OwnRows() const;

  TLibraryDocument& mDocument;
  TDialogs& mDialogs;
  QWidget* mWindow;
  QString mTitle;
  std::function<void(bool)> mWorking;
  TProgressform* mProgressform = nullptr;
  TTranslationMemory mMemory;
  mutable std::optional<TFuzzyIndex> mOwnRows;
};
