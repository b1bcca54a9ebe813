// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>

#include "TestLibraries.h"

namespace {

/// What a screen reader is told of aObject: its name, then its description.
QString toldOf(QAccessibleInterface* aInterface) {
  if (aInterface == nullptr) return QStringLiteral("(none)");
  return aInterface->text(QAccessible::Name) + u'|' + aInterface->text(QAccessible::Description);
}

/// What a screen reader takes as row aRow of aList.
QAccessibleInterface* rowOf(QListView* aList, int aRow) {
  QAccessibleInterface* list = QAccessible::queryAccessibleInterface(aList);
  return list ? list->child(aRow) : nullptr;
}

}  // namespace

class AccessibilityTest : public QObject {
  Q_OBJECT

 private slots:
  // What a screen reader says of each control and row, and of each mark:
  // a marked row says why it is marked.
  void EveryPartIsNamed_data() {
    QTest::addColumn<QString>("part");
    QTest::addColumn<QString>("told");
    QTest::newRow("Load Library") << "Button1"
                                  << "Load Library|Load Library (Ctrl+O)";
    QTest::newRow("Save Library") << "Button2"
                                  << "Save Library|Save Library (Ctrl+S)";
    QTest::newRow("old categories") << "lb_Cats"
                                    << "Old categories|";
    QTest::newRow("new categories") << "lb_NewCats"
                                    << "New categories|";
    QTest::newRow("picture") << "Image1"
                             << "Picture of a drawing library|";
    QTest::newRow("row as loaded") << "old 0"
                                   << "Trees|";
    QTest::newRow("row left as it was") << "new 0"
                                        << "Trees|";
    QTest::newRow("row given a new text") << "new 1"
                                          << "Autos|Changed from \"Cars\"";
    QTest::newRow("row not stored as typed")
        << "new 2"
        << "Gda\u0144sk|Changed from \"Roads\"\nStored as \"Gda?sk\": Western European "
           "(Windows-1252) has no \u0144";
    QTest::newRow("row with no text") << "new 3"
                                      << "(no text)|Changed from \"Signs\"";
    QTest::newRow("editor") << "CategoryEditor"
                            << "New category|";
    QTest::newRow("bytes the editor leaves") << "BytesLeft"
                                             << "96 bytes left|96 bytes left";
  }
  void EveryPartIsNamed() {
    QFETCH(QString, part);
    QFETCH(QString, told);
    TMainformFixture fixture;
    TMainform& form = *fixture.Form;
    form.ChooseCodePage(TCodePage::Western);
    fixture.Load(WriteLibrary(fixture.Dir.path(), "a.zbl",
                              LibraryWithCategories({"Trees", "Cars", "Roads", "Signs"})));
    Edit(form, 1, QStringLiteral("Autos"));
    Edit(form, 2, QStringLiteral("Gda\u0144sk"));
    Edit(form, 3, QString());
    const TControls ui(form);
    QAccessibleInterface* shown = nullptr;
    if (part.startsWith("old ") || part.startsWith("new ")) {
      shown = rowOf(part.startsWith("old ") ? ui.lb_Cats : ui.lb_NewCats, part.mid(4).toInt());
    } else if (part == "CategoryEditor" || part == "BytesLeft") {
      SetCurrentRow(ui.lb_NewCats, 0);
      QTest::keyClick(ui.lb_NewCats, Qt::Key_F2);
      QVERIFY(form.OpenEditor());
      QTest::keyClicks(form.OpenEditor(), "Tree");
      QWidget* widget = part == "BytesLeft" ? form.OpenEditor()->findChild<QLabel*>(part)
                                            : static_cast<QWidget*>(form.OpenEditor());
      shown = QAccessible::queryAccessibleInterface(widget);
    } else {
      shown = QAccessible::queryAccessibleInterface(form.findChild<QWidget*>(part));
    }
    QCOMPARE(toldOf(shown), told);
  }
};

QTEST_MAIN(AccessibilityTest)
#include "AccessibilityTest.moc"
