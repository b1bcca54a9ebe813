// SPDX-License-Identifier: GPL-3.0-or-later
#include "TranslationTable.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMouseEvent>
#include <QScreen>
#include <QTableView>
#include <QUndoStack>
#include <QVBoxLayout>
#include <algorithm>

#include "CategoryEditor.h"
#include "CategoryFilter.h"
#include "CategoryModel.h"
#include "EditorKeys.h"
#include "SuggestionView.h"

namespace {

// The table starts showing about this many rows, and texts this long whole.
constexpr int kRowsShown = 30;
constexpr int kTextShown = 100;

}  // namespace

TTranslationTable::TTranslationTable(TCategoryModel& aModel, QItemSelectionModel& aListsSelection,
                                     QUndoStack& aHistory, THooks aHooks, QWidget* aParent)
    : QWidget(aParent, Qt::Window),
      mModel(aModel),
      mListsSelection(aListsSelection),
      mHistory(aHistory),
      mHooks(std::move(aHooks)),
      mFilter(new TCategoryFilter(this)) {
  mFilter->setSourceModel(&mModel);
  CreateControls();
  connect(&mListsSelection, &QItemSelectionModel::currentRowChanged, this,
          [this] { FollowLists(); });
  connect(mTable->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] {
    LeadLists();
    UpdateSuggestions();
  });
  for (const auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
    connect(mFilter, signal, this, [this] { UpdateCount(); });
  connect(mFilter, &QAbstractItemModel::modelReset, this, [this] {
    // The rows shown anew keep the row the lists show selected.
    FollowLists();
    UpdateCount();
  });
  connect(mFilter, &QAbstractItemModel::layoutChanged, this, [this] { UpdateCount(); });
  connect(&mModel, &TCategoryModel::countsChanged, this, [this] { UpdateCount(); });
  UpdateCount();
}

