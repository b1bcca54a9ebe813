// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractListModel>
#include <QString>
#include <vector>

/// A translation offered for a row: the old text of the entry it comes
/// from, its new text, where it comes from, and how alike the entry's old
/// text is to the row's.
struct TShownSuggestion {
  QString Old;
  QString New;
  QString Source;
  int Similarity = 0;
};

/// The suggestions for one row, best first, each as one line:
/// "Ctrl+1  87%  Trees → Bäume  (other.po)".
class TSuggestionModel final : public QAbstractListModel {
  Q_OBJECT

 public:
  enum TRole {
    /// QString: the suggestion's new text.
    NewTextRole = Qt::UserRole + 1,
  };

  explicit TSuggestionModel(QObject* aParent = nullptr);

  int rowCount(const QModelIndex& aParent = {}) const override;
  QVariant data(const QModelIndex& aIndex, int aRole = Qt::DisplayRole) const override;

  void SetSuggestions(std::vector<TShownSuggestion> aSuggestions);
  const std::vector<TShownSuggestion>& Suggestions() const { return mSuggestions; }

 private:
  std::vector<TShownSuggestion> mSuggestions;
};
