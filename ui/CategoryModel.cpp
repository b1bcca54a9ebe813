// SPDX-License-Identifier: GPL-3.0-or-later
#include "CategoryModel.h"

#include <QApplication>
#include <QColor>
#include <QFont>
#include <QStyle>
#include <algorithm>

#include "CategoryTooltip.h"
#include "CheckMessages.h"
#include "LibraryFormat.h"
#include "LoaderSaver.h"
#include "WorkProgress.h"

namespace {

// Beyond this many rows changed at once, one signal tells them all.
constexpr std::size_t kRowsToldOneByOne = 64;
// Rows given their texts between two reports of where that stands.
constexpr std::size_t kRowsPerLook = 4096;

}  // namespace

TCategoryModel::TCategoryModel(QObject* aParent)
    : QAbstractTableModel(aParent),
      mWarning(QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning)),
      mAdvice(QApplication::style()->standardIcon(QStyle::SP_MessageBoxInformation)),
      mChecks(std::make_unique<TTranslationChecks>(mTextsForChecks)) {}

TCategoryModel::~TCategoryModel() = default;

int TCategoryModel::rowCount(const QModelIndex& aParent) const {
  return aParent.isValid() ? 0 : static_cast<int>(mOld.size());
}

int TCategoryModel::columnCount(const QModelIndex& aParent) const {
  return aParent.isValid() ? 0 : ColumnCount;
}

Qt::ItemFlags TCategoryModel::flags(const QModelIndex& aIndex) const {
  if (!aIndex.isValid()) return Qt::NoItemFlags;
  const Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
  return aIndex.column() == NewColumn ? flags | Qt::ItemIsEditable : flags;
}

QVariant TCategoryModel::headerData(int aSection, Qt::Orientation aOrientation, int aRole) const {
  if (aOrientation != Qt::Horizontal || aRole != Qt::DisplayRole) return {};
  switch (aSection) {
    case OldColumn:
      return tr("Old category");
    case NewColumn:
      return tr("New category");
    case ItemsColumn:
      return tr("Items");
    case StateColumn:
      return tr("State");
    case NoteColumn:
      return tr("Note");
    default:
      return {};
  }
}

QVariant TCategoryModel::data(const QModelIndex& aIndex, int aRole) const {
  if (!aIndex.isValid() || aIndex.row() >= rowCount()) return {};
  const int row = aIndex.row();
  // The columns a table shows beside the texts say only what they show.
  switch (aIndex.column()) {
    case ItemsColumn:
      if (aRole == Qt::DisplayRole) return data(aIndex, ItemCountRole);
      if (aRole == Qt::TextAlignmentRole) return int(Qt::AlignRight | Qt::AlignVCenter);
      return aRole == ItemCountRole ? QVariant(mEngine ? mEngine->GetLibraryIndexItemCount(row) : 0)
                                    : QVariant();
    case StateColumn:
      if (aRole == Qt::DisplayRole) return StateText(State(row));
      return aRole == StateRole ? QVariant(static_cast<int>(State(row))) : QVariant();
    case NoteColumn: {
      if (aRole != Qt::DisplayRole && aRole != Qt::ToolTipRole) return {};
      // One line in a cell; the tooltip keeps the lines. The checks failing
      // come after how the text is stored.
      QStringList lines;
      if (const QString note = Storage(row).Note; !note.isEmpty()) lines << note;
      lines << CheckSentences(row);
      return lines.join(aRole == Qt::ToolTipRole ? QStringLiteral("\n") : QStringLiteral("; "));
    }
    default:
      break;
  }
  const bool isNew = aIndex.column() == NewColumn;
  const QString& text = isNew ? mNew[row] : mOld[row];
  switch (aRole) {
    case Qt::DisplayRole:
      return ShownText(text);
    case Qt::EditRole:
      return text;
    case Qt::ForegroundRole:
      // "(empty)" is no text of the row's; it is told apart.
      if (text.isEmpty()) return QColor(Qt::gray);
      return {};
    case StateRole:
      return static_cast<int>(State(row));
    case ItemCountRole:
      return mEngine ? mEngine->GetLibraryIndexItemCount(row) : 0;
    case ChangedRole:
      return mNew[row] != mOld[row];
    case FailsChecksRole:
      return FailsChecks(row);
    case CheckSentencesRole:
      return CheckSentences(row);
    case StorageNoteRole:
      return Storage(row).Note;
    case Qt::FontRole: {
      if (!isNew || mNew[row] == mOld[row]) return {};
      QFont bold;
      bold.setBold(true);
      return bold;
    }
    case Qt::DecorationRole:
      // Text not stored as typed is a warning; a failing check is advice.
      if (!isNew) return {};
      if (!Storage(row).Note.isEmpty()) return mWarning;
      if (FailsChecks(row)) return mAdvice;
      return {};
    case Qt::ToolTipRole: {
      if (!mEngine) return {};
      QString tip = CategoryTooltip(text, *mEngine, row);
      if (const QString note = isNew ? Storage(row).Note : QString(); !note.isEmpty())
        tip += u'\n' + note;
      if (isNew)
        for (const QString& sentence : CheckSentences(row)) tip += u'\n' + sentence;
      return TooltipMarkup(tip);
    }
    case Qt::AccessibleTextRole:
      return text.isEmpty() ? tr("(no text)") : text;
    case Qt::AccessibleDescriptionRole: {
      if (!isNew) return {};
      QStringList why;
      if (mNew[row] != mOld[row]) why << tr("Changed from \"%1\"").arg(mOld[row]);
      if (const QString note = Storage(row).Note; !note.isEmpty()) why << note;
      why << CheckSentences(row);
      return why.join(u'\n');
    }
    default:
      return {};
  }
}

