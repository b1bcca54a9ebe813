// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>
#include <functional>

class QWidget;
class TDialogs;
class TLibraryDocument;

/// What a save refuses or asks about before it runs: an empty new category
/// refuses it; saving an empty library with none loaded, new texts that
/// will not be stored as typed, and what a damaged read or the bytes after
/// the last item would lose are asked about first.
class TSaveChecks final {
  Q_DECLARE_TR_FUNCTIONS(TSaveChecks)

 public:
  /// Asks through aDialogs, over aWindow, in message boxes titled aTitle.
  TSaveChecks(TDialogs& aDialogs, QWidget* aWindow, QString aTitle);

  /// The text the save refuses to run with.
  static QString EmptyCategoryText();

  /// True when a save of aDocument may go on; the first empty new category
  /// that refuses it is shown through aShowRow.
  bool Pass(const TLibraryDocument& aDocument, const std::function<void(int)>& aShowRow) const;

 private:
  TDialogs& mDialogs;
  QWidget* mWindow;
  QString mTitle;
};
