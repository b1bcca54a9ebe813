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

namespace {

// What was wrong with the item that ended a damaged read; empty when the
// read was not cut short.
QString damageText(const TLoadResult& aResult) {
  const qint64 item = aResult.ItemsRead + 1;
  switch (aResult.Damage) {
    case TLoadResult::TDamage::None:
      break;
    case TLoadResult::TDamage::SizeCutOff:
      return QStringLiteral("The file ends inside the size of item %1.").arg(item);
    case TLoadResult::TDamage::SmallerThanHeader:
      return QStringLiteral("Item %1 claims a size smaller than its header.").arg(item);
    case TLoadResult::TDamage::PastTheEnd:
      return QStringLiteral("Item %1 runs past the end of the file.").arg(item);
  }
  return {};
}

}  // namespace

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
      if (const QString damage = damageText(aResult); !damage.isEmpty())
        text += QStringLiteral("\n\n%1").arg(damage);
      return text;
    }
    case TLoadResult::TKind::OutOfMemory:
      return QStringLiteral("There is not enough memory to load the library \"%1\".").arg(file);
  }
  return std::nullopt;
}
