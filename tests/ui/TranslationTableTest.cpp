// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QCheckBox>
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
    for (QWidget* window : QApplication::topLevelWidgets())
      if (window->objectName() == QStringLiteral("TranslationTable")) mWindow = window;
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

  // Ctrl+J goes to the next row still to do, F8 to the next failing a
  // check, in the order shown, skipping rows a search hides; past the last
  // it stops and says so.
  void NextToDoFollowsTheRowsShown_data() {
    QTest::addColumn<bool>("inTable");
    QTest::addColumn<QString>("search");
    QTest::addColumn<int>("from");        // the row shown it starts from
    QTest::addColumn<bool>("failing");    // F8 rather than Ctrl+J
    QTest::addColumn<QString>("opened");  // the text of the row it opens; empty for none
    QTest::newRow("lists: the changed row is skipped") << false << "" << 0 << false << "Row 2";
    QTest::newRow("table: the changed row is skipped") << true << "" << 0 << false << "Row 2";
    QTest::newRow("table: rows a search hides are skipped")
        << true << "[34]" << 0 << false << "Row 4";
    QTest::newRow("lists: past the last row it stops") << false << "" << 4 << false << "";
    QTest::newRow("table: past the last row shown it stops") << true << "[34]" << 1 << false << "";
    // The changed row has lost the digit of its old text.
    QTest::newRow("lists: F8 opens the row failing a check") << false << "" << 0 << true
                                                               << "Changed";
    QTest::newRow("table: F8 past the last failing row stops") << true << "" << 1 << true << "";
  }
  void NextToDoFollowsTheRowsShown() {
    QFETCH(bool, inTable);
    QFETCH(QString, search);
    QFETCH(int, from);
    QFETCH(bool, failing);
    QFETCH(QString, opened);
    Edit(Form(), 1, "Changed");
    mWindow->findChild<QCheckBox*>(QStringLiteral("RegularExpression"))->setChecked(true);
    QTest::keyClicks(mWindow->findChild<QLineEdit*>(QStringLiteral("Search")), search);
    QWidget* keys = inTable ? static_cast<QWidget*>(mTable) : Controls(Form()).lb_NewCats;
    keys->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(keys->window()));
    if (inTable)
      mTable->setCurrentIndex(mTable->model()->index(from, 0));
    else
      SetCurrentRow(Controls(Form()).lb_NewCats, from);
    if (failing)
      QTest::keyClick(keys, Qt::Key_F8);
    else
      QTest::keyClick(keys, Qt::Key_J, Qt::ControlModifier);
    QCOMPARE(Form().OpenEditor() ? Form().OpenEditor()->text() : QString(), opened);
    if (opened.isEmpty()) {
      const QString said = inTable ? mWindow->findChild<QLabel*>(QStringLiteral("Count"))->text()
                                   : Controls(Form()).Label3->text();
      QVERIFY2(said.contains(failing ? "fails a check" : "still to do"), qPrintable(said));
    }
  }

  // Copying the old texts into the new ones, on several rows, is one step.
  void RowActionsAreOneStep() {
    Edit(Form(), 1, "One");
    Edit(Form(), 2, "Two");
    QUndoStack& history = *Form().Document().UndoStack();
    mTable->selectionModel()->select(
        QItemSelection(mTable->model()->index(1, 0), mTable->model()->index(2, 0)),
        QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    QTest::keyClick(mTable, Qt::Key_B, Qt::ControlModifier);
    QCOMPARE(RowTexts(Controls(Form()).lb_NewCats), RowTexts(Controls(Form()).lb_Cats));
    QCOMPARE(history.count(), 3);
    history.undo();
    QCOMPARE(RowText(Controls(Form()).lb_NewCats, 1), QStringLiteral("One"));
    QCOMPARE(RowText(Controls(Form()).lb_NewCats, 2), QStringLiteral("Two"));
  }

 private:
  TMainform& Form() { return *mFixture->Form; }

  std::unique_ptr<TMainformFixture> mFixture;
  QWidget* mWindow = nullptr;
  QTableView* mTable = nullptr;
};

QTEST_MAIN(TranslationTableTest)
#include "TranslationTableTest.moc"
