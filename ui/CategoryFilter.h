// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRegularExpression>
#include <QSortFilterProxyModel>

/// The rows of the category map a search and a state let through, sorted by
/// any column: texts in natural order (digits by value), item counts by
/// value. Sorting here never changes the order of the map's own rows.
class TCategoryFilter final : public QSortFilterProxyModel {
  Q_OBJECT

 public:
  /// Which rows pass by what is left to do with them.
  enum class TStates { All, ToDo, Changed, NotStoredAsTyped, FailingChecks };

  explicit TCategoryFilter(QObject* aParent = nullptr);

  /// Lets through the rows whose old or new text contains aText, letter
  /// case ignored unless aExactCase; with aExpression, aText is a regular
  /// expression they must match. An empty text lets every row through.
  void SetSearch(const QString& aText, bool aExactCase, bool aExpression);
  /// False while the search is a regular expression that is not valid; it
  /// then lets every row through.
  bool IsSearchValid() const;
  void SetStates(TStates aStates);

 protected:
  bool filterAcceptsRow(int aSourceRow, const QModelIndex& aSourceParent) const override;
  bool lessThan(const QModelIndex& aLeft, const QModelIndex& aRight) const override;

 private:
  bool Matches(const QString& aText) const;

  QString mText;
  Qt::CaseSensitivity mCase = Qt::CaseInsensitive;
  bool mExpression = false;
  QRegularExpression mPattern;
  TStates mStates = TStates::All;
};
