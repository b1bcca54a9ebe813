// SPDX-License-Identifier: GPL-3.0-or-later
#include <QTest>

#include "CategoryFilter.h"
#include "CategoryModel.h"
#include "LoaderSaver.h"
#include "TestLibraries.h"

Q_DECLARE_METATYPE(TCategoryFilter::TStates)

class CategoryFilterTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    QVERIFY(mEngine
                .LoadLibraryFromStream(buildSampleLibrary(LibraryWithCategories(
                    {"Trees", "Row 10", "Row 2", "trees in winter", "Cars", "Signs"})))
                .Kind == TLoadResult::TKind::Loaded);
    mModel.Reset(&mEngine, TCodePage::Western);
    // Given texts: one changed, one with letters Windows-1252 lacks, and one
    // another row's category, as two rows made one on purpose.
    mModel.SetNewText(0, QStringLiteral("B\u00e4ume"));
    mModel.SetNewText(3, QStringLiteral("\u0141\u00f3d\u017a"));
    mModel.SetNewText(5, QStringLiteral("Cars"));
    mFilter.setSourceModel(&mModel);
    mFilter.SetSearch(QString(), false, false);
    mFilter.SetStates(TCategoryFilter::TStates::All);
  }

  // Which old categories a search and a state let through.
  void RowsPassBySearchAndState_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("exactCase");
    QTest::addColumn<bool>("expression");
    QTest::addColumn<TCategoryFilter::TStates>("states");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<bool>("valid");
    using S = TCategoryFilter::TStates;
    const QStringList all{"Trees", "Row 10", "Row 2", "trees in winter", "Cars", "Signs"};
    QTest::newRow("nothing asked") << "" << false << false << S::All << all << true;
    QTest::newRow("in the old text, letter case ignored")
        << "TREES" << false << false << S::All << QStringList{"Trees", "trees in winter"} << true;
    QTest::newRow("exact case") << "Trees" << true << false << S::All << QStringList{"Trees"}
                                << true;
    QTest::newRow("in the new text")
        << "b\u00e4u" << false << false << S::All << QStringList{"Trees"} << true;
    QTest::newRow("regular expression")
        << "^Row \\d$" << false << true << S::All << QStringList{"Row 2"} << true;
    QTest::newRow("invalid regular expression lets every row through")
        << "Row (" << false << true << S::All << all << false;
    QTest::newRow("to do") << "" << false << false << S::ToDo
                           << QStringList{"Row 10", "Row 2", "Cars"} << true;
    QTest::newRow("changed, a merge on purpose included")
        << "" << false << false << S::Changed << QStringList{"Trees", "Signs"} << true;
    QTest::newRow("not stored as typed")
        << "" << false << false << S::NotStoredAsTyped << QStringList{"trees in winter"} << true;
    // A row left as it was fails with the changed row given its text.
    QTest::newRow("checks failing") << "" << false << false << S::FailingChecks
                                    << QStringList{"trees in winter", "Cars", "Signs"} << true;
    QTest::newRow("search and state together")
        << "row" << false << false << S::ToDo << QStringList{"Row 10", "Row 2"} << true;
  }
  void RowsPassBySearchAndState() {
    QFETCH(QString, text);
    QFETCH(bool, exactCase);
    QFETCH(bool, expression);
    QFETCH(TCategoryFilter::TStates, states);
    QFETCH(QStringList, shown);
    QFETCH(bool, valid);
    mFilter.SetSearch(text, exactCase, expression);
    mFilter.SetStates(states);
    QCOMPARE(Shown(), shown);
    QCOMPARE(mFilter.IsSearchValid(), valid);
  }

  // Sorting the table never reorders the map; texts sort naturally.
  void SortsNaturallyAndLeavesTheMap() {
    mFilter.sort(TCategoryModel::OldColumn);
    QCOMPARE(Shown(),
             (QStringList{"Cars", "Row 2", "Row 10", "Signs", "Trees", "trees in winter"}));
    QCOMPARE(mModel.OldText(1), QStringLiteral("Row 10"));
  }

 private:
  QStringList Shown() const {
    QStringList rows;
    for (int row = 0; row < mFilter.rowCount(); ++row)
      rows << mFilter.index(row, TCategoryModel::OldColumn).data().toString();
    return rows;
  }

  TVectorEngine mEngine;
  TCategoryModel mModel;
  TCategoryFilter mFilter;
};

QTEST_MAIN(CategoryFilterTest)
#include "CategoryFilterTest.moc"
