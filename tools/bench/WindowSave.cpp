// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowSave.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <filesystem>
#include <memory>
#include <optional>
#include <stdexcept>

#include "Dialogs.h"
#include "MainUnit.h"
#include "ProgressUnit.h"
#include "Timing.h"

namespace {

// Answers the open dialog with the library and the save dialog with the
// target; any message box means the measurement is void.
class TAnsweringDialogs final : public TDialogs {
 public:
  TAnsweringDialogs(QString aOpen, QString aSave)
      : mOpen(std::move(aOpen)), mSave(std::move(aSave)) {}

  std::optional<QString> Execute(const TFileDialogSetup& aSetup, QWidget*) override {
    return aSetup.Mode == TFileDialogSetup::TMode::Open ? mOpen : mSave;
  }
  void Information(QWidget*, const QString&, const QString& aText) override { fail(aText); }
  void Warning(QWidget*, const QString&, const QString& aText) override { fail(aText); }
  void Critical(QWidget*, const QString&, const QString& aText) override { fail(aText); }
  bool SaveAnyway(QWidget*, const QString&, const QString& aText) override { fail(aText); }
  TUnsavedAnswer Unsaved(QWidget*, const QString&, const QString& aText) override { fail(aText); }
  bool Ask(QWidget*, const QString&, const QString& aText) override { fail(aText); }

 private:
  [[noreturn]] static void fail(const QString& aText) {
    throw std::runtime_error("the window said: " + aText.toStdString());
  }
  QString mOpen;
  QString mSave;
};

std::unique_ptr<QApplication> gApplication;

}  // namespace

void startWindowApplication(int& aArgc, char** aArgv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  gApplication = std::make_unique<QApplication>(aArgc, aArgv);
}

void stopWindowApplication() { gApplication.reset(); }

double windowSaveSeconds(const std::string& aLibrary, const std::string& aTarget, int aRuns) {
  TMainform mainform(std::make_unique<TAnsweringDialogs>(QString::fromStdString(aLibrary),
                                                         QString::fromStdString(aTarget)));
  auto progressform = std::make_unique<TProgressform>();
  Progressform = progressform.get();
  mainform.show();
  QCoreApplication::processEvents();
  mainform.Button1->click();
  // Like the core save it is compared with, each run writes a new file.
  const double seconds = medianSeconds(
      aRuns, [&] { mainform.Button2->click(); }, [&] { std::filesystem::remove(aTarget); });
  Progressform = nullptr;
  return seconds;
}

TWindowLoad windowLoadSeconds(const std::string& aLibrary, int aRuns) {
  TMainform mainform(
      std::make_unique<TAnsweringDialogs>(QString::fromStdString(aLibrary), QString()));
  mainform.show();
  QCoreApplication::processEvents();
  TWindowLoad times;
  times.Load = medianSeconds(aRuns, [&] {
    mainform.Button1->click();
    mainform.lb_Cats->repaint();
    mainform.lb_NewCats->repaint();
  });
  QListWidget& list = *mainform.lb_NewCats;
  list.setCurrentRow(list.count() - 1);
  QCoreApplication::processEvents();
  const QPoint at = list.visualItemRect(list.item(list.count() - 1)).center();
  times.EditLastRow = medianSeconds(
      aRuns,
      [&] {
        QMouseEvent click(QEvent::MouseButtonDblClick, at, list.viewport()->mapToGlobal(at),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(list.viewport(), &click);
        auto* editor = mainform.findChild<QLineEdit*>(QStringLiteral("CategoryEditor"));
        if (editor == nullptr) throw std::runtime_error("no editor opened on the last row");
        editor->repaint();
      },
      [&] {
        if (auto* editor = mainform.findChild<QLineEdit*>(QStringLiteral("CategoryEditor"))) {
          QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
          QApplication::sendEvent(editor, &escape);
        }
        QCoreApplication::processEvents();
      });
  return times;
}
