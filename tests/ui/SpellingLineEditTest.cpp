// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QImage>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "Speller.h"
#include "SpellingLineEdit.h"
#include "TestDictionary.h"

namespace {

bool isRed(QRgb aPixel) { return qRed(aPixel) - std::max(qGreen(aPixel), qBlue(aPixel)) >= 80; }

/// Where aEdit says its text position aPos stands: the middle of its cursor
/// there. The cursor moves, but the text does not scroll while it stays shown.
int boundaryX(QLineEdit& aEdit, int aPos) {
  aEdit.setCursorPosition(aPos);
  return aEdit.inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
}

}  // namespace

class SpellingLineEditTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QVERIFY(mDir.isValid());
    WriteTestDictionary(mDir.path().toStdString(), "pl_PL");
    mSpeller = TSpeller::Open(FindDictionaries({mDir.path().toStdString()}).at(0));
    QVERIFY(mSpeller);
  }

  void WaveOnlyUnderMisspelledWord_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("old");
    QTest::addColumn<bool>("speller");
    QTest::addColumn<bool>("scrolled");
    // The one word with a wave under it; none when empty.
    QTest::addColumn<QString>("marked");
    QTest::newRow("misspelled word first") << "Dzrewa las"
                                           << "" << true << false << "Dzrewa";
    QTest::newRow("misspelled word after a correct one") << "las zielony Dzrewa"
                                                         << "" << true << false << "Dzrewa";
    QTest::newRow("long text scrolled to its end")
        << QString("las ").repeated(40) + "Dzrewa zielony"
        << "" << true << true << "Dzrewa";
    QTest::newRow("right-to-left text")
        << QString::fromUtf8("עולם las") << "" << true << false << QString::fromUtf8("עולם");
    QTest::newRow("word kept from the old text") << "Dzrewa las"
                                                 << "dzrewa" << true << false << "";
    QTest::newRow("no speller") << "Dzrewa las"
                                << "" << false << false << "";
  }
  void WaveOnlyUnderMisspelledWord() {
    QFETCH(QString, text);
    QFETCH(QString, old);
    QFETCH(bool, speller);
    QFETCH(bool, scrolled);
    QFETCH(QString, marked);
    TSpellingLineEdit edit;
    QFont font = QApplication::font();
    font.setPointSize(12);
    edit.setFont(font);
    edit.resize(220, 32);
    edit.SetOldText(old);
    edit.SetSpeller(speller ? mSpeller.get() : nullptr);
    edit.setText(text);
    edit.setCursorPosition(scrolled ? text.size() : 0);
    edit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&edit));
    const QImage shot = edit.grab().toImage();

    int left = shot.width();
    int right = -1;
    if (!marked.isEmpty()) {
      const auto start = static_cast<int>(text.indexOf(marked));
      const int startX = boundaryX(edit, start);
      const int endX = boundaryX(edit, start + static_cast<int>(marked.size()));
      left = std::min(startX, endX);
      right = std::max(startX, endX);
      QVERIFY2(left > 0 && right < shot.width() && right - left > 10, "the word is not shown");
    }
    for (int x = 0; x < shot.width(); ++x) {
      bool red = false;
      for (int y = 0; y < shot.height() && !red; ++y) red = isRed(shot.pixel(x, y));
      if (x > left + 2 && x < right - 2)
        QVERIFY2(red, qPrintable(QString("no wave at x %1").arg(x)));
      else if (x < left - 2 || x > right + 2)
        QVERIFY2(!red, qPrintable(QString("a wave at x %1").arg(x)));
    }
  }

  void SuggestionReplacesTheWordUndoTakesItBack() {
    TSpellingLineEdit edit;
    edit.SetSpeller(mSpeller.get());
    edit.resize(220, 32);
    edit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&edit));
    QTest::keyClicks(&edit, "las Dzrewa");
    const QPoint overWord((boundaryX(edit, 5) + boundaryX(edit, 9)) / 2, edit.height() / 2);
    const QPoint overCorrect((boundaryX(edit, 1) + boundaryX(edit, 2)) / 2, edit.height() / 2);
    const std::unique_ptr<QMenu> standard(edit.createStandardContextMenu());
    const std::unique_ptr<QMenu> correct(edit.CreateSpellingMenu(overCorrect));
    QCOMPARE(correct->actions().size(), standard->actions().size());

    const std::unique_ptr<QMenu> menu(edit.CreateSpellingMenu(overWord));
    QAction* drzewa = nullptr;
    for (QAction* action : menu->actions()) {
      if (action->isSeparator()) break;
      if (action->text() == "Drzewa") drzewa = action;
    }
    QVERIFY(drzewa != nullptr);
    drzewa->trigger();
    QCOMPARE(edit.text(), "las Drzewa");
    QTest::keyClicks(&edit, " x");
    QTest::keyClick(&edit, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(edit.text(), "las Drzewa");
    QTest::keyClick(&edit, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(edit.text(), "las Dzrewa");
  }

 private:
  QTemporaryDir mDir;
  std::unique_ptr<TSpeller> mSpeller;
};

QTEST_MAIN(SpellingLineEditTest)
#include "SpellingLineEditTest.moc"
