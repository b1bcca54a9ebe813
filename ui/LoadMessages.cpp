// SPDX-License-Identifier: GPL-3.0-or-later
#include "LoadMessages.h"

#include <QDir>

std::optional<QString> LoadWarningText(const TLoadResult& aResult, const QString& aFile) {
  const QString file = QDir::toNativeSeparators(aFile);
  switch (aResult.Kind) {
    case TLoadResult::TKind::Loaded:
      return std::nullopt;
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
  }
  return std::nullopt;
}
