// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>

#include "CategoryModel.h"
#include "CodePage.h"
#include "Dialogs.h"
#include "LibraryDocument.h"
#include "SaveChecks.h"

class QAction;
class QLabel;
class QLineEdit;
class QListView;
class QMenu;
class QPushButton;
class TCategoryEditorDelegate;
class TCategoryList;
class TLoadFlow;
class TMapCommands;
class TMemoryCommands;
class TProgressform;
class TSpellingChoice;
class TSuggestionView;
class TTranslationTable;

/// The main window: loads a library into the old- and new-category lists,
/// lets the user give rows of the new list new texts in an editor that opens
/// over the row, and saves the library with every category replaced.
///
/// The window holds the library document, whose engine is VectorEngine,
/// from its creation until it is closed. Both lists show the document's
/// category map and share one selection. Every dialog and message box goes
/// through the TDialogs it is given.
class TMainform final : public QWidget {
  Q_OBJECT

 public:
  explicit TMainform(std::unique_ptr<TDialogs> aDialogs = std::make_unique<TQtDialogs>(),
                     QWidget* aParent = nullptr);
  ~TMainform() override;

  /// The text the save refuses to run with.
  static QString EmptyCategoryText();

  /// The progress window saves report to; none until given.
  void SetProgressform(TProgressform* aForm);

  /// The library shown: its category map, history and file.
  TLibraryDocument& Document() const { return *mDocument; }

  /// True while a save is running; commands wait for it to end.
  bool IsSaving() const { return mSaving; }
  /// True while a save, a load or an import is running; commands wait for
  /// it to end.
  bool IsBusy() const { return mSaving || mWorking; }

  /// Loads the library aFile (the file system's bytes of its name) and, once
  /// it has been read as a library, shows it in both lists; edits not saved
  /// yet are asked about first. A file that cannot be opened or is not a
  /// library gets a warning and leaves the library loaded as it was; a
  /// damaged one replaces it, with a warning. Does nothing while a save runs.
  /// The open dialog, a file named at start and a dropped file all load here.
  void OpenLibrary(const QByteArray& aFile);

  /// The code page the library's texts are read and written in; at start
  /// the one of the user's locale.
  TCodePage CodePage() const;
  /// Reads the categories of the library loaded again in aPage, which the
  /// next load and the saves then use; every new text given is kept, and
  /// the change is one step of the history.
  void ChooseCodePage(TCodePage aPage);

  /// The editor that is open and not yet kept or abandoned, if any.
  QLineEdit* OpenEditor() const;

  /// What the open and save dialogs of libraries look like.
  const TFileDialogSetup OpenDialog1;
  const TFileDialogSetup SaveDialog1;

 protected:
  void closeEvent(QCloseEvent* aEvent) override;
  void dragEnterEvent(QDragEnterEvent* aEvent) override;
  void dropEvent(QDropEvent* aEvent) override;
  bool eventFilter(QObject* aWatched, QEvent* aEvent) override;

 private:
  void CreateControls();
  void CreateActions();
  void Button1Click();
  void Button2Click();
  void lb_NewCatsDblClick();
  void EditExit(QLineEdit* aEditor);
  /// Gives row aRow the text aText kept in an editor, as one step of the
  /// history.
  void KeepText(int aRow, const QString& aText);
  /// Shows the translation table, made at its first showing.
  void ShowTranslationTable();
  /// Goes to the next row (aStep 1) or the previous one (-1) in aState and
  /// opens its editor; past the last one, says so in the status line.
  void GoToRow(TCategoryModel::TState aState, int aStep);
  /// The same for the rows that fail a check.
  void GoToFailingRow(int aStep);
  /// Selects and edits the next row going by aStep that aWanted takes; when
  /// there is none, the status says aNoRow.
  void GoTo(const std::function<bool(int)>& aWanted, int aStep, const QString& aNoRow);
  /// Opens the editor on the row below the selected one, if there is one.
  void EditNextRow();
  /// The suggestions for row aRow, shown under (or over) aEditor while it is
  /// open; nullptr when the memory has none.
  QWidget* ShowSuggestions(QLineEdit* aEditor, int aRow);
  /// Puts suggestion aIndex (from 0) of the row being edited into its
  /// editor, opening the editor on the selected row first.
  void UseSuggestion(int aIndex);
  bool ListViewportEvent(QListView* aList, QEvent* aEvent);
  void ShowListMenu(QListView* aList, const QPoint& aAt);

  /// Shows the document's library as loaded: both lists at the first row.
  void ShowLibrary();
  /// Runs Save Library; true when the library was written.
  bool SaveLibrary();
  bool SaveTo(const QString& aFile);
  /// True when work may go on: nothing is unsaved, or the user saved it or
  /// let it go. aWhat says what would lose the edits.
  bool MayLeaveEdits(const QString& aWhat);
  /// Closes the window when a close was asked for while a save ran.
  void CloseIfRequested();
  /// Enables the actions from the document's state and the window's.
  void UpdateActions();
  /// The status line: the file, its items and categories, the rows changed.
  void UpdateStatus();
  void SelectRow(int aRow);
  int CurrentRow() const;

  std::unique_ptr<TDialogs> mDialogs;
  TLibraryDocument* mDocument;
  TMapCommands* mMaps;
  TMemoryCommands* mMemory;
  /// The suggestions shown with the editor open, if any.
  QPointer<TSuggestionView> mSuggestions;
  TSaveChecks mSaveChecks;
  std::unique_ptr<TLoadFlow> mLoadFlow;
  /// The dictionary new texts are spelled in.
  TSpellingChoice* mSpelling;
  TProgressform* mProgressform = nullptr;
  TCategoryEditorDelegate* mEditorDelegate = nullptr;
  /// A window of its own, so that its keys and the main window's never meet.
  std::unique_ptr<TTranslationTable> mTable;
  /// The lists' context menu last shown.
  QPointer<QMenu> mListMenu;
  bool mSaving = false;
  /// A load or an import is running.
  bool mWorking = false;
  bool mCloseRequested = false;

  QPushButton* Button1;
  QPushButton* Button2;
  QLabel* Label1;
  QLabel* Label2;
  QLabel* Label3;
  QLabel* Image1;
  TCategoryList* lb_Cats;
  TCategoryList* lb_NewCats;

  QAction* LoadAction;
  QAction* SaveAction;
  QAction* UndoAction;
  QAction* RedoAction;
  QAction* ExportMapAction;
  QAction* ImportMapAction;
  QAction* AddMemoryAction;
  QAction* PretranslateAction;
  static constexpr int kSuggestionKeys = 3;
  /// Ctrl+1, Ctrl+2 and Ctrl+3.
  QAction* UseSuggestionActions[kSuggestionKeys];
  QAction* TableAction;
  QAction* NextToDoAction;
  QAction* PreviousToDoAction;
  QAction* NextNotStoredAction;
  QAction* NextFailingAction;
  QAction* PreviousFailingAction;
};