void TTranslationTable::CreateControls() {
  setObjectName(QStringLiteral("TranslationTable"));
  setWindowTitle(tr("Translation table"));

  mSearch = new QLineEdit(this);
  mSearch->setObjectName(QStringLiteral("Search"));
  mSearch->setPlaceholderText(tr("Search old and new texts"));
  mSearch->setAccessibleName(tr("Search"));
  mSearch->setClearButtonEnabled(true);
  mExactCase = new QCheckBox(tr("Exact case"), this);
  mExactCase->setObjectName(QStringLiteral("ExactCase"));
  mExpression = new QCheckBox(tr("Regular expression"), this);
  mExpression->setObjectName(QStringLiteral("RegularExpression"));
  mStates = new QComboBox(this);
  mStates->setObjectName(QStringLiteral("States"));
  mStates->setAccessibleName(tr("Rows shown"));
  mStates->addItem(tr("All"), int(TCategoryFilter::TStates::All));
  mStates->addItem(tr("To do"), int(TCategoryFilter::TStates::ToDo));
  mStates->addItem(tr("Changed"), int(TCategoryFilter::TStates::Changed));
  mStates->addItem(tr("Not stored as typed"), int(TCategoryFilter::TStates::NotStoredAsTyped));
  mStates->addItem(tr("Checks failing"), int(TCategoryFilter::TStates::FailingChecks));

  mTable = new QTableView(this);
  mTable->setObjectName(QStringLiteral("Table"));
  mTable->setAccessibleName(tr("Categories"));
  mTable->setModel(mFilter);
  mTable->setSelectionBehavior(QAbstractItemView::SelectRows);
  // Several rows may be selected for the row actions; the first is the one
  // the lists show.
  mTable->setSelectionMode(QAbstractItemView::ExtendedSelection);
  mTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
  mTable->setSortingEnabled(true);
  mTable->sortByColumn(-1, Qt::AscendingOrder);
  mTable->verticalHeader()->hide();
  mTable->horizontalHeader()->setStretchLastSection(true);
  const int textWidth = fontMetrics().horizontalAdvance(QString(kTextShown, u'n'));
  mTable->setColumnWidth(TCategoryModel::OldColumn, textWidth);
  mTable->setColumnWidth(TCategoryModel::NewColumn, textWidth);
  mDelegate = new TCategoryEditorDelegate(
      mTable->verticalHeader()->defaultSectionSize(),
      {mHooks.CodePage,
       [this](int aRow, const QString& aText) {
         mHooks.Keep(mFilter->mapToSource(mFilter->index(aRow, 0)).row(), aText);
       },
       [this] { EditNextShownRow(); }, mHooks.Speller, {}, {}},
      mTable);
  mTable->setItemDelegateForColumn(TCategoryModel::NewColumn, mDelegate);
  connect(mTable, &QAbstractItemView::doubleClicked, this,
          [this](const QModelIndex& aIndex) { EditShownRow(aIndex.row()); });
  OpenEditorOnKeys(mTable, [this] { EditShownRow(mTable->currentIndex().row()); });

  mCount = new QLabel(this);
  mCount->setObjectName(QStringLiteral("Count"));
  // The memory's suggestions for the row selected, under the rows.
  auto* suggestionsLabel = new QLabel(tr("Suggestions from the translation memory:"), this);
  mSuggestions = new TSuggestionView(this);
  suggestionsLabel->setBuddy(mSuggestions);
  mSuggestions->setFixedHeight(mSuggestions->HeightFor(3));
  connect(mSuggestions, &TSuggestionView::chosen, this,
          [this](const QString& aText) { PutIntoCurrentEditor(aText); });

  auto* search = new QHBoxLayout;
  search->addWidget(mSearch, 1);
  search->addWidget(mExactCase);
  search->addWidget(mExpression);
  search->addWidget(mStates);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(search);
  layout->addWidget(mTable, 1);
  layout->addWidget(suggestionsLabel);
  layout->addWidget(mSuggestions);
  layout->addWidget(mCount);

  connect(mSearch, &QLineEdit::textChanged, this, [this] { ApplySearch(); });
  for (QCheckBox* box : {mExactCase, mExpression})
    connect(box, &QCheckBox::toggled, this, [this] { ApplySearch(); });
  connect(mStates, &QComboBox::currentIndexChanged, this, [this] {
    KeepOpenEditor();
    mFilter->SetStates(static_cast<TCategoryFilter::TStates>(mStates->currentData().toInt()));
  });

  const auto action = [this](const QKeySequence& aKey, auto aDo) {
    auto* entry = new QAction(this);
    entry->setShortcut(aKey);
    entry->setShortcutContext(Qt::WindowShortcut);
    connect(entry, &QAction::triggered, this, aDo);
    addAction(entry);
  };
  action(QKeySequence(Qt::CTRL | Qt::Key_F), [this] {
    mSearch->setFocus(Qt::ShortcutFocusReason);
    mSearch->selectAll();
  });
  // An open editor takes the history keys for its own text.
  action(QKeySequence(Qt::CTRL | Qt::Key_Z), [this] { mHistory.undo(); });
  action(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), [this] { mHistory.redo(); });
  using TState = TCategoryModel::TState;
  action(QKeySequence(Qt::CTRL | Qt::Key_J), [this] { GoToRow(int(TState::ToDo), 1); });
  action(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_J),
         [this] { GoToRow(int(TState::ToDo), -1); });
  action(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_K),
         [this] { GoToRow(int(TState::NotStoredAsTyped), 1); });
  action(QKeySequence(Qt::Key_F8), [this] { GoToFailingRow(1); });
  action(QKeySequence(Qt::SHIFT | Qt::Key_F8), [this] { GoToFailingRow(-1); });
  for (int index = 0; index < 3; ++index)
    action(QKeySequence(Qt::CTRL | (Qt::Key_1 + index)), [this, index] { UseSuggestion(index); });
  // Copying the old text into the new, as translation editors copy the
  // source, and putting a row back as saved; on every row selected, as one
  // step.
  mCopyOld = new QAction(tr("Copy old text to new"), this);
  mCopyOld->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_B));
  mRevert = new QAction(tr("Revert to the saved text"), this);
  for (QAction* entry : {mCopyOld, mRevert}) {
    entry->setShortcutContext(Qt::WindowShortcut);
    entry->setShortcutVisibleInContextMenu(true);
    addAction(entry);
  }
  connect(mCopyOld, &QAction::triggered, this, [this] { PutBack(false, tr("Copy old texts")); });
  connect(mRevert, &QAction::triggered, this, [this] { PutBack(true, tr("Revert")); });
  mTable->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(mTable, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& aAt) { ShowRowMenu(aAt); });

  // About 30 rows and two whole texts, within the screen.
  QSize size(2 * textWidth + fontMetrics().horizontalAdvance(QString(60, u'n')),
             (kRowsShown + 3) * mTable->verticalHeader()->defaultSectionSize() + 80);
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    size = size.boundedTo(screen->availableGeometry().size());
  resize(size);
}

