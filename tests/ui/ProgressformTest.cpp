// SPDX-License-Identifier: GPL-3.0-or-later
#include <QDir>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <optional>
#include <thread>
#include <vector>

#include "ExtendedPercent.h"
#include "FileLayer.h"
#include "ProgressReporter.h"
#include "ProgressUnit.h"
#include "TestLibraries.h"
#include "WorkAside.h"

namespace {

/// What the progress window showed each time the save repainted its label.
struct TShown {
  QString Label;
  int Position;
  int Maximum;
  bool Visible;
};

class TLabelWatcher final : public QObject {
 public:
  explicit TLabelWatcher(TProgressform& aForm) : mForm(aForm) {
    aForm.Label1->installEventFilter(this);
    aForm.installEventFilter(this);
  }

  std::vector<TShown> Shown;
  int Shows = 0;

 protected:
  bool eventFilter(QObject* aWatched, QEvent* aEvent) override {
    if (aWatched == mForm.Label1 && aEvent->type() == QEvent::Paint)
      Shown.push_back({mForm.Label1->text(), mForm.ProgressBar1->value(),
                       mForm.ProgressBar1->maximum(), mForm.isVisible()});
    if (aWatched == &mForm && aEvent->type() == QEvent::Show) ++Shows;
    return false;
  }

 private:
  TProgressform& mForm;
};

/// The value of the progress bar at each of its paints.
class TBarWatcher final : public QObject {
 public:
  explicit TBarWatcher(QProgressBar& aBar) : mBar(aBar) { aBar.installEventFilter(this); }
  std::vector<int> Painted;

 protected:
  bool eventFilter(QObject*, QEvent* aEvent) override {
    if (aEvent->type() == QEvent::Paint) Painted.push_back(mBar.value());
    return false;
  }

 private:
  QProgressBar& mBar;
};

QString Label(int aPercent) { return QStringLiteral("Progress : %1 %").arg(aPercent); }

// What the progress window showed when the saved file was synced.
TProgressform* gSyncWatched = nullptr;
bool gShownAtSync = false;
int (*gRealSync)(int) = nullptr;
int syncWatchingTheWindow(int aDescriptor) {
  gShownAtSync = gSyncWatched->isVisible();
  return gRealSync(aDescriptor);
}

/// The program's progress window for one test, and a folder for its files.
struct TProgressWindow {
  QTemporaryDir Dir;
  TProgressform Form;
};

}  // namespace

class ProgressformTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { QVERIFY(mWindow.emplace().Dir.isValid()); }
  void cleanup() { mWindow.reset(); }

  void StartsHiddenWithItsLayout() {
    TProgressform& form = mWindow->Form;
    QVERIFY(!form.isVisible());
    QCOMPARE(form.windowTitle(), QStringLiteral("Progressform"));
    QCOMPARE(form.size(), QSize(302, 81));
    QCOMPARE(form.maximumSize(), QSize(302, 81));
    QCOMPARE(form.font().pixelSize(), 11);
    QCOMPARE(form.Label1->text(), QStringLiteral("Label1"));
    QCOMPARE(form.Label1->pos(), QPoint(16, 13));
    QCOMPARE(form.Label1->height(), 13);
    QCOMPARE(form.ProgressBar1->geometry(), QRect(16, 32, 265, 17));
    QCOMPARE(form.ProgressBar1->orientation(), Qt::Horizontal);
    QCOMPARE(form.ProgressBar1->minimum(), 0);
    QCOMPARE(form.ProgressBar1->maximum(), 100);
    QCOMPARE(form.ProgressBar1->value(), 0);
  }

  void LabelFitsItsText() {
    mWindow->Form.SetLabelText(Label(100));
    const int wide = mWindow->Form.Label1->width();
    mWindow->Form.SetLabelText(Label(5));
    QVERIFY(mWindow->Form.Label1->width() < wide);
    QCOMPARE(mWindow->Form.Label1->height(), 13);
  }

  // Work that may be quick shows the window only once it has taken longer
  // than it was given; the window then shows where the work stands.
  void WindowWaitsForSlowWork_data() {
    QTest::addColumn<int>("showAfterMs");
    QTest::addColumn<bool>("shown");
    QTest::newRow("quicker than the wait: nothing shows") << 60000 << false;
    QTest::newRow("slower than the wait: the window shows") << 1 << true;
  }
  void WindowWaitsForSlowWork() {
    QFETCH(int, showAfterMs);
    QFETCH(bool, shown);
    TLabelWatcher watcher(mWindow->Form);
    TProgressReporter reporter(mWindow->Form, showAfterMs);
    reporter.Begin(10);
    QTest::qSleep(10);
    reporter.Advance(4);
    QCOMPARE(watcher.Shows, shown ? 1 : 0);
    QCOMPARE(mWindow->Form.isVisible(), shown);
    if (shown) QCOMPARE(mWindow->Form.Label1->text(), Label(40));
    reporter.End();
    QVERIFY(!mWindow->Form.isVisible());
  }

  // Work run aside ends only once the window's events have run meanwhile.
  void WorkAsideLetsTheWindowsRun() {
    std::atomic<bool> eventsRan = false;
    QTimer::singleShot(0, &mWindow->Form, [&] { eventsRan = true; });
    qint64 waited = -1;
    const int result = RunAside(
        [&] {
          while (!eventsRan) std::this_thread::sleep_for(std::chrono::milliseconds(1));
          return 42;
        },
        [&](qint64 aElapsedMs) { waited = aElapsedMs; });
    QCOMPARE(result, 42);
    QVERIFY(waited >= 0);
  }

  void SaveDrivesTheWindow_data() {
    QTest::addColumn<int>("items");
    QTest::addColumn<QStringList>("someLabels");  // first, middle, last
    QTest::newRow("three") << 3 << QStringList{Label(0), Label(33), Label(67)};
    QTest::newRow("two hundred") << 200 << QStringList{Label(0), Label(50), Label(100)};
  }
  void SaveDrivesTheWindow() {
    QFETCH(int, items);
    QFETCH(QStringList, someLabels);
    TMainformFixture fixture;
    fixture.Form->SetProgressform(&mWindow->Form);
    QList<QByteArray> categories;
    for (int i = 0; i < items; ++i) categories << QByteArray::number(i % 7);
    fixture.Load(WriteLibrary(mWindow->Dir.path(), "in.zbl", LibraryWithCategories(categories)));

    TLabelWatcher watcher(mWindow->Form);
    fixture.Dialogs->Answers.push_back(QDir(mWindow->Dir.path()).filePath("out.zbl"));
    Controls(*fixture.Form).Button2->click();

    QCOMPARE(watcher.Shows, 1);
    // The label follows every item but is repainted only when its text
    // changes: once for each percentage, at the first item that has it.
    std::vector<int> firstPositions;
    for (int k = 0; k < items; ++k)
      if (k == 0 || ExtendedPercent(k, items) != ExtendedPercent(k - 1, items))
        firstPositions.push_back(k);
    QCOMPARE(watcher.Shown.size(), firstPositions.size());
    for (std::size_t i = 0; i < firstPositions.size(); ++i) {
      const int k = firstPositions[i];
      QCOMPARE(watcher.Shown[i].Position, k);
      QCOMPARE(watcher.Shown[i].Label, Label(ExtendedPercent(k, items)));
      QCOMPARE(watcher.Shown[i].Maximum, items);
      QVERIFY(watcher.Shown[i].Visible);
    }
    QCOMPARE(watcher.Shown.front().Label, someLabels[0]);
    QVERIFY(std::any_of(watcher.Shown.begin(), watcher.Shown.end(),
                        [&](const TShown& s) { return s.Label == someLabels[1]; }));
    QCOMPARE(watcher.Shown.back().Label, someLabels[2]);
    QVERIFY(!mWindow->Form.isVisible());
    QCOMPARE(mWindow->Form.Label1->text(), someLabels[2]);
    QCOMPARE(mWindow->Form.ProgressBar1->value(), items - 1);
  }

  // The window stays, at its last position, until the library is on the
  // disk; then it closes.
  void WindowStaysUntilTheFileIsOnTheDisk() {
    TMainformFixture fixture;
    fixture.Form->SetProgressform(&mWindow->Form);
    fixture.Load(
        WriteLibrary(mWindow->Dir.path(), "in.zbl", LibraryWithCategories({"A", "B", "C"})));
    const TFileSystemCalls system = fileSystemCalls();
    gSyncWatched = &mWindow->Form;
    gRealSync = system.Sync;
    gShownAtSync = false;
    fileSystemCalls().Sync = syncWatchingTheWindow;
    const auto restore = qScopeGuard([&] { fileSystemCalls() = system; });
    fixture.Dialogs->Answers.push_back(QDir(mWindow->Dir.path()).filePath("out.zbl"));
    Controls(*fixture.Form).Button2->click();
    QVERIFY(gShownAtSync);
    QCOMPARE(mWindow->Form.ProgressBar1->value(), 2);
    QVERIFY(!mWindow->Form.isVisible());
  }

  // The bar follows the work to its last item, each paint showing it
  // further on, and at most one paint for each pixel of its width.
  void BarIsNeverPaintedTwiceAtOnePlace() {
    TProgressform& form = mWindow->Form;
    TBarWatcher watcher(*form.ProgressBar1);
    TProgressReporter reporter(form);
    constexpr int kItems = 100000;
    reporter.Begin(kItems);
    for (int k = 0; k < kItems; ++k) reporter.Advance(k);
    const std::vector<int> painted = watcher.Painted;
    reporter.End();
    QVERIFY(!painted.empty());
    QCOMPARE(painted.back(), kItems - 1);
    QVERIFY(std::adjacent_find(painted.begin(), painted.end(), std::greater_equal<>()) ==
            painted.end());
    QVERIFY(painted.size() <= static_cast<std::size_t>(form.ProgressBar1->width()) + 1);
  }

  void WindowIsPaintedAtZeroBeforeTheFirstItem() {
    // What runs between Begin and the first item (the sort) pumps no
    // events, so the window must be whole by the time Begin returns.
    TProgressform& form = mWindow->Form;
    form.SetLabelText(QStringLiteral("Label1"));
    TLabelWatcher watcher(form);
    TProgressReporter reporter(form);
    reporter.Begin(1000);
    QCOMPARE(watcher.Shown.size(), std::size_t{1});
    QCOMPARE(watcher.Shown.front().Label, Label(0));
    QCOMPARE(watcher.Shown.front().Position, 0);
    QVERIFY(watcher.Shown.front().Visible);
    reporter.End();
  }

  void LabelKeepsItsTextBetweenSaves() {
    TMainformFixture fixture;
    fixture.Form->SetProgressform(&mWindow->Form);
    fixture.Load(
        WriteLibrary(mWindow->Dir.path(), "in.zbl", LibraryWithCategories({"A", "B", "C"})));
    fixture.Dialogs->Answers.push_back(QDir(mWindow->Dir.path()).filePath("one.zbl"));
    Controls(*fixture.Form).Button2->click();
    QCOMPARE(mWindow->Form.Label1->text(), Label(67));

    // A library of no items shows and closes the window and sets no label.
    TMainformFixture empty;
    empty.Form->SetProgressform(&mWindow->Form);
    TLabelWatcher watcher(mWindow->Form);
    empty.Dialogs->QuestionAnswers.push_back(true);  // an empty library, as asked
    empty.Dialogs->Answers.push_back(QDir(mWindow->Dir.path()).filePath("two.zbl"));
    Controls(*empty.Form).Button2->click();
    QCOMPARE(watcher.Shows, 1);
    QVERIFY(watcher.Shown.empty());
    QVERIFY(!mWindow->Form.isVisible());
    QCOMPARE(mWindow->Form.ProgressBar1->maximum(), 0);
    QCOMPARE(mWindow->Form.Label1->text(), Label(67));
  }

 private:
  std::optional<TProgressWindow> mWindow;
};

QTEST_MAIN(ProgressformTest)
#include "ProgressformTest.moc"
