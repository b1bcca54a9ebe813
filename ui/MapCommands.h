// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

class QWidget;
class TDialogs;
class TLibraryDocument;

/// Export map… and Import map…: the category map of a document written to a
/// file the user chooses, and the new texts of a map file given to its rows.
class TMapCommands final : public QObject {
  Q_OBJECT

 public:
  /// Asks through aDialogs, over aWindow, with message boxes titled aTitle.
  TMapCommands(TLibraryDocument& aDocument, TDialogs& aDialogs, QWidget* aWindow,
               const QString& aTitle);

  /// Writes the map as it stands in the format the chosen name implies.
  void ExportMap();
  /// Gives the rows the new texts of the chosen map, as one step of the
  /// undo history, and says what it did.
  void ImportMap();

 private:
  TLibraryDocument& mDocument;
  TDialogs& mDialogs;
  QWidget* mWindow;
  QString mTitle;
};
