// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

#include "FakeDialogs.h"
#include "MainUnit.h"
#include "SampleLibrary.h"

class QListWidget;

/// A library with one item per category text (raw 8-bit bytes), named
/// "item 1", "item 2", ... in reverse file order so that a save reorders them.
TSampleLibrary LibraryWithCategories(const QList<QByteArray>& aCategories);

/// Writes the library into aDir under aName and returns its path.
QString WriteLibrary(const QString& aDir, const QString& aName, const TSampleLibrary& aLibrary);

QByteArray ReadFile(const QString& aPath);

/// The texts of a list's rows, top to bottom.
QStringList RowTexts(const QListWidget* aList);

/// The middle of a row as the list shows it, in its viewport's coordinates.
QPoint RowCentre(const QListWidget* aList, int aRow);

/// A main window answering its dialogs through a fake the test keeps.
struct TMainformFixture {
  TMainformFixture();
  /// A folder for the test's libraries, removed after the window.
  QTemporaryDir Dir;
  TFakeDialogs* Dialogs;
  std::unique_ptr<TMainform> Form;

  /// Loads aFile through the open dialog.
  void Load(const QString& aFile);
  /// Shows the window and loads aCount categories "Row 0", "Row 1", ...,
  /// the last replaced by aLast if given; true once the window is active.
  bool LoadRows(int aCount, const QByteArray& aLast = {});
  /// Runs the lists' pending layout, which sets their scroll ranges.
  void LayOut();
};
