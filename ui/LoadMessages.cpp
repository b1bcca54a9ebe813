// SPDX-License-Identifier: GPL-3.0-or-later
#include "LoadMessages.h"

#include <QDir>

#include "TextCodec.h"

QString EscapeControlCharacters(const QString& aText) {
  return QString::fromStdString(escapeControlCharacters(aText.toStdString()));
}

QString BytesText(std::uint64_t aCount) {
  return aCount == 1 ? QStringLiteral("1 byte") : QStringLiteral("%1 bytes").arg(aCount);
}

std::optional<QString> LoadWarningText(const TLoadResult& aResult, const QString& aFile) {
  const QString file = EscapeControlCharacters(QDir::toNativeSeparators(aFile));
  switch (aResult.Kind) {
    case TLoadResult::TKind::Loaded: {
      if (aResult.TrailingBytes == 0) return std::nullopt;
      const bool one = aResult.TrailingBytes == 1;
      return QStringLiteral(
                 "In the library \"%1\", %2 after the last of the %3 items %4 not read. "
                 "A save will not keep %5.")
          .arg(file, BytesText(aResult.TrailingBytes), QString::number(aResult.ItemsRead),
               one ? QStringLiteral("was") : QStringLiteral("were"),
               one ? QStringLiteral("it") : QStringLiteral("them"));
    }
    case TLoadResult::TKind::CannotOpen:
      return QStringLiteral("The file \"%1\" could not be opened: %2.")
          .arg(file, QString::fromStdString(aResult.Reason));
    case TLoadResult::TKind::NotALibrary:
      return QStringLiteral("The file \"%1\" is not a Zembrel library.").arg(file);
    case TLoadResult::TKind::Damaged: {
      QString text = QStringLiteral("The library \"%1\" is damaged: %2 of %3 items could be read.")
                         .arg(file)
                         .arg(aResult.ItemsRead)
                         .arg(aResult.ItemsDeclared);
      if (!aResult.Damage.empty())
        text += QStringLiteral("\n\n%1").arg(QString::fromStdString(aResult.Damage));
      return text;
    }
    case TLoadResult::TKind::OutOfMemory:
      return QStringLiteral("There is not enough memory to load the library \"%1\".").arg(file);
  }
  return std::nullopt;
}
