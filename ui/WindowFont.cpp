// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowFont.h"

#include <QFile>
#include <QFontDatabase>
#include <QStringList>

namespace {

// Debian's fonts-wine installs a Tahoma outside fontconfig's search path.
constexpr const char* kWineTahoma = "/usr/share/wine/fonts/tahoma.ttf";
constexpr int kPixelHeight = 11;

QString chooseFamily() {
  const QString tahoma = QStringLiteral("Tahoma");
  if (QFontDatabase::families().contains(tahoma)) return tahoma;
  if (QFile::exists(QString::fromLatin1(kWineTahoma))) {
    const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(kWineTahoma));
    if (id >= 0 && QFontDatabase::applicationFontFamilies(id).contains(tahoma)) return tahoma;
  }
  return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
}

}  // namespace

QFont WindowFont() {
  static const QString family = chooseFamily();
  QFont font(family);
  font.setPixelSize(kPixelHeight);
  return font;
}