void TCategoryModel::Reset(const TVectorEngine* aEngine, TCodePage aPage) {
  beginResetModel();
  mEngine = aEngine;
  mCodePage = aPage;
  TakeOldTexts();
  mNew = mOld;
  mSaved = mOld;
  mChangedRows.clear();
  mChanged = 0;
  mUnsaved = 0;
  mChecks->Reset();
  endResetModel();
  emit countsChanged();
}

void TCategoryModel::TakeOldTexts() {
  mOld.clear();
  const int count = mEngine ? mEngine->GetLibraryIndexCount() : 0;
  mOld.reserve(count);
  for (int i = 0; i < count; ++i)
    mOld.push_back(QString::fromStdU16String(mEngine->GetLibraryIndexItem(i)));
  emit oldTextsChanged();
}

TCategoryModel::TTexts TCategoryModel::ReadAgain(TCodePage aPage) {
  TTexts before{mNew, mSaved};
  const QStringList oldBefore = mOld;
  mCodePage = aPage;
  TakeOldTexts();
  for (int row = 0; row < mOld.size() && row < oldBefore.size(); ++row) {
    if (mNew[row] == oldBefore[row]) mNew[row] = mOld[row];
    if (mSaved[row] == oldBefore[row]) mSaved[row] = mOld[row];
  }
  IndexChangedRows();
  return before;
}

void TCategoryModel::Restore(TCodePage aPage, const TTexts& aTexts) {
  mCodePage = aPage;
  TakeOldTexts();
  mNew = aTexts.New;
  mSaved = aTexts.Saved;
  IndexChangedRows();
}

void TCategoryModel::IndexChangedRows() {
  // Every row may have changed: count and index them afresh.
  mChangedRows.clear();
  mChanged = 0;
  mUnsaved = 0;
  for (int row = 0; row < mOld.size(); ++row) {
    if (mNew[row] != mSaved[row]) ++mUnsaved;
    if (mNew[row] == mOld[row]) continue;
    ++mChanged;
    mChangedRows[StoredBytes(row)].push_back(row);
  }
  mChecks->Reset();
  if (!mOld.isEmpty()) emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
  emit countsChanged();
}

std::string TCategoryModel::StoredBytes(int aRow) const {
  return encodeAnsi(mNew[aRow].toStdU16String(), mCodePage, kRemarksCapacity).Bytes;
}

std::vector<int> TCategoryModel::RowsStoredAs(const std::string& aBytes) const {
  std::vector<int> rows;
  if (const auto changed = mChangedRows.find(aBytes); changed != mChangedRows.end())
    rows = changed->second;
  // A row left as it was stores its category's own bytes.
  if (mEngine) {
    if (const std::optional<std::size_t> entry = mEngine->FindCategoryBytes(aBytes)) {
      const int row = static_cast<int>(*entry);
      if (row < mOld.size() && mNew[row] == mOld[row])
        rows.insert(std::lower_bound(rows.begin(), rows.end(), row), row);
    }
  }
  return rows;
}

