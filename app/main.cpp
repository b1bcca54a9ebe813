// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <memory>

#include "Artwork.h"
#include "MainUnit.h"
#include "ProgressUnit.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("zbl-translator"));
  QApplication::setApplicationVersion(QStringLiteral(ZBL_VERSION));
  QApplication::setDesktopFileName(QStringLiteral("org.zembrel.ZblTranslator"));
  QApplication::setWindowIcon(ApplicationIcon());

  // The main window creates the engine; the progress window waits, hidden,
  // for the first save.
  TMainform mainform;
  auto progressform = std::make_unique<TProgressform>();
  Progressform = progressform.get();

  mainform.show();
  const int result = QApplication::exec();
  Progressform = nullptr;
  return result;
}
