// SPDX-License-Identifier: GPL-3.0-or-later
#include "CategoryFilter.h"

#include "CategoryModel.h"
#include "strnatcomp.h"

TCategoryFilter::TCategoryFilter(QObject* aParent) : QSortFilterProxyModel(aParent) {}

// A new search or state is told as a reset: views take a new set of rows at
// once, where a change of layout has a table's header keep a persistent
// index for every row, and a removal per gap lays a view out again for each.
void TCategoryFilter::SetSearch(const QString& aText, bool aExactCase, bool aExpression) {
  beginResetModel();
  mText = aText;
  mCase = aExactCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
  mExpression = aExpression;
  mPattern = QRegularExpression(aText, aExactCase ? QRegularExpression::NoPatternOption
                                                  : QRegularExpression::CaseInsensitiveOption);
  endResetModel();
}

bool TCategoryFilter::IsSearchValid() const { return !mExpression || mPattern.isValid(); }

void TCategoryFilter::SetStates(TStates aStates) {
  beginResetModel();
  mStates = aStates;
  endResetModel();
}

bool TCategoryFilter::Matches(const QString& aText) const {
  if (mExpression) return mPattern.match(aText).hasMatch();
  return aText.contains(mText, mCase);
}

bool TCategoryFilter::filterAcceptsRow(int aSourceRow, const QModelIndex&) const {
  const auto* model = qobject_cast<const TCategoryModel*>(sourceModel());
  if (model == nullptr) return true;
  if (!mText.isEmpty() && IsSearchValid() && !Matches(model->OldText(aSourceRow)) &&
      !Matches(model->NewText(aSourceRow)))
    return false;
  // The state costs a look at how the row is stored; only a state filter asks.
  using TState = TCategoryModel::TState;
  switch (mStates) {
    case TStates::All:
      return true;
    case TStates::ToDo:
      return model->State(aSourceRow) == TState::ToDo;
    case TStates::Changed:
      return model->State(aSourceRow) == TState::Changed;
    case TStates::NotStoredAsTyped:
      return model->State(aSourceRow) == TState::NotStoredAsTyped;
    case TStates::FailingChecks:
      return model->FailsChecks(aSourceRow);
  }
  return true;
}

bool TCategoryFilter::lessThan(const QModelIndex& aLeft, const QModelIndex& aRight) const {
  if (aLeft.column() == TCategoryModel::ItemsColumn)
    return aLeft.data(TCategoryModel::ItemCountRole).toInt() <
           aRight.data(TCategoryModel::ItemCountRole).toInt();
  // The texts themselves, not as shown.
  const bool text =
      aLeft.column() == TCategoryModel::OldColumn || aLeft.column() == TCategoryModel::NewColumn;
  const int role = text ? Qt::EditRole : Qt::DisplayRole;
  return NatCompare(aLeft.data(role).toString().toStdU16String(),
                    aRight.data(role).toString().toStdU16String()) < 0;
}
