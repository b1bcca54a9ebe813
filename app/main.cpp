// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QTimer>
#include <csignal>
#include <cstdio>

#include "Artwork.h"
#include "MainUnit.h"
#include "ProgramLanguage.h"
#include "ProgressUnit.h"
#include "StartArguments.h"

int main(int argc, char* argv[]) {
  // A save past a file-size limit fails with EFBIG and says so, as every
  // other failed write does, rather than killing the program.
  std::signal(SIGXFSZ, SIG_IGN);
  // Help and the version need no display, so they come before the
  // application, which may refuse to start without one. What was asked for
  // is the output: one that cannot be written fails, and says so.
  if (const auto kind = ParseStartArguments(argc, argv).Kind;
      kind == TStartArguments::TKind::Help || kind == TStartArguments::TKind::Version) {
    if (kind == TStartArguments::TKind::Help)
      std::fputs(StartUsageText(), stdout);
    else
      std::puts("zbl-translator " ZBL_VERSION);
    if (std::fflush(stdout) == 0 && !std::ferror(stdout)) return 0;
    std::fputs("zbl-translator: standard output: cannot write\n", stderr);
    return 1;
  }
  // QApplication takes its own options (-platform, -style, ...) out of argv.
  QApplication application(argc, argv);
  const TStartArguments arguments = ParseStartArguments(argc, argv);
  if (arguments.Kind != TStartArguments::TKind::Plain &&
      arguments.Kind != TStartArguments::TKind::OpenFile) {
    std::fputs(StartUsageText(), stderr);
    return 2;
  }
  QApplication::setApplicationName(QStringLiteral("zbl-translator"));
  QApplication::setApplicationVersion(QStringLiteral(ZBL_VERSION));
  QApplication::setDesktopFileName(QStringLiteral("org.zembrel.ZblTranslator"));
  QApplication::setWindowIcon(ApplicationIcon());
  // The windows speak the desktop's language; zbl, read by scripts, does not.
  InstallProgramLanguage(application);

  // The main window creates the engine; the progress window waits, hidden,
  // for the first save.
  TMainform mainform;
  TProgressform progressform;
  mainform.SetProgressform(&progressform);

  mainform.show();
  // A library named on the command line opens once the window shows, so
  // that a warning about it appears over the window.
  if (arguments.Kind == TStartArguments::TKind::OpenFile)
    QTimer::singleShot(0, &mainform,
                       [&mainform, &arguments] { mainform.OpenLibrary(arguments.File); });
  return QApplication::exec();
}
