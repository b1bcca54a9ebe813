// SPDX-License-Identifier: GPL-3.0-or-later
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QUndoStack>

#include "FreeEditorEvent.h"
#include "TestLibraries.h"

Q_DECLARE_METATYPE(Qt::Key)
Q_DECLARE_METATYPE(Qt::KeyboardModifiers)

class KeyboardTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    mFixture = std::make_unique<TMainformFixture>();
    QVERIFY(mFixture->LoadRows(3));
    Form().lb_NewCats->setFocus();
    Form().lb_NewCats->setCurrentRow(1);
  }
  void cleanup() { mFixture.reset(); }

  void KeysOnTheNewListOpenTheEditor_data() {
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<bool>("opens");
    QTest::newRow("F2") << Qt::Key_F2 << Qt::KeyboardModifiers() << true;
    QTest::newRow("Return") << Qt::Key_Return << Qt::KeyboardModifiers() << true;
    QTest::newRow("keypad Enter") << Qt::Key_Enter << Qt::KeyboardModifiers(Qt::KeypadModifier)
                                  << true;
    QTest::newRow("Shift+F2") << Qt::Key_F2 << Qt::KeyboardModifiers(Qt::ShiftModifier) << false;
    QTest::newRow("Down") << Qt::Key_Down << Qt::KeyboardModifiers() << false;
  }
  void KeysOnTheNewListOpenTheEditor() {
    QFETCH(Qt::Key, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(bool, opens);
    QTest::keyClick(Form().lb_NewCats, key, modifiers);
    QCOMPARE(Form().OpenEditor() != nullptr, opens);
    if (opens) QCOMPARE(Form().OpenEditor()->text(), QStringLiteral("Row 1"));
  }

  void EnterCommits_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<int>("nextEditorRow");
    QTest::newRow("Enter") << 1 << Qt::KeyboardModifiers() << -1;
    QTest::newRow("Ctrl+Enter moves on") << 1 << Qt::KeyboardModifiers(Qt::ControlModifier) << 2;
    QTest::newRow("Ctrl+Enter on the last row") << 2 << Qt::KeyboardModifiers(Qt::ControlModifier)
                                                << -1;
  }
  void EnterCommits() {
    QFETCH(int, row);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(int, nextEditorRow);
    Form().lb_NewCats->setCurrentRow(row);
    QTest::keyClick(Form().lb_NewCats, Qt::Key_F2);
    QLineEdit* first = Form().OpenEditor();
    QVERIFY(first != nullptr);
    QTest::keyClicks(first, QStringLiteral("Typed"));
    QTest::keyClick(first, Qt::Key_Return, modifiers);
    QCoreApplication::sendPostedEvents(&Form(), TFreeEditorEvent::kType);
    QCOMPARE(Form().lb_NewCats->item(row)->text(), QStringLiteral("Typed"));
    QCOMPARE(Form().UndoStack()->count(), 1);
    QLineEdit* next = Form().OpenEditor();
    QCOMPARE(next != nullptr, nextEditorRow >= 0);
    if (next == nullptr) return;
    QCOMPARE(Form().lb_NewCats->currentRow(), nextEditorRow);
    QCOMPARE(Form().lb_Cats->currentRow(), nextEditorRow);
    QCOMPARE(next->text(), Form().lb_NewCats->item(nextEditorRow)->text());
    QCOMPARE(QApplication::focusWidget(), next);
  }

  void KeysPressTheButtons_data() {
    QTest::addColumn<bool>("save");
    QTest::addColumn<bool>("byShortcut");
    QTest::newRow("Ctrl+O") << false << true;
    QTest::newRow("Ctrl+S") << true << true;
    QTest::newRow("Enter on Load Library") << false << false;
    QTest::newRow("Enter on Save Library") << true << false;
  }
  void KeysPressTheButtons() {
    QFETCH(bool, save);
    QFETCH(bool, byShortcut);
    QPushButton* button = save ? Form().Button2 : Form().Button1;
    const QKeySequence key(save ? QKeySequence::Save : QKeySequence::Open);
    // Typed into an open editor, which the press commits before it acts.
    QTest::keyClick(Form().lb_NewCats, Qt::Key_F2);
    QTest::keyClicks(Form().OpenEditor(), QStringLiteral("Typed"));
    const std::size_t asked = Dialogs().Asked.size();
    if (byShortcut) {
      QTest::keySequence(Form().OpenEditor(), key);
    } else {
      button->setFocus();
      QTest::keyClick(button, Qt::Key_Return);
    }
    QCOMPARE(Dialogs().Asked.size(), asked + 1);
    QCOMPARE(Dialogs().Asked.back().Mode,
             save ? TFileDialogSetup::TMode::Save : TFileDialogSetup::TMode::Open);
    QCOMPARE(Form().lb_NewCats->item(1)->text(), QStringLiteral("Typed"));
    QVERIFY(button->toolTip().contains(key.toString(QKeySequence::NativeText)));
  }

 private:
  TMainform& Form() { return *mFixture->Form; }
  TFakeDialogs& Dialogs() { return *mFixture->Dialogs; }
  std::unique_ptr<TMainformFixture> mFixture;
};

QTEST_MAIN(KeyboardTest)
#include "KeyboardTest.moc"
