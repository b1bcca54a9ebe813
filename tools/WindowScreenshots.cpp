// SPDX-License-Identifier: GPL-3.0-or-later
// Developer tool: drives the real windows through the scenes the README shows
// (a library loaded, the editor open over a row, a save under way, the
// tooltip of a row) and saves
// a picture of the screen for each. Run it under an X server, e.g. xvfb-run.
//
//   zbl-screenshots LIBRARY.zbl OUTPUT-FOLDER

#include <QApplication>
#include <QDir>
#include <QHelpEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <cstdio>
#include <deque>

#include "Artwork.h"
#include "MainUnit.h"
#include "ProgressUnit.h"

namespace {

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
  void Information(QWidget*, const QString&, const QString& aText) override { Report(aText); }
  void Warning(QWidget*, const QString&, const QString& aText) override { Report(aText); }
  void Critical(QWidget*, const QString&, const QString& aText) override { Report(aText); }
  bool SaveAnyway(QWidget*, const QString&, const QString& aText) override {
    Report(aText);
    return true;
  }
  TUnsavedAnswer Unsaved(QWidget*, const QString&, const QString& aText) override {
    Report(aText);
    return TUnsavedAnswer::Discard;
  }

 private:
  static void Report(const QString& aText) {
    std::fprintf(stderr, "message box: %s\n", qPrintable(aText));
  }
};

void settle() {
  for (int i = 0; i < 20; ++i) QCoreApplication::processEvents();
}

bool shoot(const QWidget& aAround, const QString& aFile) {
  settle();
  const QRect area = aAround.frameGeometry().adjusted(-16, -16, 16, 16);
  const QPixmap screen = QGuiApplication::primaryScreen()->grabWindow(0);
  const bool saved = screen.copy(area).save(aFile);
  std::fprintf(stderr, "%s %s\n", saved ? "wrote" : "could not write", qPrintable(aFile));
  return saved;
}

void doubleClick(QWidget* aWidget, QPoint aPos) {
  const QPointF local(aPos);
  const QPointF global(aWidget->mapToGlobal(aPos));
  QMouseEvent event(QEvent::MouseButtonDblClick, local, global, Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QCoreApplication::sendEvent(aWidget, &event);
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
  Progressform = &progressform;
  mainform.show();

  script.Answers.push_back(library);
  mainform.Button1->click();
  mainform.lb_Cats->setCurrentRow(1);
  bool ok = shoot(mainform, out.filePath(QStringLiteral("main-window.png")));

  mainform.lb_NewCats->setCurrentRow(2);
  doubleClick(mainform.lb_NewCats->viewport(),
              mainform.lb_NewCats->visualItemRect(mainform.lb_NewCats->item(2)).center());
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
  mainform.Button2->click();
  Progressform = nullptr;

  // Last, so that no other picture catches it fading out, and once the
  // window has the keyboard back from the progress window, whose going would
  // hide it.
  mainform.activateWindow();
  settle();
  QListWidget* list = mainform.lb_Cats;
  const QPoint rowCentre = list->visualItemRect(list->item(2)).center() - QPoint(40, 0);
  QHelpEvent hover(QEvent::ToolTip, rowCentre, list->viewport()->mapToGlobal(rowCentre));
  QCoreApplication::sendEvent(list->viewport(), &hover);
  ok = shoot(mainform, out.filePath(QStringLiteral("row-tooltip.png"))) && ok;
  return ok && shotDuringSave ? 0 : 1;
}
