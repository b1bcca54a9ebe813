// SPDX-License-Identifier: GPL-3.0-or-later
#include "LoadMessages.h"

#include <QCoreApplication>
#include <QDir>

#include "TextCodec.h"

namespace {

struct LoadMessages {
  Q_DECLARE_TR_FUNCTIONS(LoadMessages)
};

}  // namespace

QString EscapeControlCharacters(const QString& aText) {
  return QString::fromStdString(escapeControlCharacters(aText.toStdString()));
}

QString BytesText(std::uint64_t aCount) {
  return aCount == 1 ? LoadMessages::tr("1 byte") : LoadMessages::tr("%1 bytes").arg(aCount);
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
      return LoadMessages::tr("The file ends inside the size of item %1.").arg(item);
    case TLoadResult::TDamage::SmallerThanHeader:
      return LoadMessages::tr("Item %1 claims a size smaller than its header.").arg(item);
    case TLoadResult::TDamage::PastTheEnd:
      return LoadMessages::tr("Item %1 runs past the end of the file.").arg(item);
  }
  return {};
}

}  // namespace

std::optional<QString> LoadWarningText(const TLoadResult& aResult, const QString& aFile) {
  const QString file = EscapeControlCharacters(QDir::toNativeSeparators(aFile));
  switch (aResult.Kind) {
    case TLoadResult::TKind::Loaded: {
      if (aResult.TrailingBytes == 0) return std::nullopt;
      return (aResult.TrailingBytes == 1
                  ? LoadMessages::tr("In the library \"%1\", %2 after the last of the %3 items "
                                     "was not read. A save will not keep it.")
                  : LoadMessages::tr("In the library \"%1\", %2 after the last of the %3 items "
                                     "were not read. A save will not keep them."))
          .arg(file, BytesText(aResult.TrailingBytes), QString::number(aResult.ItemsRead));
    }
    case TLoadResult::TKind::CannotOpen:
      return LoadMessages::tr("The file \"%1\" could not be opened: %2.")
          .arg(file, QString::fromStdString(aResult.Reason));
    case TLoadResult::TKind::NotALibrary:
      return LoadMessages::tr("The file \"%1\" is not a Zembrel library.").arg(file);
    case TLoadResult::TKind::Damaged: {
      QString text =
          LoadMessages::tr("The library \"%1\" is damaged: %2 of %3 items could be read.")
              .arg(file)
              .arg(aResult.ItemsRead)
              .arg(aResult.ItemsDeclared);
      if (const QString damage = damageText(aResult); !damage.isEmpty())
        text += QStringLiteral("\n\n%1").arg(damage);
      return text;
    }
    case TLoadResult::TKind::OutOfMemory:
      return LoadMessages::tr("There is not enough memory to load the library \"%1\".").arg(file);
  }
  return std::nullopt;
}
