// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QTableView>
#include <QTest>
#include <QUndoStack>

#include "TestLibraries.h"

class TranslationTableTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    mFixture = std::make_unique<TMainformFixture>();
    QVERIFY(mFixture->LoadRows(5));
    QTest::keyClick(Controls(Form()).lb_NewCats, Qt::Key_T, Qt::ControlModifier);
    mWindow = Form().findChild<QWidget*>(QStringLiteral("TranslationTable"));
    QVERIFY(mWindow && mWindow->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(mWindow));
    mTable = mWindow->findChild<QTableView*>(QStringLiteral("Table"));
  }
  void cleanup() { mFixture.reset(); }

  // The table edits the lists' rows: in the table's order, as one step each,
  // shown in the lists at once; Ctrl+Enter goes on to the next row shown.
  void EditsAreTheListsEdits_data() {
    QTest::addColumn<QString>("search");
    QTest::addColumn<bool>("next");
    QTest::addColumn<QStringList>("rows");
    QTest::newRow("Enter keeps the text")
        << "" << false << QStringList{"Kept", "Row 1", "Row 2", "Row 3", "Row 4"};
    QTest::newRow("Ctrl+Enter goes to the next row shown")
        << "" << true << QStringList{"Kept", "Row 1", "Row 2", "Row 3", "Row 4"};
    QTest::newRow("a search: the row found is the one edited")
        << "3" << false << QStringList{"Row 0", "Row 1", "Row 2", "Kept", "Row 4"};
  }
  void EditsAreTheListsEdits() {
    QFETCH(QString, search);
    QFETCH(bool, next);
    QFETCH(QStringList, rows);
    QTest::keyClicks(mWindow->findChild<QLineEdit*>(QStringLiteral("Search")), search);
    mTable->setFocus();
    mTable->setCurrentIndex(mTable->model()->index(0, 1));
    QTest::keyClick(mTable, Qt::Key_F2);
    QLineEdit* editor = Form().OpenEditor();
    QVERIFY(editor);
    editor->selectAll();
    QTest::keyClicks(editor, "Kept");
    QTest::keyClick(editor, Qt::Key_Return, next ? Qt::ControlModifier : Qt::NoModifier);
    QCOMPARE(RowTexts(Controls(Form()).lb_NewCats), rows);
    QCOMPARE(Form().Document().UndoStack()->count(), 1);
    QCOMPARE(Form().OpenEditor() != nullptr, next);
    if (next) QCOMPARE(Form().OpenEditor()->text(), QStringLiteral("Row 1"));
  }

  // A row selected in either is selected in the other; the count says how
  // many rows the search shows.
  void SelectionAndCountFollow() {
    mTable->setCurrentIndex(mTable->model()->index(3, 0));
    QCOMPARE(CurrentRow(Controls(Form()).lb_Cats), 3);
    SetCurrentRow(Controls(Form()).lb_Cats, 1);
    QCOMPARE(mTable->currentIndex().row(), 1);
    QTest::keyClicks(mWindow->findChild<QLineEdit*>(QStringLiteral("Search")), "Row 2");
    QCOMPARE(mTable->model()->rowCount(), 1);
    const QString count = mWindow->findChild<QLabel*>(QStringLiteral("Count"))->text();
    QVERIFY2(
        count.startsWith("1 shown") && count.contains("5 categories") && count.contains("5 to do"),
        qPrintable(count));
  }

 private:
  TMainform& Form() { return *mFixture->Form; }

  std::unique_ptr<TMainformFixture> mFixture;
  QWidget* mWindow = nullptr;
  QTableView* mTable = nullptr;
};

QTEST_MAIN(TranslationTableTest)
#include "TranslationTableTest.moc"
