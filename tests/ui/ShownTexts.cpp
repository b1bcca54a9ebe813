// SPDX-License-Identifier: GPL-3.0-or-later
// Starts as the window program does, in the language the environment asks
// for, and prints what the main window's buttons and one of Qt's own buttons
// read, one to a line.
#include <QApplication>
#include <QPushButton>
#include <cstdio>

#include "MainUnit.h"
#include "ProgramLanguage.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  InstallProgramLanguage(application);
  const TMainform form;
  for (const char* name : {"Button1", "Button2"})
    std::puts(form.findChild<QPushButton*>(QLatin1String(name))->text().toUtf8().constData());
  // The text Qt's message boxes and dialog buttons give "Cancel".
  std::puts(QCoreApplication::translate("QPlatformTheme", "Cancel").toUtf8().constData());
  return 0;
}
