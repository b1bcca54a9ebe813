// SPDX-License-Identifier: GPL-3.0-or-later
// Starts like the program does, shows the main window and ends as soon as
// the event loop runs: the benchmark times the whole process.
#include <QApplication>
#include <QTimer>

#include "Artwork.h"
#include "MainUnit.h"
#include "ProgressUnit.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setWindowIcon(ApplicationIcon());
  TMainform mainform;
  TProgressform progressform;
  mainform.SetProgressform(&progressform);
  mainform.show();
  QTimer::singleShot(0, &application, &QCoreApplication::quit);
  return QApplication::exec();
}
