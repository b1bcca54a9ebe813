// SPDX-License-Identifier: GPL-3.0-or-later
// Starts like the program does, shows the main window and ends as soon as
// the event loop runs: the benchmark times the whole process.
#include <QApplication>
#include <QTimer>
#include <memory>

#include "Artwork.h"
#include "MainUnit.h"
#include "ProgressUnit.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setWindowIcon(ApplicationIcon());
  TMainform mainform;
  auto progressform = std::make_unique<TProgressform>();
  Progressform = progressform.get();
  mainform.show();
  QTimer::singleShot(0, &application, &QCoreApplication::quit);
  const int result = QApplication::exec();
  Progressform = nullptr;
  return result;
}