void TTranslationTable::ApplySearch() {
  // The rows shown are taken anew; a text being typed is kept first.
  KeepOpenEditor();
  mFilter->SetSearch(mSearch->text(), mExactCase->isChecked(), mExpression->isChecked());
  // An expression that is not valid is marked, and hides no row meanwhile.
  QPalette palette = mSearch->palette();
  palette.setColor(QPalette::Base, mFilter->IsSearchValid()
                                       ? QGuiApplication::palette().color(QPalette::Base)
                                       : QColor(255, 220, 220));
  mSearch->setPalette(palette);
  mSearch->setToolTip(mFilter->IsSearchValid() ? QString()
                                               : tr("This regular expression is not valid."));
}

void TTranslationTable::showEvent(QShowEvent* aEvent) {
  QWidget::showEvent(aEvent);
  UpdateCount();
  // The table opens on the row the lists show; maps added to the memory
  // while it was closed suggest too.
  FollowLists();
  UpdateSuggestions();
}

void TTranslationTable::UpdateCount() {
  // The count looks at every row not stored as typed; a closed table, kept
  // for its next showing, leaves edits free of it.
  if (!isVisible()) return;
  const int rows = mModel.rowCount();
  int notStored = 0, changedNotStored = 0;
  for (const auto& [row, storage] : mModel.RowsNotStoredAsTyped()) {
    ++notStored;
    if (mModel.NewText(row) != mModel.OldText(row)) ++changedNotStored;
  }
  const int changed = mModel.ChangedRowCount() - changedNotStored;
  const int toDo = rows - mModel.ChangedRowCount() - (notStored - changedNotStored);
  const QLocale locale;
  mCount->setText(tr("%1 shown \u00b7 %2 categories \u00b7 %3 to do \u00b7 %4 changed \u00b7 %5 "
                     "not stored as typed")
                      .arg(locale.toString(mFilter->rowCount()), locale.toString(rows),
                           locale.toString(toDo), locale.toString(changed),
                           locale.toString(notStored)));
}

QLineEdit* TTranslationTable::OpenEditor() const { return mDelegate->OpenEditor(); }

void TTranslationTable::KeepOpenEditor() { mDelegate->Keep(OpenEditor()); }

