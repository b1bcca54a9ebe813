// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestLibraries.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

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

QStringList RowTexts(const QListWidget* aList) {
  QStringList rows;
  for (int row = 0; row < aList->count(); ++row) rows << aList->item(row)->text();
  return rows;
}

QPoint RowCentre(const QListWidget* aList, int aRow) {
  return {aList->viewport()->width() / 2, aList->visualItemRect(aList->item(aRow)).center().y()};
}

TMainformFixture::TMainformFixture() {
  auto dialogs = std::make_unique<TFakeDialogs>();
  Dialogs = dialogs.get();
  Form = std::make_unique<TMainform>(std::move(dialogs));
}

void TMainformFixture::Load(const QString& aFile) {
  Dialogs->Answers.push_back(aFile);
  Form->Button1->click();
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
  for (QListWidget* list : {Form->lb_Cats, Form->lb_NewCats}) list->doItemsLayout();
  QCoreApplication::processEvents();
}
