// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <functional>
#include <utility>
#include <vector>

#include "CodePage.h"
#include "SuggestionModel.h"

class QMenu;
class TSpeller;

class QAction;
class QCheckBox;
class QComboBox;
class QItemSelectionModel;
class QLabel;
class QLineEdit;
class QMenu;
class QTableView;
class QUndoStack;
class TCategoryEditorDelegate;
class TCategoryFilter;
class TCategoryModel;
class TSuggestionView;

/// The translation table: the category map of the main window's lists in a
/// resizable window, with its items, state and note, a search, a filter by
/// state, sorting by any column and a count of the rows. Its rows are
/// edited in the lists' editor, its edits are steps of the same history,
/// and the row selected here is the one selected in the lists.
class TTranslationTable final : public QWidget {
  Q_OBJECT

 public:
  struct THooks {
    /// The code page a new text will be stored in.
    std::function<TCodePage()> CodePage;
    /// Gives row aRow of the map the text kept, as one step of the history.
    std::function<void(int aRow, const QString& aText)> Keep;
    /// Gives rows of the map texts at once, as one step named aStep.
    std::function<void(const QString& aStep, const std::vector<std::pair<int, QString>>& aTexts)>
        KeepAll;
    /// The speller the editor marks misspelled words with; nullptr for none.
    std::function<const TSpeller*()> Speller;
    /// A new Spelling menu, to show in the rows' menu.
    std::function<QMenu*(QWidget* aParent)> SpellingMenu;
    /// Up to three translations for row aRow of the map, best first.
    std::function<std::vector<TShownSuggestion>(int aRow)> Suggestions;
    /// The translation memory's commands, for the rows' menu.
    std::vector<QAction*> MemoryActions;
  };

  /// Shows aModel's rows, selecting along with aListsSelection, the lists'
  /// selection of the same model; aHistory's steps are undone here too.
  TTranslationTable(TCategoryModel& aModel, QItemSelectionModel& aListsSelection,
                    QUndoStack& aHistory, THooks aHooks, QWidget* aParent);

  /// The editor that is open in the table and not yet kept, if any.
  QLineEdit* OpenEditor() const;
  /// Keeps the text of the editor open in the table, if any.
  void KeepOpenEditor();

 protected:
  void showEvent(QShowEvent* aEvent) override;

 private:
  void CreateControls();
  void ApplySearch();
  void UpdateCount();
  /// Opens the editor on row aRow of the rows shown.
  void EditShownRow(int aRow);
  void EditNextShownRow();
  void FollowLists();
  void LeadLists();
  /// Goes to the next row shown (aStep 1) or the previous one (-1) in
  /// aState and opens its editor; past the last one, says so.
  void GoToRow(int aState, int aStep);
  /// The same for the rows that fail a check.
  void GoToFailingRow(int aStep);
  /// Goes to the next row shown going by aStep that aWanted takes and opens
  /// its editor; when there is none, shows aNoRow.
  void GoTo(const std::function<bool(int)>& aWanted, int aStep, const QString& aNoRow);
  /// The rows of the map selected in the table, in the order shown.
  std::vector<int> SelectedRows() const;
  /// Gives the selected rows their old texts as new ones, or with aSaved
  /// the new texts as loaded or last saved, as one step named aStep.
  void PutBack(bool aSaved, const QString& aStep);
  void ShowRowMenu(const QPoint& aAt);
  /// Shows the suggestions for the row selected.
  void UpdateSuggestions();
  /// Puts suggestion aIndex (from 0) into the editor of the row selected,
  /// opening it first.
  void UseSuggestion(int aIndex);
  /// Puts aText into the editor of the row selected, opening it first.
  void PutIntoCurrentEditor(const QString& aText);

  TCategoryModel& mModel;
  QItemSelectionModel& mListsSelection;
  QUndoStack& mHistory;
  THooks mHooks;
  TCategoryFilter* mFilter;
  TCategoryEditorDelegate* mDelegate = nullptr;
  QLineEdit* mSearch = nullptr;
  QCheckBox* mExactCase = nullptr;
  QCheckBox* mExpression = nullptr;
  QComboBox* mStates = nullptr;
  QTableView* mTable = nullptr;
  QLabel* mCount = nullptr;
  TSuggestionView* mSuggestions = nullptr;
  bool mFollowing = false;
  QAction* mCopyOld = nullptr;
  QAction* mRevert = nullptr;
};
