// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractTableModel>
#include <QIcon>
#include <QStringList>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "CodePage.h"
#include "StorageMessages.h"
#include "TranslationChecks.h"
#include "Utf16View.h"

class TSpeller;
class TVectorEngine;
class TWorkProgress;
struct TCategoryMap;

/// The category map of the library loaded: row j gives catalogue entry j its
/// new text. Column OldColumn holds the category as loaded, NewColumn the
/// text that replaces it. The model also keeps the new texts as loaded or
/// last saved, and knows what every row will be stored as.
///
/// A change of one row costs time in proportion to the rows it touches: the
/// row itself and the rows it now shares a stored category with, or no
/// longer does.
class TCategoryModel final : public QAbstractTableModel {
  Q_OBJECT

 public:
  enum TColumn {
    OldColumn = 0,
    NewColumn = 1,
    /// The number of items in the row's category.
    ItemsColumn = 2,
    /// What is left to do with the row: to do, changed, not stored as typed.
    StateColumn = 3,
    /// How the row's new text will be stored, where not as shown.
    NoteColumn = 4,
    ColumnCount = 5
  };
  /// What is left to do with a row.
  enum class TState {
    /// The new text is still the old one.
    ToDo,
    /// Given a new text that is stored as typed.
    Changed,
    /// Given a new text that will not be stored as typed: characters lost,
    /// cut, or merged with another row's different text.
    NotStoredAsTyped,
  };
  enum TRole {
    /// int: the number of items in the row's category.
    ItemCountRole = Qt::UserRole + 1,
    /// bool: the new text differs from the category as loaded.
    ChangedRole,
    /// QString: how the new text will be stored, where that is not simply
    /// what the row shows; empty otherwise.
    StorageNoteRole,
    /// int: the row's TState.
    StateRole,
    /// bool: the row fails one of the checks of a translation.
    FailsChecksRole,
    /// QStringList: a sentence for each check the row fails.
    CheckSentencesRole,
  };

  /// The new texts of every row and those as loaded or last saved, as a
  /// step of the history that changes the code page keeps them.
  struct TTexts {
    QStringList New;
    QStringList Saved;
  };

  explicit TCategoryModel(QObject* aParent = nullptr);
  ~TCategoryModel() override;

  int rowCount(const QModelIndex& aParent = {}) const override;
  int columnCount(const QModelIndex& aParent = {}) const override;
  QVariant data(const QModelIndex& aIndex, int aRole = Qt::DisplayRole) const override;
  QVariant headerData(int aSection, Qt::Orientation aOrientation,
                      int aRole = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& aIndex) const override;

  /// Shows aEngine's catalogue, read in aPage: every row as loaded, none
  /// changed. With no engine, no rows. The engine must outlive the rows.
  void Reset(const TVectorEngine* aEngine, TCodePage aPage);

  /// Takes the categories of the engine, just read again in aPage: rows left
  /// as they were follow their category, and rows given a new text keep it,
  /// typed text being independent of any code page. Returns the texts as
  /// they were, for Restore.
  TTexts ReadAgain(TCodePage aPage);
  /// Takes the categories of the engine, read again in aPage, with the new
  /// and saved texts aTexts that ReadAgain returned.
  void Restore(TCodePage aPage, const TTexts& aTexts);

  /// Gives rows new texts at once: (row, text) pairs; aProgress, when
  /// given, hears how many have been given theirs as it goes.
  void SetNewTexts(const std::vector<std::pair<int, QString>>& aTexts,
                   TWorkProgress* aProgress = nullptr);
  void SetNewText(int aRow, const QString& aText);

  const QString& OldText(int aRow) const { return mOld[aRow]; }
  const QString& NewText(int aRow) const { return mNew[aRow]; }
  /// Row aRow's new text as loaded or last saved.
  const QString& SavedText(int aRow) const { return mSaved[aRow]; }
  const QStringList& NewTexts() const { return mNew; }
  /// The rows as the save reads them.
  TCategoryMap CategoryMap() const;

