// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QListView>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QStyle>
#include <QTest>
#include <QUndoStack>

#include "CategoryModel.h"
#include "ListMenu.h"
#include "TestLibraries.h"

Q_DECLARE_METATYPE(TCodePage)

namespace {

// Łódź as Windows-1250 writes it.
const QByteArray kLodz1250(
    "\xA3\xF3"
    "d\x9F");
const QString kLodz = QStringLiteral("\u0141\u00f3d\u017a");
const QString kGdansk = QStringLiteral("Gda\u0144sk");

}  // namespace

class TextEncodingTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    mFixture = std::make_unique<TMainformFixture>();
    QVERIFY(mFixture->Dir.isValid());
  }
  void cleanup() { mFixture.reset(); }

  void WindowTakesTheLocalesCodePage_data() {
    QTest::addColumn<QByteArray>("locale");
    QTest::addColumn<TCodePage>("page");
    QTest::newRow("Polish") << QByteArray("pl_PL.UTF-8") << TCodePage::CentralEuropean;
    QTest::newRow("C") << QByteArray("C.UTF-8") << TCodePage::Western;
  }
  void WindowTakesTheLocalesCodePage() {
    QFETCH(QByteArray, locale);
    QFETCH(TCodePage, page);
    const QByteArray saved = qgetenv("LC_ALL");
    qputenv("LC_ALL", locale);
    TMainformFixture fixture;
    qputenv("LC_ALL", saved);
    QCOMPARE(fixture.Form->CodePage(), page);
    fixture.Load(WriteLibrary(fixture.Dir.path(), "a.zbl", LibraryWithCategories({kLodz1250})));
    QCOMPARE(RowText(Controls(*fixture.Form).lb_Cats, 0),
             page == TCodePage::Western ? QStringLiteral("\u00a3\u00f3d\u0178") : kLodz);
  }

  void MenuOffersEveryCodePage() {
    std::optional<TCodePage> chosen;
    QMenu* menu = CreateListMenu(mFixture->Form.get(), TCodePage::Greek,
                                 [&chosen](TCodePage aPage) { chosen = aPage; });
    QCOMPARE(menu->actions().size(), 1);
    QMenu* encodings = menu->actions().front()->menu();
    QCOMPARE(encodings->title(), QStringLiteral("Text encoding"));
    QCOMPARE(encodings->actions().size(), static_cast<qsizetype>(supportedCodePages().size()));
    QStringList checked;
    for (QAction* entry : encodings->actions())
      if (entry->isChecked()) checked << entry->text();
    QCOMPARE(checked, QStringList{"Greek (Windows-1253)"});
    encodings->actions()[2]->trigger();
    QCOMPARE(chosen, std::optional<TCodePage>(TCodePage::Cyrillic));
  }

  void MenuOutlivesItsEntry() {
    TMainform& form = *mFixture->Form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    mFixture->Load(WriteLibrary(mFixture->Dir.path(), "a.zbl", LibraryWithCategories({"A"})));
    const QPoint at = RowRect(Controls(form).lb_Cats, 0).center();
    QContextMenuEvent request(QContextMenuEvent::Keyboard, at,
                              Controls(form).lb_Cats->viewport()->mapToGlobal(at));
    QCoreApplication::sendEvent(Controls(form).lb_Cats->viewport(), &request);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(menu);
    const QPointer<QMenu> watched(menu);
    QMenu* encodings = menu->actions().front()->menu();
    QTest::mouseClick(menu, Qt::LeftButton, {},
                      menu->actionGeometry(menu->actions().front()).center());
    QTRY_VERIFY(encodings->isVisible());
    QAction* greek = encodings->actions().at(4);
    // Clicked as a user does: the menu's own code runs on after what the
    // entry does.
    QTest::mouseClick(encodings, Qt::LeftButton, {}, encodings->actionGeometry(greek).center());
    QCOMPARE(form.CodePage(), TCodePage::Greek);
    QVERIFY(watched);
  }

  // A change of code page reads the categories again, keeps every text
  // given and asks nothing; it is one step of the history.
  void CodePageChangeKeepsTheTextsGiven_data() {
    QTest::addColumn<QString>("typed");      // row 1's new text; none when empty
    QTest::addColumn<bool>("savedFirst");    // saved over the file loaded, before the change
    QTest::addColumn<QByteArray>("stored");  // what the next save stores for row 1
    QTest::newRow("no edits") << QString() << false << QByteArray("Cars");
    QTest::newRow("typed Polish, stored in the new code page")
        << kGdansk << false << QByteArray("Gda\xF1sk");
    QTest::newRow("saved over the file loaded, then changed")
        << QStringLiteral("Autos") << true << QByteArray("Autos");
  }
  void CodePageChangeKeepsTheTextsGiven() {
    QFETCH(QString, typed);
    QFETCH(bool, savedFirst);
    QFETCH(QByteArray, stored);
    TMainform& form = *mFixture->Form;
    const TControls ui(form);
    QUndoStack& history = *form.Document().UndoStack();
    form.ChooseCodePage(TCodePage::Western);
    const QString in =
        WriteLibrary(mFixture->Dir.path(), "a.zbl", LibraryWithCategories({kLodz1250, "Cars"}));
    mFixture->Load(in);
    if (!typed.isEmpty()) Edit(form, 1, typed);
    if (savedFirst) {
      mFixture->Dialogs->Answers.push_back(in);
      ui.Button2->click();
    }
    mFixture->Dialogs->Messages.clear();
    const int steps = history.count();
    form.ChooseCodePage(TCodePage::CentralEuropean);

    const QString given = typed.isEmpty() ? QStringLiteral("Cars") : typed;
    QVERIFY(mFixture->Dialogs->Messages.empty());
    QCOMPARE(form.CodePage(), TCodePage::CentralEuropean);
    QCOMPARE(RowTexts(ui.lb_Cats), (QStringList{kLodz, "Cars"}));
    QCOMPARE(RowTexts(ui.lb_NewCats), (QStringList{kLodz, given}));
    QCOMPARE(history.count(), steps + 1);
    QCOMPARE(form.isWindowModified(), !typed.isEmpty());
    const QString out = QDir(mFixture->Dir.path()).filePath("out.zbl");
    mFixture->Dialogs->Answers.push_back(out);
    ui.Button2->click();
    QVERIFY(mFixture->Dialogs->Messages.empty());
    QVERIFY(ReadFile(out).contains(kLodz1250) && ReadFile(out).contains(stored));

    // Undone, the categories read as before; the text given stays.
    history.undo();
    QCOMPARE(form.CodePage(), TCodePage::Western);
    QCOMPARE(RowTexts(ui.lb_NewCats), (QStringList{QStringLiteral("\u00a3\u00f3d\u0178"), given}));
  }

  void RowsNotStoredAsTypedAreMarked_data() {
    QTest::addColumn<TCodePage>("page");
    QTest::addColumn<QStringList>("newTexts");
    QTest::addColumn<QStringList>("notes");
    const TCodePage western = TCodePage::Western;
    const QString x100(100, 'x');
    QTest::newRow("100 bytes") << western << QStringList{x100, "B"} << QStringList{"", ""};
    QTest::newRow("101 bytes") << western << QStringList{x100 + "x", "B"}
                               << QStringList{"Stored as \"" + x100 +
                                                  "\": longer than 100 bytes, cut to 100",
                                              ""};
    QTest::newRow("character the code page lacks")
        << western << QStringList{kGdansk, "B"}
        << QStringList{"Stored as \"Gda?sk\": Western European (Windows-1252) has no \u0144", ""};
    QTest::newRow("character the code page has")
        << TCodePage::CentralEuropean << QStringList{kGdansk, "B"} << QStringList{"", ""};
    QTest::newRow("two texts meet")
        << western << QStringList{"\u0394\u03ad\u03bd", "\u041c\u0430\u0448"}
        << QStringList{
               "Stored as \"???\": Western European (Windows-1252) has no \u0394, \u03ad, "
               "\u03bd\nStored as \"???\", like row 2 \"\u041c\u0430\u0448\": the two become one "
               "category",
               "Stored as \"???\": Western European (Windows-1252) has no \u041c, \u0430, "
               "\u0448\nStored as \"???\", like row 1 \"\u0394\u03ad\u03bd\": the two become one "
               "category"};
    // Two rows given one text become one category as they show: no loss.
    QTest::newRow("same text on purpose") << western << QStringList{"C", "C"} << QStringList{"", ""};
  }
  void RowsNotStoredAsTypedAreMarked() {
    QFETCH(TCodePage, page);
    QFETCH(QStringList, newTexts);
    QFETCH(QStringList, notes);
    TMainform& form = *mFixture->Form;
    form.ChooseCodePage(page);
    mFixture->Load(WriteLibrary(mFixture->Dir.path(), "a.zbl", LibraryWithCategories({"A", "B"})));
    for (int row = 0; row < newTexts.size(); ++row) Edit(form, row, newTexts[row]);
    for (int row = 0; row < notes.size(); ++row) {
      QCOMPARE(NewRowData(form, row, TCategoryModel::StorageNoteRole).toString(), notes[row]);
      // The warning marks a note; a failing check has a mark of its own.
      const QImage warning = QApplication::style()
                                 ->standardIcon(QStyle::SP_MessageBoxWarning)
                                 .pixmap(16)
                                 .toImage();
      const QImage mark =
          NewRowData(form, row, Qt::DecorationRole).value<QIcon>().pixmap(16).toImage();
      QCOMPARE(mark == warning, !notes[row].isEmpty());
      QCOMPARE(NewRowData(form, row, Qt::FontRole).value<QFont>().bold(),
               newTexts[row] != RowText(Controls(form).lb_Cats, row));
    }
  }

  void SaveAsksBeforeAlteringTexts_data() {
    QTest::addColumn<TCodePage>("page");
    QTest::addColumn<QByteArray>("second");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QString>("asked");
    QTest::addColumn<QByteArray>("stored");
    const TCodePage western = TCodePage::Western;
    QTest::newRow("back writes nothing")
        << western << QByteArray("B") << false << "question" << QByteArray();
    QTest::newRow("Save anyway writes")
        << western << QByteArray("B") << true << "question" << QByteArray("Gda?sk");
    QTest::newRow("empty category comes first")
        << western << QByteArray("") << true << "information" << QByteArray();
    QTest::newRow("stored as typed, not asked")
        << TCodePage::CentralEuropean << QByteArray("B") << false << "" << QByteArray("Gda\xF1sk");
    QTest::newRow("one category on purpose, not asked")
        << TCodePage::CentralEuropean << QByteArray("Gda\xF1sk") << false << ""
        << QByteArray("Gda\xF1sk");
  }
  void SaveAsksBeforeAlteringTexts() {
    QFETCH(TCodePage, page);
    QFETCH(QByteArray, second);
    QFETCH(bool, yes);
    QFETCH(QString, asked);
    QFETCH(QByteArray, stored);
    TMainform& form = *mFixture->Form;
    form.ChooseCodePage(page);
    mFixture->Load(
        WriteLibrary(mFixture->Dir.path(), "a.zbl", LibraryWithCategories({"A", second})));
    Edit(form, 0, kGdansk);
    mFixture->Dialogs->QuestionAnswers.push_back(yes);
    const QString out = QDir(mFixture->Dir.path()).filePath("out.zbl");
    mFixture->Dialogs->Answers.push_back(out);
    Controls(form).Button2->click();

    QStringList kinds;
    for (const TFakeDialogs::TMessage& message : mFixture->Dialogs->Messages) kinds << message.Kind;
    QCOMPARE(kinds, asked.isEmpty() ? QStringList{} : QStringList{asked});
    if (asked == "question")
      QVERIFY2(mFixture->Dialogs->Messages.front().Text.contains("\"" + kGdansk +
                                                                 "\" \u2014 Stored as \"Gda?sk\""),
               qPrintable(mFixture->Dialogs->Messages.front().Text));
    QCOMPARE(QFileInfo::exists(out), !stored.isEmpty());
    if (!stored.isEmpty()) QVERIFY(ReadFile(out).contains(stored));
  }

 private:
  std::unique_ptr<TMainformFixture> mFixture;
};

QTEST_MAIN(TextEncodingTest)
#include "TextEncodingTest.moc"