void TCategoryModel::SetNewText(int aRow, const QString& aText) { SetNewTexts({{aRow, aText}}); }

void TCategoryModel::SetNewTexts(const std::vector<std::pair<int, QString>>& aTexts,
                                 TWorkProgress* aProgress) {
  if (aProgress) aProgress->Begin(static_cast<int>(aTexts.size()));
  std::vector<int> touched;
  const auto touch = [&touched](const std::vector<int>& aRows) {
    touched.insert(touched.end(), aRows.begin(), aRows.end());
  };
  for (std::size_t i = 0; i < aTexts.size(); ++i) {
    if (aProgress && i % kRowsPerLook == 0) aProgress->Advance(static_cast<int>(i));
    const auto& [row, text] = aTexts[i];
    if (row < 0 || row >= mNew.size() || mNew[row] == text) continue;
    // The rows this one shared a category with, and those it now shares one
    // with, show that in their notes.
    const std::string before = StoredBytes(row);
    touch(RowsStoredAs(before));
    if (mNew[row] != mOld[row]) {
      std::vector<int>& rows = mChangedRows[before];
      rows.erase(std::find(rows.begin(), rows.end(), row));
      if (rows.empty()) mChangedRows.erase(before);
      --mChanged;
    }
    if (mNew[row] != mSaved[row]) --mUnsaved;
    mNew[row] = text;
    if (mNew[row] != mSaved[row]) ++mUnsaved;
    const std::string after = StoredBytes(row);
    if (mNew[row] != mOld[row]) {
      std::vector<int>& rows = mChangedRows[after];
      rows.insert(std::lower_bound(rows.begin(), rows.end(), row), row);
      ++mChanged;
    }
    touch(RowsStoredAs(after));
    touch(mChecks->NewTextChanged(row));
  }
  if (aProgress) aProgress->End();
  if (touched.empty()) return;
  EmitRowsChanged(touched);
  emit countsChanged();
}

void TCategoryModel::EmitRowsChanged(const std::vector<int>& aRows) {
  std::vector<int> rows = aRows;
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  // Many rows at once, as an import changes them, are told as one span: a
  // view repaints once rather than once a row.
  if (rows.size() > kRowsToldOneByOne) {
    emit dataChanged(index(rows.front(), 0), index(rows.back(), ColumnCount - 1));
    return;
  }
  for (const int row : rows) emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
}

TCategoryMap TCategoryModel::CategoryMap() const {
  TCategoryMap map;
  map.OldCats.reserve(static_cast<std::size_t>(mOld.size()));
  map.NewCats.reserve(static_cast<std::size_t>(mNew.size()));
  for (const QString& text : mOld) map.OldCats.push_back(text.toStdU16String());
  for (const QString& text : mNew) map.NewCats.push_back(text.toStdU16String());
  return map;
}

void TCategoryModel::MarkSaved() {
  mSaved = mNew;
  mUnsaved = 0;
  emit countsChanged();
}

int TCategoryModel::FirstEmptyRow() const {
  const auto empty =
      std::find_if(mNew.begin(), mNew.end(), [](const QString& t) { return t.isEmpty(); });
  return empty == mNew.end() ? -1 : static_cast<int>(empty - mNew.begin());
}

TRowStorage TCategoryModel::Storage(int aRow) const {
  if (!mEngine || aRow < 0 || aRow >= mNew.size()) return {};
  const QString& typed = mNew[aRow];
  const TAnsiText stored = encodeAnsi(typed.toStdU16String(), mCodePage, kRemarksCapacity);
  TRowStorage storage;
  if (typed != mOld[aRow]) storage.Note = StorageNote(typed, stored, mCodePage);
  storage.AsTyped = storage.Note.isEmpty();
  // Rows given one text on purpose become one category as they show; the
  // checks tell of that. A row whose different text meets this one's bytes
  // loses its text.
  const std::vector<int> same = RowsStoredAs(stored.Bytes);
  const auto other = std::find_if(same.begin(), same.end(),
                                  [&](int r) { return r != aRow && mNew[r] != typed; });
  if (other == same.end()) return storage;
  if (!storage.Note.isEmpty()) storage.Note += u'\n';
  storage.Note += MergeNote(stored, *other, mNew[*other], mCodePage);
  storage.AsTyped = false;
  return storage;
}

