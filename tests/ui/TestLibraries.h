// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>
#include <memory>

#include "CategoryModel.h"
#include "FakeDialogs.h"
#include "LibraryDocument.h"
#include "MainUnit.h"
#include "SampleLibrary.h"

class QAbstractItemView;
class QAction;
class QLabel;
class QListView;
class QPushButton;

/// A library with one item per category text (raw 8-bit bytes), named
/// "item 1", "item 2", ... in reverse file order so that a save reorders them.
TSampleLibrary LibraryWithCategories(const QList<QByteArray>& aCategories);

/// Writes the library into aDir under aName and returns its path.
QString WriteLibrary(const QString& aDir, const QString& aName, const TSampleLibrary& aLibrary);

QByteArray ReadFile(const QString& aPath);

/// The controls of a main window, found by their names.
struct TControls {
  explicit TControls(const QWidget& aForm);
  QPushButton* Button1;
  QPushButton* Button2;
  QLabel* Label3;
  QListView* lb_Cats;
  QListView* lb_NewCats;
};
inline TControls Controls(const QWidget& aForm) { return TControls(aForm); }
/// The window's action of that object name.
QAction* Action(const QWidget& aForm, const QString& aName);

/// The texts of a list's rows, top to bottom.
QStringList RowTexts(const QListView* aList);
QString RowText(const QListView* aList, int aRow);
int RowCount(const QListView* aList);
/// The row the lists' shared selection is on; -1 for none.
int CurrentRow(const QAbstractItemView* aList);
/// Selects aRow as a click on it would.
void SetCurrentRow(QListView* aList, int aRow);
bool RowSelected(const QAbstractItemView* aList, int aRow);
/// Where a list shows aRow, in its viewport's coordinates.
QRect RowRect(const QListView* aList, int aRow);
/// The middle of a row as the list shows it, in its viewport's coordinates.
QPoint RowCentre(const QListView* aList, int aRow);
/// What the model holds for aRow's new text in aRole.
QVariant NewRowData(const TMainform& aForm, int aRow, int aRole);

/// Sets aRow's new text straight in the model, past the history.
void SetRowText(QListView* aList, int aRow, const QString& aText);

/// Commits aText into aRow as the editor does: one step of the history.
void Edit(TMainform& aForm, int aRow, const QString& aText);
/// Runs the deletions the window has posted, such as an editor's.
void RunDeferredDeletes();

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
