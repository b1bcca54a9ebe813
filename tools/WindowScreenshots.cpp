// SPDX-License-Identifier: GPL-3.0-or-later
// Developer tool: drives the real windows through the scenes docs/windows.md shows
// (a library loaded, the editor open over a row, a save under way, a row
// whose text the code page cannot store, the question before saving it, the
// lists' menu, the message after a map is imported, and the tooltip of a row)
// and saves
// a picture of the screen for each. Run it under an X server, e.g. xvfb-run.
//
//   zbl-screenshots LIBRARY.zbl OUTPUT-FOLDER

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QCursor>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QHelpEvent>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolTip>
#include <cstdio>
#include <deque>

#include "Artwork.h"
#include "CodePage.h"
#include "MainUnit.h"
#include "ProgressUnit.h"

namespace {

void settle() {
  for (int i = 0; i < 20; ++i) QCoreApplication::processEvents();
}

bool shoot(const QWidget& aAround, const QString& aFile) {
  settle();
  QRect area = aAround.frameGeometry();
  // A tooltip shown may reach past the window.
  for (const QWidget* top : QApplication::topLevelWidgets())
    if (top->isVisible() && (top->inherits("QTipLabel") || top->inherits("QMenu")))
      area |= top->frameGeometry();
  area.adjust(-16, -16, 16, 16);
  const QPixmap screen = QGuiApplication::primaryScreen()->grabWindow(0);
  const bool saved = screen.copy(area).save(aFile);
  std::fprintf(stderr, "%s %s\n", saved ? "wrote" : "could not write", qPrintable(aFile));
  return saved;
}

/// Answers the file dialogs from a script and reports message boxes on the
/// console, so no dialog waits for a person.
class TScriptedDialogs final : public TDialogs {
 public:
  std::deque<QString> Answers;

  std::optional<QString> Execute(const TFileDialogSetup&, QWidget*) override {
    if (Answers.empty()) return std::nullopt;
    QString answer = Answers.front();
    Answers.pop_front();
    return answer;
  }
  void Information(QWidget* aParent, const QString& aTitle, const QString& aText) override {
    Report(aText);
    if (!MessageShot.isEmpty())
      ShowAndShoot(aParent, [&] { TQtDialogs().Information(aParent, aTitle, aText); });
  }
  void Warning(QWidget*, const QString&, const QString& aText) override { Report(aText); }
  void Critical(QWidget*, const QString&, const QString& aText) override { Report(aText); }
  /// Once set, the next question or information is shown for real,
  /// photographed into this file and closed (a question answered Cancel).
  QString MessageShot;
  bool MessageShotTaken = false;

  bool SaveAnyway(QWidget* aParent, const QString& aTitle, const QString& aText) override {
    Report(aText);
    if (MessageShot.isEmpty()) return true;
    bool yes = false;
    ShowAndShoot(aParent, [&] { yes = TQtDialogs().SaveAnyway(aParent, aTitle, aText); });
    return yes;
  }
  TUnsavedAnswer Unsaved(QWidget*, const QString&, const QString& aText) override {
    Report(aText);
    return TUnsavedAnswer::Discard;
  }
  bool Ask(QWidget*, const QString&, const QString& aText) override {
    Report(aText);
    return false;
  }
  std::optional<TLanguagePair> Languages(QWidget*, const QString&, const QString& aText,
                                         const QStringList&, const TLanguagePair& aDefault,
                                         bool) override {
    Report(aText);
    return aDefault;
  }

 private:
  template <typename TShow>
  void ShowAndShoot(QWidget* aParent, TShow aShow) {
    MessageShotTaken = false;
    QTimer::singleShot(300, aParent, [this, aParent] {
      MessageShotTaken = shoot(*aParent, MessageShot);
      if (QWidget* box = QApplication::activeModalWidget()) box->close();
    });
    aShow();
    MessageShot.clear();
  }

