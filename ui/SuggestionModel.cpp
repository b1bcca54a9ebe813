// SPDX-License-Identifier: GPL-3.0-or-later
#include "SuggestionModel.h"

#include <QKeySequence>

#include "CategoryModel.h"
#include "LoadMessages.h"

namespace {

/// A text as one line shows it: control characters escaped, blanks at
/// either end and no text at all made visible.
QString shown(const QString& aText) {
  return TCategoryModel::ShownText(EscapeControlCharacters(aText));
}

}  // namespace

TSuggestionModel::TSuggestionModel(QObject* aParent) : QAbstractListModel(aParent) {}

int TSuggestionModel::rowCount(const QModelIndex& aParent) const {
  return aParent.isValid() ? 0 : static_cast<int>(mSuggestions.size());
}

QVariant TSuggestionModel::data(const QModelIndex& aIndex, int aRole) const {
  if (!aIndex.isValid() || aIndex.row() >= rowCount()) return {};
  const TShownSuggestion& suggestion = mSuggestions[static_cast<std::size_t>(aIndex.row())];
  switch (aRole) {
    case Qt::DisplayRole: {
      const QString key =
          QKeySequence(Qt::CTRL | (Qt::Key_1 + aIndex.row())).toString(QKeySequence::NativeText);
      return tr("%1  %2%  %3 \u2192 %4  (%5)")
          .arg(key, QString::number(suggestion.Similarity), shown(suggestion.Old),
               shown(suggestion.New), EscapeControlCharacters(suggestion.Source));
    }
    case Qt::ToolTipRole:
      return tr("%1% alike: \"%2\" became \"%3\" in %4")
          .arg(QString::number(suggestion.Similarity), EscapeControlCharacters(suggestion.Old),
               EscapeControlCharacters(suggestion.New), EscapeControlCharacters(suggestion.Source));
    case NewTextRole:
      return suggestion.New;
    default:
      return {};
  }
}

void TSuggestionModel::SetSuggestions(std::vector<TShownSuggestion> aSuggestions) {
  beginResetModel();
  mSuggestions = std::move(aSuggestions);
  endResetModel();
}