  /// The new texts as they stand become those last saved.
  void MarkSaved();
  /// Rows whose new text differs from the category as loaded.
  int ChangedRowCount() const { return mChanged; }
  /// Rows whose new text differs from the one loaded or last saved.
  int UnsavedRowCount() const { return mUnsaved; }
  /// The first row whose new text is empty; -1 when there is none.
  int FirstEmptyRow() const;

  /// What row aRow's new text will be stored as, where that is not simply
  /// what it shows.
  TRowStorage Storage(int aRow) const;
  /// What is left to do with row aRow.
  TState State(int aRow) const;
  /// aText as a view shows it: "(empty)" for no text, and blanks at either
  /// end as dots, so that an empty text and one of blanks look different.
  static QString ShownText(const QString& aText);
  /// The words a view shows for aState.
  static QString StateText(TState aState);
  /// What a view says when no row in aState is left going by aStep.
  static QString NoRowText(TState aState, int aStep);
  /// Each row not stored as typed, with its storage, in row order.
  std::vector<std::pair<int, TRowStorage>> RowsNotStoredAsTyped() const;

  /// Checks the spelling of new texts with aSpeller from now on (which must
  /// outlive its use here); nullptr checks none.
  void SetSpeller(const TSpeller* aSpeller);
  const TSpeller* Speller() const { return mChecks->Speller(); }
  /// Whether row aRow fails one of the checks of a translation: blanks, end
  /// punctuation, case, digits, consistency with other rows, spelling.
  bool FailsChecks(int aRow) const { return mChecks->Fails(aRow); }
  /// The checks row aRow fails.
  std::vector<TCheckFailure> CheckFailures(int aRow) const { return mChecks->Failures(aRow); }
  /// What a view says when no row failing a check is left going by aStep.
  static QString NoFailingRowText(int aStep);
  /// Of aShown rows a view shows, row aRowShown(i) of the map at place i,
  /// the first place after aFrom, going by aStep (1 or -1), whose row aWanted
  /// takes; -1 when there is none.
  static int NextRowWhere(const std::function<bool(int)>& aWanted, int aFrom, int aStep,
                          const std::function<int(int)>& aRowShown, int aShown);

 signals:
  /// The counts of changed or unsaved rows have changed.
  void countsChanged();
  /// The old texts were read anew: a load, or a change of code page.
  void oldTextsChanged();

 private:
  /// The bytes aRow's new text is stored as.
  std::string StoredBytes(int aRow) const;
  /// The rows whose new texts are stored as aBytes, in row order.
  std::vector<int> RowsStoredAs(const std::string& aBytes) const;
  void TakeOldTexts();
  void IndexChangedRows();
  void EmitRowsChanged(const std::vector<int>& aRows);
  /// The sentences of the checks row aRow fails.
  QStringList CheckSentences(int aRow) const;

  /// The rows' texts as the checks read them.
  class TTextsForChecks final : public TRowTexts {
   public:
    explicit TTextsForChecks(const TCategoryModel& aModel) : mModel(aModel) {}
    int RowCount() const override { return static_cast<int>(mModel.mOld.size()); }
    std::u16string_view OldText(int aRow) const override { return utf16View(mModel.mOld[aRow]); }
    std::u16string_view NewText(int aRow) const override { return utf16View(mModel.mNew[aRow]); }
    std::vector<int> RowsWithOldText(std::u16string_view aText) const override;

   private:
    const TCategoryModel& mModel;
  };

  const TVectorEngine* mEngine = nullptr;
  TCodePage mCodePage = TCodePage::Western;
  QStringList mOld;
  QStringList mNew;
  QStringList mSaved;
  /// The rows given a new text, by the bytes that text is stored as. A row
  /// left as it was stores its own category, which the engine finds.
  std::unordered_map<std::string, std::vector<int>> mChangedRows;
  int mChanged = 0;
  int mUnsaved = 0;
  QIcon mWarning;
  QIcon mAdvice;
  TTextsForChecks mTextsForChecks{*this};
  std::unique_ptr<TTranslationChecks> mChecks;
};
