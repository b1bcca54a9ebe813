// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QTableView>
#include <QTest>
#include <QUndoStack>

#include "SuggestionView.h"
#include "TestLibraries.h"

namespace {

/// A map of another library: what its translator gave "Trees" and "Oak".
const QByteArray kOtherMap = "Trees\tB\u00e4ume\nOak\tEiche\nCars\tCars\n";

QStringList suggestionTexts(const TSuggestionView* aView) {
  QStringList texts;
  if (aView == nullptr) return texts;
  for (const TShownSuggestion& suggestion : aView->Suggestions())
    texts << QStringLiteral("%1 %2").arg(suggestion.Similarity).arg(suggestion.New);
  return texts;
}

}  // namespace

class MemoryTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    mFixture = std::make_unique<TMainformFixture>();
    QVERIFY(mFixture->Dir.isValid());
    TMainform& form = *mFixture->Form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    mFixture->Load(WriteLibrary(mFixture->Dir.path(), "lib.zbl",
                                LibraryWithCategories({"Trees (winter)", "Oak", "Trees", "Boats"})));
  }
  void cleanup() { mFixture.reset(); }

  void ASuggestionIsTakenWithCtrl1() {
    TMainform& form = *mFixture->Form;
    AddMemory(kOtherMap);
    QCOMPARE(mFixture->Dialogs->Messages.back().Kind, QStringLiteral("information"));
    SetCurrentRow(Controls(form).lb_NewCats, 0);
    QTest::keyClick(Controls(form).lb_NewCats, Qt::Key_F2);
    QVERIFY(form.OpenEditor());
    const auto* shown = form.findChild<TSuggestionView*>();
    QVERIFY(shown && shown->isVisible());
    // "trees" against "trees (winter)": 9 edits in 14 letters.
    QCOMPARE(suggestionTexts(shown), QStringList{"35 B\u00e4ume"});
    QTest::keyClick(form.OpenEditor(), Qt::Key_1, Qt::ControlModifier);
    QCOMPARE(form.OpenEditor()->text(), QStringLiteral("B\u00e4ume"));
    // The editor's own undo gives the text back; Enter keeps what is shown.
    QTest::keyClick(form.OpenEditor(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(form.OpenEditor()->text(), QStringLiteral("Trees (winter)"));
    QTest::keyClick(form.OpenEditor(), Qt::Key_1, Qt::ControlModifier);
    QTest::keyClicks(form.OpenEditor(), " (Winter)");
    QTest::keyClick(form.OpenEditor(), Qt::Key_Return);
    QCOMPARE(RowText(Controls(form).lb_NewCats, 0), QStringLiteral("B\u00e4ume (Winter)"));
    RunDeferredDeletes();
    QVERIFY(form.findChild<TSuggestionView*>() == nullptr);
  }

  void SuggestionsComeFromFilesAndTheLibrary() {
    TMainform& form = *mFixture->Form;
    AddMemory(kOtherMap);
    Edit(form, 0, QStringLiteral("B\u00e4ume (Winter)"));
    Edit(form, 2, QStringLiteral("B\u00e4ume im Wald"));
    // Ctrl+2 with no editor open opens it on the row selected.
    SetCurrentRow(Controls(form).lb_NewCats, 2);
    QTest::keyClick(Controls(form).lb_NewCats, Qt::Key_2, Qt::ControlModifier);
    QVERIFY(form.OpenEditor());
    QCOMPARE(form.OpenEditor()->text(), QStringLiteral("B\u00e4ume (Winter)"));
    // The row edited is never its own suggestion.
    auto* shown = form.findChild<TSuggestionView*>();
    QCOMPARE(suggestionTexts(shown), (QStringList{"100 B\u00e4ume", "35 B\u00e4ume (Winter)"}));
    // A click takes a suggestion and leaves the editor open.
    QTest::mouseClick(shown->viewport(), Qt::LeftButton, {},
                      shown->visualRect(shown->model()->index(0, 0)).center());
    QVERIFY(form.OpenEditor());
    QCOMPARE(form.OpenEditor()->text(), QStringLiteral("B\u00e4ume"));
    QTest::keyClick(form.OpenEditor(), Qt::Key_Escape);
    QCOMPARE(RowText(Controls(form).lb_NewCats, 2), QStringLiteral("B\u00e4ume im Wald"));
  }

  void PretranslationFillsOnlyRowsToDoAsOneStep() {
    TMainform& form = *mFixture->Form;
    AddMemory(kOtherMap);
    Edit(form, 1, QStringLiteral("Eiche hier"));
    QUndoStack& history = *form.Document().UndoStack();
    const int steps = history.count();
    Action(form, "PretranslateAction")->trigger();
    QCOMPARE(RowTexts(Controls(form).lb_NewCats),
             (QStringList{"Trees (winter)", "Eiche hier", "B\u00e4ume", "Boats"}));
    QVERIFY(mFixture->Dialogs->Messages.back().Text.startsWith("1 category still to do"));
    QCOMPARE(history.count(), steps + 1);
    history.undo();
    QCOMPARE(RowText(Controls(form).lb_NewCats, 2), QStringLiteral("Trees"));
  }

  void ARefusedFileAddsNothing() {
    TMainform& form = *mFixture->Form;
    AddMemory("Trees\tB\u00e4ume\nOak\n");
    QCOMPARE(mFixture->Dialogs->Messages.back().Kind, QStringLiteral("warning"));
    QVERIFY(mFixture->Dialogs->Messages.back().Text.contains("mem.tsv:2"));
    Action(form, "PretranslateAction")->trigger();
    QCOMPARE(RowText(Controls(form).lb_NewCats, 2), QStringLiteral("Trees"));
  }

  void TheTableShowsTheSelectedRowsSuggestions() {
    TMainform& form = *mFixture->Form;
    AddMemory(kOtherMap);
    SetCurrentRow(Controls(form).lb_NewCats, 2);
    Action(form, "TableAction")->trigger();
    QWidget* table = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets())
      if (window->objectName() == QStringLiteral("TranslationTable")) table = window;
    QVERIFY(table);
    auto* shown = table->findChild<TSuggestionView*>();
    QCOMPARE(suggestionTexts(shown), QStringList{"100 B\u00e4ume"});
    QVERIFY(QTest::qWaitForWindowActive(table));
    QTest::keyClick(table->findChild<QTableView*>(), Qt::Key_1, Qt::ControlModifier);
    auto* editor = table->findChild<QLineEdit*>(QStringLiteral("CategoryEditor"));
    QVERIFY(editor);
    QCOMPARE(editor->text(), QStringLiteral("B\u00e4ume"));
    QTest::keyClick(editor, Qt::Key_Return);
    QCOMPARE(RowText(Controls(form).lb_NewCats, 2), QStringLiteral("B\u00e4ume"));
  }

 private:
  void AddMemory(const QByteArray& aMap) {
    const QString file = QDir(mFixture->Dir.path()).filePath("mem.tsv");
    QFile out(file);
    QVERIFY(out.open(QIODevice::WriteOnly) && out.write(aMap) == aMap.size());
    out.close();
    mFixture->Dialogs->Answers.push_back(file);
    Action(*mFixture->Form, "AddMemoryAction")->trigger();
  }

  std::unique_ptr<TMainformFixture> mFixture;
};

QTEST_MAIN(MemoryTest)
#include "MemoryTest.moc"
