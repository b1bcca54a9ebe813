// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>
#include <QPointer>
#include <QWidget>
#include <memory>

#include "Dialogs.h"
#include "LoaderSaver.h"
#include "StorageMessages.h"

class QAction;
class QLabel;
class QMouseEvent;
class QListWidget;
class QMenu;
class QPushButton;
class QUndoStack;
class TVectorEngine;
struct TCategoryMap;

/// The main window: loads a library into the old- and new-category lists,
/// lets the user give rows of the new list new texts in an editor that opens
/// over the row, and saves the library with every category replaced.
///
/// The window owns the one engine (VectorEngine) from its creation until it
/// is closed. Every dialog and message box goes through the TDialogs it is
/// given.
class TMainform final : public QWidget {
  Q_OBJECT

 public:
  explicit TMainform(std::unique_ptr<TDialogs> aDialogs = std::make_unique<TQtDialogs>(),
                     QWidget* aParent = nullptr);
  ~TMainform() override;

  /// The text the save refuses to run with.
  static QString EmptyCategoryText();

  /// The two lists as the save reads them.
  TCategoryMap CategoryMap() const;

  /// True while a save is running; commands wait for it to end.
  bool IsSaving() const { return mSaving; }

  /// Loads the library aFile (the file system's bytes of its name) into a new
  /// engine and, once it has been read as a library, into both lists; edits
  /// not saved yet are asked about first. A file that cannot be opened or is
  /// not a library gets a warning and leaves the library loaded as it was; a
  /// damaged one replaces it, with a warning. Does nothing while a save runs.
  /// The open dialog, a file named at start and a dropped file all load here.
  void OpenLibrary(const QByteArray& aFile);

  /// Every committed edit, as steps that can be undone and redone.
  QUndoStack* UndoStack() const { return mUndo; }

  /// Rows of the new-category list whose text differs from the library as
  /// loaded or last saved.
  int UnsavedRowCount() const;

  /// The code page the library's texts are read and written in; at start
  /// the one of the user's locale.
  TCodePage CodePage() const { return mCodePage; }

  /// Reads the names and categories of the library loaded again in aPage,
  /// which the next load and the saves then use; unsaved edits are asked
  /// about first. With no library loaded it only sets the code page.
  void ChooseCodePage(TCodePage aPage);
  /// For each row of the new-category list, what its text will be stored as
  /// where that is not simply what the row shows.
  std::vector<TRowStorage> RowStorageNotes() const;

  /// The editor that is open and not yet committed, if any.
  QLineEdit* OpenEditor() const { return mOpenEditor.data(); }

  /// Export map… and Import map…, in the lists' menu and on their keys
  /// anywhere in the window; enabled once a library is loaded.
  QAction* ExportMapAction;
  QAction* ImportMapAction;
  QPushButton* Button1;
  QPushButton* Button2;
  QLabel* Label1;
  QLabel* Label2;
  QLabel* Label3;
  QLabel* Image1;
  QListWidget* lb_Cats;
  QListWidget* lb_NewCats;
  const TFileDialogSetup OpenDialog1;
  const TFileDialogSetup SaveDialog1;

 protected:
  void closeEvent(QCloseEvent* aEvent) override;
  void dragEnterEvent(QDragEnterEvent* aEvent) override;
  void dropEvent(QDropEvent* aEvent) override;
  void customEvent(QEvent* aEvent) override;
  bool eventFilter(QObject* aWatched, QEvent* aEvent) override;

 private:
  void FormCreate();
  void FormClose();
  void Button1Click();
  void Button2Click();
  void lb_CatsClick();
  void lb_NewCatsClick();
  void lb_NewCatsDblClick();
  void EditExit(QLineEdit* aEditor);
  void EditAbandon(QLineEdit* aEditor);
  /// Opens the editor on the row below the selected one, if there is one.
  void EditNextRow();
  bool EditMouseDown(QLineEdit* aEditor, const QMouseEvent& aPress);
  QRect EditorPlace(int aRow, int aHeight) const;
  bool ListViewportEvent(QListWidget* aList, QEvent* aEvent);

  void CreateControls();
  void FillLists();
  /// Shows the engine's library as loaded: both lists, no edits, no history.
  void ShowLibrary();
  /// Runs Save Library; true when the library was written.
  bool SaveLibrary();
  bool SaveTo(const QString& aFile);
  /// True when work may go on: nothing is unsaved, or the user saved it or
  /// let it go. aWhat says what would lose the edits.
  bool MayLeaveEdits(const QString& aWhat);
  /// Closes the window when a close was asked for while a save ran.
  void CloseIfRequested();
  /// Shows which rows are changed, whether any edit is unsaved, and the
  /// status line.
  void UpdateEditState();
  void SelectRowInBoth(int aRow);
  void ReleaseEditor(QLineEdit* aEditor);
  void ShowListMenu(QListWidget* aList, const QPoint& aAt);
  /// Writes the map of the two lists as they stand to a file the user
  /// chooses, in the format its name implies.
  void ExportMap();
  /// Gives the rows the new texts of a map file the user chooses, as one
  /// step of the undo history, and says what it did.
  void ImportMap();

  std::unique_ptr<TDialogs> mDialogs;
  std::unique_ptr<TVectorEngine> mEngine;
  QPointer<QLineEdit> mOpenEditor;
  /// The lists' context menu last shown.
  QPointer<QMenu> mListMenu;
  QUndoStack* mUndo;
  /// The new-category rows as loaded or last saved.
  QStringList mSavedRows;
  /// What the load of the library shown found, and its file's name.
  TLoadResult mLoaded;
  QString mLibraryName;
  /// The path of the library shown, where the file dialogs start.
  QString mLibraryFile;
  TCodePage mCodePage;
  bool mSaving = false;
  bool mCloseRequested = false;
};
