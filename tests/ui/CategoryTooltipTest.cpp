// SPDX-License-Identifier: GPL-3.0-or-later
#include <QHelpEvent>
#include <QListView>
#include <QTest>
#include <QTextDocument>
#include <QToolTip>

#include "CategoryTooltip.h"
#include "SampleItems.h"
#include "TestLibraries.h"

class CategoryTooltipTest : public QObject {
  Q_OBJECT

 private slots:
  void TextCountAndFirstNames_data() {
    // The library's items as "name|category", in file order.
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<int>("cat");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("tooltip");
    const QString longName(kTooltipNameLength + 5, u'n');
    const QString cut(QChar(0x2026));
    QTest::newRow("one item") << QStringList{"Oak|Trees"} << 0 << "Trees"
                              << "Trees\n1 item: Oak";
    QTest::newRow("more names than shown, in file order")
        << QStringList{"Tree 10|T", "Tree 2|T", "Tree 1|T", "Oak|T", "Ash|T", "Elm|T"} << 0 << "T"
        << "T\n6 items: Tree 10, Tree 2, Tree 1, Oak, " + cut;
    QTest::newRow("as many names as shown") << QStringList{"d|C", "c|C", "b|C", "a|C"} << 0 << "C"
                                            << "C\n4 items: d, c, b, a";
    QTest::newRow("a new text, with only its row's items")
        << QStringList{"A|Cars", "B|Trees", "C|Cars"} << 0 << "Autos"
        << "Autos\n2 items: A, C";
    QTest::newRow("long text cut")
        << QStringList{"Oak|Trees"} << 0 << QString(kTooltipTextLength + 1, u't')
        << QString(kTooltipTextLength, u't') + cut + "\n1 item: Oak";
    QTest::newRow("long name cut") << QStringList{longName + "|Trees"} << 0 << "Trees"
                                   << "Trees\n1 item: " + longName.left(kTooltipNameLength) + cut;
    QTest::newRow("line break escaped") << QStringList{"Oak|Trees"} << 0 << "Two\nlines"
                                        << "Two\\nlines\n1 item: Oak";
    QTest::newRow("empty text") << QStringList{"Oak|Trees"} << 0 << ""
                                << "(no text)\n1 item: Oak";
  }
  void TextCountAndFirstNames() {
    QFETCH(QStringList, items);
    QFETCH(int, cat);
    QFETCH(QString, text);
    QFETCH(QString, tooltip);
    TSampleLibrary library;
    for (const QString& item : items)
      library.Items.push_back(
          sampleItem(item.section('|', 0, 0).toStdString(), item.section('|', 1).toStdString()));
    TVectorEngine engine;
    QCOMPARE(engine.LoadLibraryFromStream(buildSampleLibrary(library)).Kind,
             TLoadResult::TKind::Loaded);
    QCOMPARE(CategoryTooltip(text, engine, cat), tooltip);
  }

  void HoveredRowShowsItsTooltip() {
    TMainformFixture fixture;
    QVERIFY(fixture.LoadRows(3));
    QListView* list = Controls(*fixture.Form).lb_NewCats;
    // Markup in a text shows as typed; the note on how the row is stored
    // follows, then the checks it fails.
    fixture.Form->ChooseCodePage(TCodePage::Western);
    SetRowText(list, 1, QStringLiteral("<b>\u0141\u00f3d\u017a</b>"));
    QVERIFY(Hover(list, RowCentre(list, 1)));
    QCOMPARE(QToolTip::text(),
             TooltipMarkup(CategoryTooltip(RowText(list, 1), *VectorEngine, 1) +
                           QStringLiteral("\nStored as \"<b>?\u00f3d?</b>\": Western European "
                                          "(Windows-1252) has no \u0141, \u017a\n"
                                          "The new text begins with a small letter, the old "
                                          "text with a capital.\nThe new text lacks the "
                                          "digits 1 of the old text.")));
    // The blank below the rows has none.
    QVERIFY(!Hover(list, QPoint(4, list->viewport()->height() - 4)));
  }

 private:
  /// True when the list took the tooltip request.
  static bool Hover(QListView* aList, QPoint aAt) {
    QHelpEvent help(QEvent::ToolTip, aAt, aList->viewport()->mapToGlobal(aAt));
    QCoreApplication::sendEvent(aList->viewport(), &help);
    return help.isAccepted();
  }
};

QTEST_MAIN(CategoryTooltipTest)
#include "CategoryTooltipTest.moc"