void TTranslationTable::EditShownRow(int aRow) {
  if (aRow < 0 || aRow >= mFilter->rowCount()) return;
  KeepOpenEditor();
  const QModelIndex cell = mFilter->index(aRow, TCategoryModel::NewColumn);
  mTable->selectionModel()->setCurrentIndex(
      cell, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  mTable->scrollTo(cell);
  mTable->edit(cell);
}

void TTranslationTable::EditNextShownRow() {
  const int next = mTable->currentIndex().row() + 1;
  if (next > 0 && next < mFilter->rowCount()) EditShownRow(next);
}

void TTranslationTable::FollowLists() {
  if (mFollowing) return;
  const QModelIndex current = mListsSelection.currentIndex();
  const QModelIndex shown = mFilter->mapFromSource(mModel.index(current.row(), 0));
  if (!shown.isValid() || shown.row() == mTable->currentIndex().row()) return;
  mFollowing = true;
  mTable->selectionModel()->setCurrentIndex(
      shown, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  mTable->scrollTo(shown);
  mFollowing = false;
}

void TTranslationTable::LeadLists() {
  if (mFollowing) return;
  const QModelIndex source = mFilter->mapToSource(mTable->currentIndex());
  if (!source.isValid() || source.row() == mListsSelection.currentIndex().row()) return;
  mFollowing = true;
  mListsSelection.setCurrentIndex(mModel.index(source.row(), TCategoryModel::NewColumn),
                                  QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  mFollowing = false;
}

void TTranslationTable::GoToRow(int aState, int aStep) {
  const auto state = static_cast<TCategoryModel::TState>(aState);
  GoTo([this, state](int aRow) { return mModel.State(aRow) == state; }, aStep,
       TCategoryModel::NoRowText(state, aStep));
}

void TTranslationTable::GoToFailingRow(int aStep) {
  GoTo([this](int aRow) { return mModel.FailsChecks(aRow); }, aStep,
       TCategoryModel::NoFailingRowText(aStep));
}

void TTranslationTable::GoTo(const std::function<bool(int)>& aWanted, int aStep,
                             const QString& aNoRow) {
  KeepOpenEditor();
  const int shown = TCategoryModel::NextRowWhere(
      aWanted, mTable->currentIndex().row(), aStep,
      [this](int aShown) { return mFilter->mapToSource(mFilter->index(aShown, 0)).row(); },
      mFilter->rowCount());
  if (shown < 0) {
    mCount->setText(aNoRow);
    return;
  }
  EditShownRow(shown);
}

std::vector<int> TTranslationTable::SelectedRows() const {
  std::vector<int> rows;
  QModelIndexList selected = mTable->selectionModel()->selectedRows();
  std::sort(selected.begin(), selected.end(),
            [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
  for (const QModelIndex& index : selected) rows.push_back(mFilter->mapToSource(index).row());
  return rows;
}

void TTranslationTable::PutBack(bool aSaved, const QString& aStep) {
  KeepOpenEditor();
  std::vector<std::pair<int, QString>> texts;
  for (const int row : SelectedRows()) {
    const QString& text = aSaved ? mModel.SavedText(row) : mModel.OldText(row);
    if (mModel.NewText(row) != text) texts.emplace_back(row, text);
  }
  if (!texts.empty()) mHooks.KeepAll(aStep, texts);
}

void TTranslationTable::ShowRowMenu(const QPoint& aAt) {
  auto* menu = new QMenu(this);
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->addActions({mCopyOld, mRevert});
  menu->addSeparator();
  for (QAction* entry : mHooks.MemoryActions) menu->addAction(entry);
  if (!mHooks.MemoryActions.empty()) menu->addSeparator();
  if (mHooks.SpellingMenu) menu->addMenu(mHooks.SpellingMenu(menu));
  menu->popup(mTable->viewport()->mapToGlobal(aAt));
}

void TTranslationTable::UpdateSuggestions() {
  const QModelIndex source = mFilter->mapToSource(mTable->currentIndex());
  mSuggestions->SetSuggestions(source.isValid() && mHooks.Suggestions
                                   ? mHooks.Suggestions(source.row())
                                   : std::vector<TShownSuggestion>{});
}

void TTranslationTable::UseSuggestion(int aIndex) {
  const std::vector<TShownSuggestion>& shown = mSuggestions->Suggestions();
  if (aIndex >= static_cast<int>(shown.size())) return;
  PutIntoCurrentEditor(shown[static_cast<std::size_t>(aIndex)].New);
}

void TTranslationTable::PutIntoCurrentEditor(const QString& aText) {
  if (OpenEditor() == nullptr) EditShownRow(mTable->currentIndex().row());
  if (QLineEdit* editor = OpenEditor()) PutIntoEditor(editor, aText);
}
