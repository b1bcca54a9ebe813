// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestLibraries.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QTest>
#include <QUndoStack>

#include "CategoryModel.h"
#include "LibraryDocument.h"
#include "RowEditCommand.h"
#include "SampleItems.h"

TSampleLibrary LibraryWithCategories(const QList<QByteArray>& aCategories) {
  TSampleLibrary library;
  const auto count = static_cast<int>(aCategories.size());
  for (int i = 0; i < count; ++i)
    library.Items.push_back(sampleItem("item " + std::to_string(count - i),
                                       aCategories[i].toStdString(), 3,
                                       static_cast<std::uint8_t>(i + 1)));
  return library;
}

QString WriteLibrary(const QString& aDir, const QString& aName, const TSampleLibrary& aLibrary) {
  const QString path = QDir(aDir).filePath(aName);
  writeBytesToFile(path.toStdString(), buildSampleLibrary(aLibrary));
  return path;
}

QByteArray ReadFile(const QString& aPath) {
  QFile file(aPath);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
}

TControls::TControls(const QWidget& aForm)
    : Button1(aForm.findChild<QPushButton*>(QStringLiteral("Button1"))),
      Button2(aForm.findChild<QPushButton*>(QStringLiteral("Button2"))),
      Label3(aForm.findChild<QLabel*>(QStringLiteral("Label3"))),
      lb_Cats(aForm.findChild<QListView*>(QStringLiteral("lb_Cats"))),
      lb_NewCats(aForm.findChild<QListView*>(QStringLiteral("lb_NewCats"))) {}

QAction* Action(const QWidget& aForm, const QString& aName) {
  return aForm.findChild<QAction*>(aName);
}

namespace {

QModelIndex rowIndex(const QListView* aList, int aRow) {
  return aList->model()->index(aRow, aList->modelColumn());
}

}  // namespace

QStringList RowTexts(const QListView* aList) {
  QStringList rows;
  for (int row = 0; row < RowCount(aList); ++row) rows << RowText(aList, row);
  return rows;
}

QString RowText(const QListView* aList, int aRow) {
  // The text itself, not as the list shows it.
  return rowIndex(aList, aRow).data(Qt::EditRole).toString();
}

int RowCount(const QListView* aList) { return aList->model()->rowCount(); }

int CurrentRow(const QAbstractItemView* aList) {
  const QModelIndex current = aList->selectionModel()->currentIndex();
  return current.isValid() ? current.row() : -1;
}

void SetCurrentRow(QListView* aList, int aRow) { aList->setCurrentIndex(rowIndex(aList, aRow)); }

bool RowSelected(const QAbstractItemView* aList, int aRow) {
  return aList->selectionModel()->isRowSelected(aRow, {});
}

QRect RowRect(const QListView* aList, int aRow) { return aList->visualRect(rowIndex(aList, aRow)); }

QPoint RowCentre(const QListView* aList, int aRow) {
  return {aList->viewport()->width() / 2, RowRect(aList, aRow).center().y()};
}

QVariant NewRowData(const TMainform& aForm, int aRow, int aRole) {
  const TCategoryModel& model = *aForm.Document().Model();
  return model.index(aRow, TCategoryModel::NewColumn).data(aRole);
}

void SetRowText(QListView* aList, int aRow, const QString& aText) {
  static_cast<TCategoryModel*>(aList->model())->SetNewText(aRow, aText);
}

void Edit(TMainform& aForm, int aRow, const QString& aText) {
  TCategoryModel& model = *aForm.Document().Model();
  aForm.Document().UndoStack()->push(
      new TRowEditCommand(QString(), model, {{aRow, model.NewText(aRow), aText}}));
}

void RunDeferredDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

TMainformFixture::TMainformFixture() {
  auto dialogs = std::make_unique<TFakeDialogs>();
  Dialogs = dialogs.get();
  Form = std::make_unique<TMainform>(std::move(dialogs));
}

void TMainformFixture::Load(const QString& aFile) {
  Dialogs->Answers.push_back(aFile);
  Controls(*Form).Button1->click();
}

bool TMainformFixture::LoadRows(int aCount, const QByteArray& aLast) {
  QList<QByteArray> categories;
  for (int i = 0; i < aCount; ++i) categories << "Row " + QByteArray::number(i);
  if (!aLast.isEmpty()) categories.back() = aLast;
  Form->show();
  Load(WriteLibrary(Dir.path(), "rows.zbl", LibraryWithCategories(categories)));
  LayOut();
  return QTest::qWaitForWindowActive(Form.get());
}

void TMainformFixture::LayOut() {
  const TControls controls(*Form);
  for (QListView* list : {controls.lb_Cats, controls.lb_NewCats}) list->doItemsLayout();
  QCoreApplication::processEvents();
}
