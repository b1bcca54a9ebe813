// SPDX-License-Identifier: GPL-3.0-or-later
#include <QSignalSpy>
#include <QTest>
#include <map>
#include <set>

#include "CategoryModel.h"
#include "LibraryFormat.h"
#include "LoaderSaver.h"
#include "StorageMessages.h"
#include "TestLibraries.h"

Q_DECLARE_METATYPE(TCodePage)

namespace {

/// Every row's storage worked out afresh from all rows, as a save sees them:
/// what the model keeps up to date row by row must always equal it.
std::vector<TRowStorage> storageOfEveryRow(const TCategoryModel& aModel, TCodePage aPage) {
  const int rows = aModel.rowCount();
  std::vector<TAnsiText> stored;
  std::map<std::string, std::vector<int>> rowsOf;
  for (int row = 0; row < rows; ++row) {
    stored.push_back(encodeAnsi(aModel.NewText(row).toStdU16String(), aPage, kRemarksCapacity));
    rowsOf[stored.back().Bytes].push_back(row);
  }
  std::vector<TRowStorage> storage(static_cast<std::size_t>(rows));
  for (int row = 0; row < rows; ++row) {
    TRowStorage& s = storage[static_cast<std::size_t>(row)];
    const TAnsiText& bytes = stored[static_cast<std::size_t>(row)];
    if (aModel.NewText(row) != aModel.OldText(row))
      s.Note = StorageNote(aModel.NewText(row), bytes, aPage);
    s.AsTyped = s.Note.isEmpty();
    // Rows given one text on purpose have no note: the checks tell of them.
    for (const int other : rowsOf[bytes.Bytes]) {
      if (other == row || aModel.NewText(other) == aModel.NewText(row)) continue;
      if (!s.Note.isEmpty()) s.Note += u'\n';
      s.Note += MergeNote(bytes, other, aModel.NewText(other), aPage);
      s.AsTyped = false;
      break;
    }
  }
  return storage;
}

}  // namespace

class CategoryModelTest : public QObject {
  Q_OBJECT

 private slots:
  // Steps: "row=text" gives a row a new text; "save" marks the texts saved.
  void StorageFollowsEveryEdit_data() {
    QTest::addColumn<TCodePage>("page");
    QTest::addColumn<QStringList>("steps");
    const TCodePage western = TCodePage::Western;
    QTest::newRow("two rows given one text") << western << QStringList{"0=C", "1=C"};
    QTest::newRow("a row given another row's category") << western << QStringList{"0=B"};
    QTest::newRow("a merge undone by a second edit") << western << QStringList{"0=B", "0=A"};
    QTest::newRow("three rows meet, then one leaves")
        << western << QStringList{"0=Z", "1=Z", "2=Z", "1=Y"};
    QTest::newRow("texts the code page lacks meet")
        << western << QStringList{"0=\u0394\u03ad\u03bd", "1=\u041c\u0430\u0448"};
    QTest::newRow("the same texts in a code page that has them")
        << TCodePage::Greek << QStringList{"0=\u0394\u03ad\u03bd", "1=\u0394\u03ad\u03bd"};
    QTest::newRow("a text cut to the field meets a long category")
        << western << QStringList{"0=" + QString(101, 'x')};
    QTest::newRow("edited back, after a save") << western << QStringList{"1=Q", "save", "1=B"};
  }
  void StorageFollowsEveryEdit() {
    QFETCH(TCodePage, page);
    QFETCH(QStringList, steps);
    TVectorEngine engine;
    engine.SetCodePage(page);
    QVERIFY(engine
                .LoadLibraryFromStream(buildSampleLibrary(
                    LibraryWithCategories({"A", "B", "C", QByteArray(100, 'x')})))
                .Kind == TLoadResult::TKind::Loaded);
    TCategoryModel model;
    model.Reset(&engine, page);
    QStringList saved = model.NewTexts();
    for (const QString& step : steps) {
      std::vector<TRowStorage> before = storageOfEveryRow(model, page);
      QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
      if (step == "save") {
        model.MarkSaved();
        saved = model.NewTexts();
      } else {
        model.SetNewText(step.section('=', 0, 0).toInt(), step.section('=', 1));
      }
      const std::vector<TRowStorage> after = storageOfEveryRow(model, page);
      std::set<int> told;
      for (const QList<QVariant>& signal : changed)
        for (int row = signal[0].toModelIndex().row(); row <= signal[1].toModelIndex().row(); ++row)
          told.insert(row);
      int changedRows = 0, unsaved = 0;
      std::vector<int> altered;
      for (int row = 0; row < model.rowCount(); ++row) {
        const TRowStorage storage = model.Storage(row);
        const auto r = static_cast<std::size_t>(row);
        QCOMPARE(storage.Note, after[r].Note);
        QCOMPARE(storage.AsTyped, after[r].AsTyped);
        // A row whose mark changes is redrawn.
        if (after[r].Note != before[r].Note) QVERIFY2(told.count(row), qPrintable(step));
        changedRows += model.NewText(row) != model.OldText(row) ? 1 : 0;
        unsaved += model.NewText(row) != saved[row] ? 1 : 0;
        if (!after[r].AsTyped) altered.push_back(row);
      }
      QCOMPARE(model.ChangedRowCount(), changedRows);
      QCOMPARE(model.UnsavedRowCount(), unsaved);
      std::vector<int> reported;
      for (const auto& [row, storage] : model.RowsNotStoredAsTyped()) reported.push_back(row);
      QCOMPARE(reported, altered);
    }
  }

  // An empty text and one of blanks look different; the text is kept.
  void BlanksCanBeSeen_data() {
    QTest::addColumn<QByteArray>("category");
    QTest::addColumn<QString>("shown");
    QTest::newRow("empty") << QByteArray("") << "(empty)";
    QTest::newRow("blanks only") << QByteArray("   ") << "\u00b7\u00b7\u00b7";
    QTest::newRow("blanks at the ends") << QByteArray("  Oak ") << "\u00b7\u00b7Oak\u00b7";
    QTest::newRow("blanks inside") << QByteArray("Old oak") << "Old oak";
  }
  void BlanksCanBeSeen() {
    QFETCH(QByteArray, category);
    QFETCH(QString, shown);
    TVectorEngine engine;
    engine.LoadLibraryFromStream(buildSampleLibrary(LibraryWithCategories({category})));
    TCategoryModel model;
    model.Reset(&engine, TCodePage::Western);
    for (const int column : {int(TCategoryModel::OldColumn), int(TCategoryModel::NewColumn)}) {
      QCOMPARE(model.index(0, column).data(Qt::DisplayRole).toString(), shown);
      QCOMPARE(model.index(0, column).data(Qt::EditRole).toString(), QString::fromLatin1(category));
    }
  }
};

QTEST_MAIN(CategoryModelTest)
#include "CategoryModelTest.moc"