  static void Report(const QString& aText) {
    std::fprintf(stderr, "message box: %s\n", qPrintable(aText));
  }
};

template <typename TControl>
TControl* control(const QWidget& aWindow, const char* aName) {
  return aWindow.findChild<TControl*>(QString::fromLatin1(aName));
}

QPoint rowCentre(const QListView* aList, int aRow) {
  return aList->visualRect(aList->model()->index(aRow, aList->modelColumn())).center();
}

void selectRow(QListView* aList, int aRow) {
  aList->setCurrentIndex(aList->model()->index(aRow, aList->modelColumn()));
}

void doubleClick(QWidget* aWidget, QPoint aPos) {
  const QPointF local(aPos);
  const QPointF global(aWidget->mapToGlobal(aPos));
  QMouseEvent event(QEvent::MouseButtonDblClick, local, global, Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QCoreApplication::sendEvent(aWidget, &event);
}

/// Shows the tooltip of row aRow of aList as a user resting the pointer on it
/// sees it, faded in; false when it would not show.
bool showTooltip(QWidget& aWindow, QListView* aList, int aRow) {
  const QPoint at = rowCentre(aList, aRow) - QPoint(40, 0);
  // The tooltip stays only while the pointer rests on the row, and only in
  // the window that has the keyboard, which a window manager may give back
  // late after a message box.
  QCursor::setPos(aList->viewport()->mapToGlobal(at));
  for (int attempt = 0; attempt < 20 && !QToolTip::isVisible(); ++attempt) {
    aWindow.activateWindow();
    settle();
    QHelpEvent request(QEvent::ToolTip, at, aList->viewport()->mapToGlobal(at));
    QCoreApplication::sendEvent(aList->viewport(), &request);
    settle();
  }
  QEventLoop fadeIn;
  QTimer::singleShot(600, &fadeIn, &QEventLoop::quit);
  fadeIn.exec();
  return QToolTip::isVisible();
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: zbl-screenshots LIBRARY.zbl OUTPUT-FOLDER\n");
    return 2;
  }
  const QString library = QString::fromLocal8Bit(argv[1]);
  const QDir out(QString::fromLocal8Bit(argv[2]));
  QApplication::setWindowIcon(ApplicationIcon());

  auto dialogs = std::make_unique<TScriptedDialogs>();
  TScriptedDialogs& script = *dialogs;
  TMainform mainform(std::move(dialogs));
  TProgressform progressform;
  mainform.SetProgressform(&progressform);
  auto* oldRows = control<QListView>(mainform, "lb_Cats");
  auto* rows = control<QListView>(mainform, "lb_NewCats");
  // The pictures show the same texts whatever the locale they are made in.
  mainform.ChooseCodePage(TCodePage::Western);
  mainform.show();

  script.Answers.push_back(library);
  control<QPushButton>(mainform, "Button1")->click();
  selectRow(oldRows, 1);
  bool ok = shoot(mainform, out.filePath(QStringLiteral("main-window.png")));

  selectRow(rows, 2);
  doubleClick(rows->viewport(), rowCentre(rows, 2));
  if (QLineEdit* editor = mainform.OpenEditor()) {
    editor->setText(QStringLiteral("Stra\u00dfen"));
    editor->end(false);
  }
  ok = shoot(mainform, out.filePath(QStringLiteral("editor.png"))) && ok;
  if (QLineEdit* editor = mainform.OpenEditor()) {
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(editor, &enter);
  }
  settle();

  // The picture is taken inside the save, half way through.
  QTemporaryDir scratch;
  bool shotDuringSave = false;
  QObject::connect(
      progressform.ProgressBar1, &QProgressBar::valueChanged, &progressform, [&](int aValue) {
        const int maximum = progressform.ProgressBar1->maximum();
        if (shotDuringSave || aValue < maximum / 2) return;
        shotDuringSave = true;
        ok = shoot(mainform, out.filePath(QStringLiteral("progress-window.png"))) && ok;
      });
  script.Answers.push_back(QDir(scratch.path()).filePath(QStringLiteral("translated.zbl")));
  control<QPushButton>(mainform, "Button2")->click();
  mainform.SetProgressform(nullptr);

  // A new text with letters Windows-1252 lacks: the row is marked, and the
  // save asks first.
  selectRow(rows, 1);
  doubleClick(rows->viewport(), rowCentre(rows, 1));
  if (QLineEdit* editor = mainform.OpenEditor()) {
    editor->setText(QStringLiteral("\u0141\u00f3d\u017a"));
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(editor, &enter);
  }
  settle();
  ok = showTooltip(mainform, rows, 1) && ok;
  ok = shoot(mainform, out.filePath(QStringLiteral("marked-row.png"))) && ok;
  QToolTip::hideText();
  script.MessageShot = out.filePath(QStringLiteral("altered-save-question.png"));
  control<QPushButton>(mainform, "Button2")->click();
  ok = script.MessageShotTaken && ok;

  // The lists' menu, opened on the first old category.
  mainform.activateWindow();
  settle();
  const QPoint firstRow = rowCentre(oldRows, 0);
  QContextMenuEvent menuRequest(QContextMenuEvent::Mouse, firstRow,
                                oldRows->viewport()->mapToGlobal(firstRow));
  QCoreApplication::sendEvent(oldRows->viewport(), &menuRequest);
  ok = shoot(mainform, out.filePath(QStringLiteral("list-menu.png"))) && ok;
  if (QWidget* menu = QApplication::activePopupWidget()) menu->close();
  settle();

  // A translator's catalogue naming two of the categories, one entry still
  // fuzzy and one category the library does not have.
  const QString map = QDir(scratch.path()).filePath(QStringLiteral("sample-de.po"));
  QFile catalogue(map);
  if (catalogue.open(QIODevice::WriteOnly))
    catalogue.write(
        "msgid \"\"\nmsgstr \"Content-Type: text/plain; charset=UTF-8\\n\"\n\n"
        "msgid \"Cars\"\nmsgstr \"Autos\"\n\nmsgid \"Signs\"\nmsgstr \"Schilder\"\n\n"
        "#, fuzzy\nmsgid \"People\"\nmsgstr \"Leute\"\n\n"
        "msgid \"Boats\"\nmsgstr \"Boote\"\n");
  catalogue.close();
  script.Answers.push_back(map);
  script.MessageShot = out.filePath(QStringLiteral("map-imported.png"));
  control<QAction>(mainform, "ImportMapAction")->trigger();
  ok = script.MessageShotTaken && ok;
  // Last, so that no other picture catches it fading out, and once the
  // window has the keyboard back from the progress window, whose going would
  // hide it.
  ok = showTooltip(mainform, oldRows, 2) && ok;
  ok = shoot(mainform, out.filePath(QStringLiteral("row-tooltip.png"))) && ok;
  return ok && shotDuringSave ? 0 : 1;
}
