// SPDX-License-Identifier: GPL-3.0-or-later
#include "CategoryListAccessible.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QPersistentModelIndex>

#include "CategoryList.h"

namespace {

/// One row of a category list, as the list shows it.
class TRowAccessible final : public QAccessibleInterface {
 public:
  TRowAccessible(TCategoryList* aList, const QModelIndex& aIndex) : mList(aList), mIndex(aIndex) {}

  bool isValid() const override { return mList != nullptr && mIndex.isValid(); }
  QObject* object() const override { return nullptr; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* parent() const override {
    return QAccessible::queryAccessibleInterface(mList);
  }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QString text(QAccessible::Text aText) const override {
    if (!isValid()) return {};
    switch (aText) {
      case QAccessible::Name: {
        const QString name = mIndex.data(Qt::AccessibleTextRole).toString();
        return name.isEmpty() ? mIndex.data(Qt::DisplayRole).toString() : name;
      }
      case QAccessible::Description:
        return mIndex.data(Qt::AccessibleDescriptionRole).toString();
      default:
        return {};
    }
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    if (!isValid()) return {};
    const QRect shown = mList->visualRect(mIndex);
    return QRect(mList->viewport()->mapToGlobal(shown.topLeft()), shown.size());
  }
  QAccessible::Role role() const override { return QAccessible::ListItem; }
  QAccessible::State state() const override {
    QAccessible::State state;
    if (!isValid()) return state;
    state.selectable = true;
    state.focusable = true;
    state.selected = mList->selectionModel()->isRowSelected(mIndex.row(), {});
    state.focused = mList->hasFocus() && mList->CurrentRow() == mIndex.row();
    state.invisible = !mList->viewport()->rect().intersects(mList->visualRect(mIndex));
    return state;
  }

 private:
  TCategoryList* mList;
  QPersistentModelIndex mIndex;
};

/// A category list as a list of its rows.
class TListAccessible final : public QAccessibleWidget {
 public:
  explicit TListAccessible(TCategoryList* aList)
      : QAccessibleWidget(aList, QAccessible::List), mList(aList) {}
  ~TListAccessible() override {
    for (const QAccessible::Id id : std::as_const(mRows))
      QAccessible::deleteAccessibleInterface(id);
  }

  int childCount() const override { return mList->model() ? mList->model()->rowCount() : 0; }
  QAccessibleInterface* child(int aRow) const override {
    if (aRow < 0 || aRow >= childCount()) return nullptr;
    if (const auto known = mRows.constFind(aRow); known != mRows.constEnd()) {
      QAccessibleInterface* row = QAccessible::accessibleInterface(*known);
      // Rows come and go with the library; a row of an earlier one is made anew.
      if (row != nullptr && row->isValid()) return row;
      QAccessible::deleteAccessibleInterface(*known);
    }
    auto* row = new TRowAccessible(mList, mList->model()->index(aRow, mList->modelColumn()));
    mRows.insert(aRow, QAccessible::registerAccessibleInterface(row));
    return row;
  }
  int indexOfChild(const QAccessibleInterface* aChild) const override {
    for (auto it = mRows.constBegin(); it != mRows.constEnd(); ++it)
      if (QAccessible::accessibleInterface(it.value()) == aChild) return it.key();
    return -1;
  }
  QAccessibleInterface* focusChild() const override { return child(mList->CurrentRow()); }
  QAccessibleInterface* childAt(int aX, int aY) const override {
    const QModelIndex at = mList->indexAt(mList->viewport()->mapFromGlobal(QPoint(aX, aY)));
    return at.isValid() ? child(at.row()) : nullptr;
  }

 private:
  TCategoryList* mList;
  mutable QHash<int, QAccessible::Id> mRows;
};

QAccessibleInterface* categoryListFactory(const QString& aClass, QObject* aObject) {
  if (aClass != QLatin1String(TCategoryList::staticMetaObject.className())) return nullptr;
  return new TListAccessible(static_cast<TCategoryList*>(aObject));
}

}  // namespace

void InstallCategoryListAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(categoryListFactory);
    return true;
  }();
  (void)installed;
}
