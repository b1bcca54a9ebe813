// SPDX-License-Identifier: GPL-3.0-or-later
#include <QListView>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

#include "CategoryModel.h"
#include "MainUnit.h"
#include "SpellingChoice.h"
#include "SpellingLineEdit.h"
#include "TestDictionary.h"
#include "TestLibraries.h"

// The dictionary a translation is spelled in, chosen from those installed:
// here the two the test writes, never the machine's.
class SpellingTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QVERIFY(mFolder.isValid());
    WriteTestDictionary(mFolder.path().toStdString(), "pl_PL");
    WriteTestDictionary(mFolder.path().toStdString(), "de_DE", "ISO8859-2");
    qputenv("DICPATH", mFolder.path().toLocal8Bit());
  }

  void FirstChoiceIsTheLocalesLanguage_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("chosen");
    QTest::newRow("language and territory") << "pl_PL" << "pl_PL";
    QTest::newRow("another territory of an installed language") << "de_AT" << "de_DE";
    QTest::newRow("a language none is installed for") << "ru_RU" << "";
    QTest::newRow("the C locale") << "C" << "";
  }
  void FirstChoiceIsTheLocalesLanguage() {
    QFETCH(QString, locale);
    QFETCH(QString, chosen);
    const TSpellingChoice choice(locale, nullptr);
    QCOMPARE(choice.Chosen(), chosen);
    QCOMPARE(choice.Speller() != nullptr, !chosen.isEmpty());
  }

  // The menu names the dictionaries by language, with None; choosing one
  // spells every row anew with it.
  void ChoosingADictionaryChecksTheRowsAgain() {
    TMainformFixture fixture;
    QVERIFY(fixture.LoadRows(2));
    Edit(*fixture.Form, 1, QStringLiteral("Dzrewa 1"));
    QVERIFY(!NewRowData(*fixture.Form, 1, TCategoryModel::FailsChecksRole).toBool());
    auto* choice = fixture.Form->findChild<TSpellingChoice*>();
    QVERIFY(choice);
    std::unique_ptr<QMenu> menu(choice->CreateMenu(nullptr));
    QStringList entries;
    QAction* polish = nullptr;
    for (QAction* entry : menu->actions()) {
      if (entry->isSeparator()) continue;
      entries << entry->text() + (entry->isChecked() ? "*" : "");
      if (entry->data().toString() == "pl_PL") polish = entry;
    }
    QCOMPARE(entries, (QStringList{"None*", "Deutsch (Deutschland)", "polski (Polska)"}));
    QVERIFY(polish);
    polish->trigger();
    QCOMPARE(NewRowData(*fixture.Form, 1, TCategoryModel::CheckSentencesRole).toStringList(),
             QStringList{"Misspelled: Dzrewa."});
    // The editor spells with it too, and offers the dictionary's word.
    QListView* list = Controls(*fixture.Form).lb_NewCats;
    SetCurrentRow(list, 1);
    QTest::keyClick(list, Qt::Key_F2);
    auto* editor = qobject_cast<TSpellingLineEdit*>(fixture.Form->OpenEditor());
    QVERIFY(editor);
    editor->setCursorPosition(1);
    std::unique_ptr<QMenu> offered(editor->CreateSpellingMenu(
        editor->inputMethodQuery(Qt::ImCursorRectangle).toRect().center()));
    QCOMPARE(offered->actions().value(0)->text(), QStringLiteral("Drzewa"));
    QVERIFY(choice->Choose(QString()));
    QVERIFY(!NewRowData(*fixture.Form, 1, TCategoryModel::FailsChecksRole).toBool());
  }

 private:
  QTemporaryDir mFolder;
};

QTEST_MAIN(SpellingTest)
#include "SpellingTest.moc"
