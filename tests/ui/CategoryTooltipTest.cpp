// SPDX-License-Identifier: GPL-3.0-or-later
#include <QHelpEvent>
#include <QListWidget>
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
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("categories");
    QTest::addColumn<int>("cat");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("tooltip");
    const QString longName(kTooltipNameLength + 5, u'n');
    const QString ellipsis(QChar(0x2026));
    QTest::newRow("one item") << QStringList{"Oak"} << QStringList{"Trees"} << 0 << "Trees"
                              << "Trees\n1 item: Oak";
    QTest::newRow("more names than shown, in file order")
        << QStringList{"Tree 10", "Tree 2", "Tree 1", "Oak", "Ash", "Elm", "Fir", "Yew"}
        << QStringList(8, "Trees") << 0 << "Trees"
        << "Trees\n8 items: Tree 10, Tree 2, Tree 1, Oak, " + ellipsis;
    QTest::newRow("as many names as shown")
        << QStringList{"d", "c", "b", "a"} << QStringList(kTooltipNames, "Cars") << 0 << "Cars"
        << "Cars\n4 items: d, c, b, a";
    QTest::newRow("only the category's items")
        << QStringList{"A", "B", "C"} << QStringList{"Cars", "Trees", "Cars"} << 0 << "Cars"
        << "Cars\n2 items: A, C";
    QTest::newRow("a new text with the row's items")
        << QStringList{"A", "B"} << QStringList{"Cars", "Trees"} << 1 << "B\u00e4ume"
        << "B\u00e4ume\n1 item: B";
    QTest::newRow("long text cut")
        << QStringList{"Oak"} << QStringList{"Trees"} << 0 << QString(kTooltipTextLength + 1, u't')
        << QString(kTooltipTextLength, u't') + ellipsis + "\n1 item: Oak";
    QTest::newRow("long name cut") << QStringList{longName} << QStringList{"Trees"} << 0 << "Trees"
                                   << "Trees\n1 item: " + longName.left(kTooltipNameLength) +
                                          ellipsis;
    QTest::newRow("line break escaped") << QStringList{"Oak"} << QStringList{"Trees"} << 0
                                        << "Two\nlines" << "Two\\nlines\n1 item: Oak";
    QTest::newRow("empty text") << QStringList{"Oak"} << QStringList{"Trees"} << 0 << ""
                                << "(no text)\n1 item: Oak";
    QTest::newRow("no catalogue entry")
        << QStringList{"Oak"} << QStringList{"Trees"} << 1 << "Trees" << "Trees";
  }
  void TextCountAndFirstNames() {
    QFETCH(QStringList, names);
    QFETCH(QStringList, categories);
    QFETCH(int, cat);
    QFETCH(QString, text);
    QFETCH(QString, tooltip);
    TSampleLibrary library;
    for (qsizetype i = 0; i < names.size(); ++i)
      library.Items.push_back(sampleItem(names[i].toStdString(), categories[i].toStdString()));
    TVectorEngine engine;
    QCOMPARE(engine.LoadLibraryFromStream(buildSampleLibrary(library)).Kind,
             TLoadResult::TKind::Loaded);
    QCOMPARE(CategoryTooltip(text, engine, cat), tooltip);
  }

  void HoveredRowShowsItsTooltip_data() {
    QTest::addColumn<bool>("newList");
    QTest::newRow("old categories") << false;
    QTest::newRow("new categories") << true;
  }
  void HoveredRowShowsItsTooltip() {
    QFETCH(bool, newList);
    TMainformFixture fixture;
    QVERIFY(fixture.LoadRows(3));
    // Markup in a text shows as typed.
    fixture.Form->lb_NewCats->item(1)->setText(QStringLiteral("<b>Roads</b>"));
    QListWidget* list = newList ? fixture.Form->lb_NewCats : fixture.Form->lb_Cats;
    QVERIFY(Hover(list, RowCentre(list, 1)));
    QVERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(),
             Qt::convertFromPlainText(
                 CategoryTooltip(list->item(1)->text(), *VectorEngine, 1), Qt::WhiteSpacePre));
    // The blank below the rows has none.
    QVERIFY(!Hover(list, QPoint(4, list->viewport()->height() - 4)));
  }

 private:
  /// True when the list took the tooltip request.
  static bool Hover(QListWidget* aList, QPoint aAt) {
    QHelpEvent help(QEvent::ToolTip, aAt, aList->viewport()->mapToGlobal(aAt));
    QCoreApplication::sendEvent(aList->viewport(), &help);
    return help.isAccepted();
  }
};

QTEST_MAIN(CategoryTooltipTest)
#include "CategoryTooltipTest.moc"
