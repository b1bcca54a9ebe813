// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowSave.h"

#include <QApplication>
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
