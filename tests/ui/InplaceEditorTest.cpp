// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>
#include <QWheelEvent>
#include <algorithm>

#include "TestLibraries.h"

class InplaceEditorTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    mFixture = std::make_unique<TMainformFixture>();
    QVERIFY(mFixture->Dir.isValid());
    mFixture->Load(WriteLibrary(mFixture->Dir.path(), "a.zbl",
                                LibraryWithCategories({"Trees", "Cars", "Roads", "Signs"})));
    Form().show();
    QVERIFY(QTest::qWaitForWindowActive(&Form()));
  }
  void cleanup() { mFixture.reset(); }

  void DoubleClickOpensTheEditorOverTheRow_data() {
    QTest::addColumn<int>("row");
    QTest::newRow("first") << 0;
    QTest::newRow("third") << 2;
  }
  void DoubleClickOpensTheEditorOverTheRow() {
    QFETCH(int, row);
    QLineEdit* editor = OpenEditorOn(row);
    QVERIFY(editor != nullptr);
    QCOMPARE(editor->parentWidget(), &Form());
    QCOMPARE(editor->text(), RowText(Controls(Form()).lb_NewCats, row));
    QCOMPARE(editor->font().pointSize(), 10);
    const int frame = Controls(Form()).lb_NewCats->frameWidth();
    QCOMPARE(editor->x(), 296 + frame);
    // Two pixels above the row, but never above the rows shown.
    QCOMPARE(editor->y(), 107 + frame + std::max(0, 13 * row - 2));
    QCOMPARE(editor->width(), 161 - 2 * frame);
    QCOMPARE(editor->height(), QFontMetrics(editor->font()).height() + 8);
    QCOMPARE(QApplication::focusWidget(), editor);
    QCOMPARE(RowTexts(Controls(Form()).lb_Cats), RowTexts(Controls(Form()).lb_NewCats));
  }

  void DoubleClickOnAnEmptyListOpensNothing() {
    mFixture->Load(WriteLibrary(mFixture->Dir.path(), "empty.zbl", LibraryWithCategories({})));
    QCOMPARE(RowCount(Controls(Form()).lb_NewCats), 0);
    DoubleClickInWindow(Controls(Form()).lb_NewCats->viewport(), QPoint(20, 6));
    QCOMPARE(Form().findChild<QLineEdit*>(), nullptr);
  }

  void ClickOnOldListCommitsIntoTheSameRow_data() {
    QTest::addColumn<QString>("typed");
    QTest::newRow("new text") << QStringLiteral("Stra\u00dfen");
    QTest::newRow("cleared") << QString();
  }
  void ClickOnOldListCommitsIntoTheSameRow() {
    QFETCH(QString, typed);
    QPointer<QLineEdit> editor = OpenEditorOn(2);
    editor->clear();
    QTest::keyClicks(editor, typed);
    ClickInWindow(Controls(Form()).lb_Cats, RowCentre(Controls(Form()).lb_Cats, 0));
    QCOMPARE(RowText(Controls(Form()).lb_NewCats, 2), typed);
    QCOMPARE(RowTexts(Controls(Form()).lb_Cats), (QStringList{"Trees", "Cars", "Roads", "Signs"}));
    RunDeferredDeletes();
    QVERIFY(editor.isNull());
    if (typed.isEmpty()) {
      Controls(Form()).Button2->click();
      QCOMPARE(mFixture->Dialogs->Messages.back().Text, TMainform::EmptyCategoryText());
      QCOMPARE(CurrentRow(Controls(Form()).lb_NewCats), 2);
    }
  }

  void ReleasedAfterItsOwnHandler_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("press outside") << "press";
    QTest::newRow("focus loss") << "focus";
    QTest::newRow("Enter") << "enter";
    QTest::newRow("Escape") << "escape";
  }
  void ReleasedAfterItsOwnHandler() {
    QFETCH(QString, how);
    QPointer<QLineEdit> editor = OpenEditorOn(1);
    if (how == "press") QTest::mousePress(editor, Qt::LeftButton, {}, QPoint(-1, 2));
    if (how == "focus") Controls(Form()).Button1->setFocus(Qt::OtherFocusReason);
    if (how == "enter") QTest::keyClick(editor, Qt::Key_Return);
    if (how == "escape") QTest::keyClick(editor, Qt::Key_Escape);
    // Still alive after its own handler: the release is only posted.
    QVERIFY(!editor.isNull());
    QCOMPARE(Form().OpenEditor(), nullptr);
    RunDeferredDeletes();
    QVERIFY(editor.isNull());
  }

  void FocusMovingElsewhereCommits() {
    QPointer<QLineEdit> editor = OpenEditorOn(1);
    editor->setText("Autos");
    QTest::keyClick(editor, Qt::Key_Tab);
    QVERIFY(QApplication::focusWidget() != editor.data());
    QCOMPARE(RowText(Controls(Form()).lb_NewCats, 1), QStringLiteral("Autos"));
    RunDeferredDeletes();
    QVERIFY(editor.isNull());
  }

  void PressInsideTheEditorDoesNotCommit() {
    QPointer<QLineEdit> editor = OpenEditorOn(1);
    editor->setText("Autos");
    ClickInWindow(editor, QPoint(5, editor->height() / 2));
    ClickInWindow(editor, QPoint(0, 0));
    RunDeferredDeletes();
    QVERIFY(!editor.isNull());
    QCOMPARE(Form().OpenEditor(), editor.data());
    QCOMPARE(RowText(Controls(Form()).lb_NewCats, 1), QStringLiteral("Cars"));
  }

  void PressJustOutsideCommits_data() {
    QTest::addColumn<bool>("right");
    QTest::newRow("right edge") << true;
    QTest::newRow("bottom edge") << false;
  }
  void PressJustOutsideCommits() {
    QFETCH(bool, right);
    QPointer<QLineEdit> editor = OpenEditorOn(1);
    editor->setText("Autos");
    const QPoint outside = right ? QPoint(editor->width(), 3) : QPoint(3, editor->height());
    ClickInWindow(editor, outside);
    QCOMPARE(RowText(Controls(Form()).lb_NewCats, 1), QStringLiteral("Autos"));
    QCOMPARE(Form().OpenEditor(), nullptr);
  }

  void CommitHappensExactlyOnce_data() {
    QTest::addColumn<bool>("pressFirst");
    QTest::newRow("press, then focus loss") << true;
    QTest::newRow("focus loss, then press") << false;
  }
  void CommitHappensExactlyOnce() {
    QFETCH(bool, pressFirst);
    QPointer<QLineEdit> editor = OpenEditorOn(1);
    editor->setText("First");
    const auto pressOutside = [&] {
      QTest::mouseClick(editor, Qt::LeftButton, {}, QPoint(-10, -10));
    };
    const auto loseFocus = [&] { Controls(Form()).lb_Cats->setFocus(Qt::OtherFocusReason); };
    if (pressFirst)
      pressOutside();
    else
      loseFocus();
    QCOMPARE(RowText(Controls(Form()).lb_NewCats, 1), QStringLiteral("First"));
    // A second commit would write into whatever row is selected by then.
    editor->setText("Second");
    {
      const QSignalBlocker block(Controls(Form()).lb_NewCats);
      SetCurrentRow(Controls(Form()).lb_NewCats, 3);
    }
    if (pressFirst)
      loseFocus();
    else
      pressOutside();
    RunDeferredDeletes();
    QVERIFY(editor.isNull());
    QCOMPARE(RowTexts(Controls(Form()).lb_NewCats),
             (QStringList{"Trees", "First", "Roads", "Signs"}));
  }

  void KeysOpenCommitAndAbandonTheEditor_data() {
    // The key on the list that opens the editor; 0 for a double-click.
    QTest::addColumn<int>("open");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("edited");
    QTest::addColumn<bool>("kept");
    // The row the editor is open on afterwards; -1 for none.
    QTest::addColumn<int>("next");
    QTest::newRow("F2, Enter") << int(Qt::Key_F2) << int(Qt::Key_Return) << 0 << 1 << true << -1;
    QTest::newRow("keypad Enter twice")
        << int(Qt::Key_Enter) << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << 1 << true << -1;
    QTest::newRow("Enter, Escape")
        << int(Qt::Key_Return) << int(Qt::Key_Escape) << 0 << 1 << false << -1;
    QTest::newRow("Ctrl+Enter") << 0 << int(Qt::Key_Return) << int(Qt::ControlModifier) << 1 << true
                                << 2;
    QTest::newRow("Ctrl+Enter on the last row")
        << 0 << int(Qt::Key_Return) << int(Qt::ControlModifier) << 3 << true << -1;
  }
  void KeysOpenCommitAndAbandonTheEditor() {
    QFETCH(int, open);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, edited);
    QFETCH(bool, kept);
    QFETCH(int, next);
    const QString row =
        kept ? QStringLiteral("Voitures") : RowText(Controls(Form()).lb_NewCats, edited);
    SetCurrentRow(Controls(Form()).lb_NewCats, edited);
    if (open != 0)
      QTest::keyClick(Controls(Form()).lb_NewCats, Qt::Key(open),
                      open == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    QPointer<QLineEdit> editor = open != 0 ? Form().OpenEditor() : OpenEditorOn(edited);
    QVERIFY(editor);
    editor->selectAll();
    QTest::keyClicks(editor, "Voitures");
    QTest::keyClick(editor, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(RowText(Controls(Form()).lb_NewCats, edited), row);
    QCOMPARE(Form().Document().UndoStack()->count(), kept ? 1 : 0);
    QLineEdit* nextEditor = Form().OpenEditor();
    QCOMPARE(nextEditor ? CurrentRow(Controls(Form()).lb_Cats) : -1, next);
    if (nextEditor) QCOMPARE(nextEditor->text(), RowText(Controls(Form()).lb_NewCats, next));
    QVERIFY(!editor.isNull() && nextEditor != editor);
    RunDeferredDeletes();
    QVERIFY(editor.isNull());
    QVERIFY(Form().isVisible());
    // Leaving the window afterwards must not write the old editor's text.
    Controls(Form()).lb_Cats->setFocus();
    QCOMPARE(RowText(Controls(Form()).lb_NewCats, edited), row);
  }

  // An old category opens the editor of its row's new text, as the new
  // list does.
  void OldCategoriesOpenTheEditorOfTheirRow_data() {
    QTest::addColumn<int>("key");  // 0 for a double-click
    QTest::newRow("F2") << int(Qt::Key_F2);
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("double-click") << 0;
  }
  void OldCategoriesOpenTheEditorOfTheirRow() {
    QFETCH(int, key);
    QListView* old = Controls(Form()).lb_Cats;
    if (key != 0) {
      SetCurrentRow(old, 2);
      QTest::keyClick(old, Qt::Key(key));
    } else {
      DoubleClickInWindow(old->viewport(), RowCentre(old, 2));
    }
    QVERIFY(Form().OpenEditor());
    QCOMPARE(Form().OpenEditor()->text(), RowText(Controls(Form()).lb_NewCats, 2));
    QCOMPARE(CurrentRow(Controls(Form()).lb_NewCats), 2);
  }

  void KeysPressTheButtons_data() {
    QTest::addColumn<bool>("save");
    QTest::addColumn<bool>("shortcut");
    QTest::newRow("Ctrl+O") << false << true;
    QTest::newRow("Ctrl+S") << true << true;
    QTest::newRow("Enter on Load Library") << false << false;
    QTest::newRow("Enter on Save Library") << true << false;
  }
  void KeysPressTheButtons() {
    QFETCH(bool, save);
    QFETCH(bool, shortcut);
    QPushButton* button = save ? Controls(Form()).Button2 : Controls(Form()).Button1;
    const QKeySequence key(save ? QKeySequence::Save : QKeySequence::Open);
    // Typed into the editor, which the press keeps before it acts.
    QTest::keyClicks(OpenEditorOn(1), QStringLiteral("Typed"));
    if (!shortcut) button->setFocus();
    QTest::keySequence(shortcut ? Form().OpenEditor() : static_cast<QWidget*>(button),
                       shortcut ? key : QKeySequence(Qt::Key_Return));
    QCOMPARE(mFixture->Dialogs->Asked.size(), std::size_t{2});
    QCOMPARE(mFixture->Dialogs->Asked.back().Mode,
             save ? TFileDialogSetup::TMode::Save : TFileDialogSetup::TMode::Open);
    QCOMPARE(RowText(Controls(Form()).lb_NewCats, 1), QStringLiteral("Typed"));
    QVERIFY(button->toolTip().contains(key.toString(QKeySequence::NativeText)));
  }

  void EditorSitsOverItsRowInsideTheList_data() {
    QTest::addColumn<int>("sideways");
    QTest::addColumn<int>("down");
    QTest::addColumn<int>("row");
    QTest::newRow("scrolled sideways") << 1 << 0 << 2;
    QTest::newRow("scrolled down, top row") << 0 << 10 << 10;
    QTest::newRow("scrolled to the end, last row") << 0 << 99 << 39;
  }
  void EditorSitsOverItsRowInsideTheList() {
    QFETCH(int, sideways);
    QFETCH(int, down);
    QFETCH(int, row);
    QVERIFY(mFixture->LoadRows(40, QByteArray(100, 'W')));
    QListView* list = Controls(Form()).lb_NewCats;
    list->horizontalScrollBar()->setValue(sideways * list->horizontalScrollBar()->maximum());
    list->verticalScrollBar()->setValue(down);
    QVERIFY(list->horizontalScrollBar()->value() + list->verticalScrollBar()->value() > 0);
    QLineEdit* editor = OpenEditorOn(row);
    QVERIFY(editor != nullptr);
    const QPoint origin = list->viewport()->mapTo(&Form(), QPoint(0, 0));
    const QRect shown(origin, list->viewport()->size());
    const QRect rowRect = RowRect(list, row).translated(origin);
    QVERIFY(shown.contains(editor->geometry()));
    QCOMPARE(editor->x(), shown.x());
    QCOMPARE(editor->width(), shown.width());
    QVERIFY(editor->y() <= rowRect.top() && editor->geometry().bottom() >= rowRect.bottom());
  }

  // The press that commits the editor is not swallowed.
  void PressThatCommitsAlsoDoesWhatItPressed_data() {
    QTest::addColumn<QString>("target");
    QTest::newRow("row of Old categories") << "lb_Cats";
    QTest::newRow("double-click on another row") << "lb_NewCats";
    QTest::newRow("Load Library") << "Button1";
    QTest::newRow("Save Library") << "Button2";
  }
  void PressThatCommitsAlsoDoesWhatItPressed() {
    QFETCH(QString, target);
    QPointer<QLineEdit> editor = OpenEditorOn(1);
    QTest::keyClicks(editor, "Autos");
    const QString out = QDir(mFixture->Dir.path()).filePath("out.zbl");
    mFixture->Dialogs->Answers.push_back(target == "Button2" ? out : QString());
    auto* pressed = Form().findChild<QWidget*>(target);
    if (target == "lb_NewCats")
      OpenEditorOn(3);
    else if (auto* list = qobject_cast<QListView*>(pressed))
      ClickInWindow(list->viewport(), RowCentre(list, 3));
    else
      ClickInWindow(pressed, pressed->rect().center());
    QCOMPARE(RowText(Controls(Form()).lb_NewCats, 1), QStringLiteral("Autos"));
    RunDeferredDeletes();
    QVERIFY(editor.isNull());
    if (auto* button = qobject_cast<QPushButton*>(pressed)) {
      QCOMPARE(mFixture->Dialogs->Asked.size(), std::size_t{2});
      QCOMPARE(mFixture->Dialogs->Asked.back().Title, button->text());
    } else {
      QCOMPARE(CurrentRow(Controls(Form()).lb_Cats), 3);
      QCOMPARE(CurrentRow(Controls(Form()).lb_NewCats), 3);
      QCOMPARE(Form().OpenEditor() ? Form().OpenEditor()->text() : QString(),
               target == "lb_NewCats" ? QStringLiteral("Signs") : QString());
    }
    if (target == "Button2")
      QVERIFY(ReadFile(out).contains("Autos") && !ReadFile(out).contains("Cars"));
  }

  void WheelOrScrollingCommitsFirst_data() {
    QTest::addColumn<QString>("over");
    QTest::newRow("wheel over New categories") << "lb_NewCats";
    QTest::newRow("wheel over Old categories") << "lb_Cats";
    QTest::newRow("scroll bar of Old categories") << "";
  }
  void WheelOrScrollingCommitsFirst() {
    QFETCH(QString, over);
    QVERIFY(mFixture->LoadRows(40));
    OpenEditorOn(1)->setText("Autos");
    if (over.isEmpty()) {
      Controls(Form()).lb_Cats->verticalScrollBar()->setValue(5);
    } else {
      QWidget* viewport = Form().findChild<QListView*>(over)->viewport();
      QWheelEvent wheel({5, 5}, viewport->mapToGlobal(QPointF(5, 5)), {}, {0, -120}, Qt::NoButton,
                        Qt::NoModifier, Qt::NoScrollPhase, false);
      QCoreApplication::sendEvent(viewport, &wheel);
    }
    QCOMPARE(Form().OpenEditor(), nullptr);
    QCOMPARE(RowText(Controls(Form()).lb_NewCats, 1), QStringLiteral("Autos"));
    QVERIFY(Controls(Form()).lb_NewCats->verticalScrollBar()->value() > 0);
  }

  void EditedRowKeepsItsPlace() {
    QPointer<QLineEdit> editor = OpenEditorOn(3);
    editor->setText("Aaa");
    QTest::keyClick(editor, Qt::Key_Return);
    QCOMPARE(RowTexts(Controls(Form()).lb_NewCats), (QStringList{"Trees", "Cars", "Roads", "Aaa"}));
  }

  // Each commit that changes its row is one step; the platform's keys walk
  // the history.
  void CommitsAreUndoSteps() {
    for (const auto& [row, text] : {std::pair{1, "Autos"}, {1, "Autos"}, {3, "Schilder"}}) {
      QTest::keyClicks(OpenEditorOn(row), text);
      QTest::keyClick(Form().OpenEditor(), Qt::Key_Return);
      RunDeferredDeletes();
    }
    QCOMPARE(Form().Document().UndoStack()->count(), 2);
    QVERIFY(Form().isWindowModified());
    QTest::keySequence(&Form(), QKeySequence::Undo);
    QCOMPARE(RowTexts(Controls(Form()).lb_NewCats),
             (QStringList{"Trees", "Autos", "Roads", "Signs"}));
    QTest::keySequence(&Form(), QKeySequence::Undo);
    QCOMPARE(RowTexts(Controls(Form()).lb_NewCats), RowTexts(Controls(Form()).lb_Cats));
    QVERIFY(!Form().isWindowModified());
    QTest::keySequence(&Form(), QKeySequence::Redo);
    QCOMPARE(RowText(Controls(Form()).lb_NewCats, 1), QStringLiteral("Autos"));
    QCOMPARE(CurrentRow(Controls(Form()).lb_Cats), 1);
  }

  void EditorCountsTheBytesLeft_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("note");
    QTest::newRow("short") << "Autos"
                           << "95"
                           << "";
    QTest::newRow("100 bytes") << QString(100, 'x') << "0"
                               << "";
    QTest::newRow("101 bytes") << QString(101, 'x') << "-1"
                               << "cut to 100";
    QTest::newRow("character lost") << QStringLiteral("\u0141\u00f3d\u017a") << "96"
                                    << QStringLiteral("Stored as \"?\u00f3d?\"");
  }
  void EditorCountsTheBytesLeft() {
    QFETCH(QString, text);
    QFETCH(QString, left);
    QFETCH(QString, note);
    QLineEdit* editor = OpenEditorOn(1);
    QVERIFY(editor != nullptr);
    editor->selectAll();
    editor->insert(text);
    const auto* gauge = editor->findChild<QLabel*>(QStringLiteral("BytesLeft"));
    QVERIFY(gauge != nullptr);
    QCOMPARE(gauge->text(), left);
    QCOMPARE(editor->toolTip().isEmpty(), note.isEmpty());
    QVERIFY2(editor->toolTip().contains(note), qPrintable(editor->toolTip()));
    QCOMPARE(gauge->palette().color(gauge->foregroundRole()) == Qt::red, !note.isEmpty());
  }

 private:
  TMainform& Form() { return *mFixture->Form; }

  QLineEdit* OpenEditorOn(int aRow) {
    QListView* list = Controls(Form()).lb_NewCats;
    DoubleClickInWindow(list->viewport(), RowCentre(list, aRow));
    return Form().OpenEditor();
  }

  /// A click through the window, so that a widget holding the mouse gets it.
  void ClickInWindow(QWidget* aWidget, QPoint aPos) {
    QTest::mouseClick(Form().windowHandle(), Qt::LeftButton, {}, aWidget->mapTo(&Form(), aPos));
  }

  /// A double-click as the window system delivers it: press, release,
  /// press, double-click, release.
  void DoubleClickInWindow(QWidget* aWidget, QPoint aPos) {
    QTest::mouseDClick(Form().windowHandle(), Qt::LeftButton, {}, aWidget->mapTo(&Form(), aPos));
  }

  std::unique_ptr<TMainformFixture> mFixture;
};

QTEST_MAIN(InplaceEditorTest)
#include "InplaceEditorTest.moc"