TCategoryModel::TState TCategoryModel::State(int aRow) const {
  if (mNew[aRow] != mOld[aRow])
    return Storage(aRow).AsTyped ? TState::Changed : TState::NotStoredAsTyped;
  // A row left as it was meets another only where a changed row is stored
  // as its bytes.
  if (mChangedRows.empty() || !mChangedRows.contains(StoredBytes(aRow))) return TState::ToDo;
  return Storage(aRow).AsTyped ? TState::ToDo : TState::NotStoredAsTyped;
}

int TCategoryModel::NextRowWhere(const std::function<bool(int)>& aWanted, int aFrom, int aStep,
                                 const std::function<int(int)>& aRowShown, int aShown) {
  for (int shown = aFrom + aStep; shown >= 0 && shown < aShown; shown += aStep)
    if (aWanted(aRowShown(shown))) return shown;
  return -1;
}

QString TCategoryModel::NoFailingRowText(int aStep) {
  return aStep > 0 ? tr("No row after this one fails a check.")
                   : tr("No row before this one fails a check.");
}

void TCategoryModel::SetSpeller(const TSpeller* aSpeller) {
  if (aSpeller == mChecks->Speller()) return;
  mChecks->SetSpeller(aSpeller);
  if (!mOld.isEmpty()) emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
}

std::vector<int> TCategoryModel::TTextsForChecks::RowsWithOldText(std::u16string_view aText) const {
  // The engine finds a category by its bytes; the row whose text those
  // bytes read as is the one.
  if (!mModel.mEngine) return {};
  const std::optional<std::size_t> entry = mModel.mEngine->FindCategoryBytes(
      encodeAnsi(aText, mModel.mCodePage, kRemarksCapacity).Bytes);
  if (!entry || static_cast<qsizetype>(*entry) >= mModel.mOld.size()) return {};
  const int row = static_cast<int>(*entry);
  return OldText(row) == aText ? std::vector<int>{row} : std::vector<int>();
}

QStringList TCategoryModel::CheckSentences(int aRow) const {
  if (!mChecks->Fails(aRow)) return {};
  return ::CheckSentences(mChecks->Failures(aRow), mOld, mNew);
}

QString TCategoryModel::ShownText(const QString& aText) {
  if (aText.isEmpty()) return tr("(empty)");
  // Blanks at either end are seen, as dots; the text itself keeps them.
  QString shown = aText;
  const QChar dot(0x00b7);
  for (qsizetype i = 0; i < shown.size() && shown[i].isSpace(); ++i) shown[i] = dot;
  for (qsizetype i = shown.size() - 1; i >= 0 && shown[i].isSpace(); --i) shown[i] = dot;
  return shown;
}

QString TCategoryModel::StateText(TState aState) {
  switch (aState) {
    case TState::ToDo:
      return tr("To do");
    case TState::Changed:
      return tr("Changed");
    case TState::NotStoredAsTyped:
      return tr("Not stored as typed");
  }
  return {};
}

QString TCategoryModel::NoRowText(TState aState, int aStep) {
  if (aState == TState::ToDo)
    return aStep > 0 ? tr("No row after this one is still to do.")
                     : tr("No row before this one is still to do.");
  if (aState == TState::NotStoredAsTyped)
    return aStep > 0 ? tr("No row after this one is not stored as typed.")
                     : tr("No row before this one is not stored as typed.");
  return aStep > 0 ? tr("No changed row after this one.") : tr("No changed row before this one.");
}

std::vector<std::pair<int, TRowStorage>> TCategoryModel::RowsNotStoredAsTyped() const {
  // Only a changed row, or a row sharing its category with one, has a note.
  std::vector<int> rows;
  for (const auto& [bytes, changed] : mChangedRows) {
    const std::vector<int> same = RowsStoredAs(bytes);
    rows.insert(rows.end(), same.begin(), same.end());
  }
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  std::vector<std::pair<int, TRowStorage>> altered;
  for (const int row : rows)
    if (TRowStorage storage = Storage(row); !storage.AsTyped)
      altered.emplace_back(row, std::move(storage));
  return altered;
}
