// SPDX-License-Identifier: GPL-3.0-or-later
#include "StorageMessages.h"

#include <QCoreApplication>

#include "LibraryFormat.h"
#include "LoadMessages.h"

namespace {

// A question longer than this many rows names the first ones and counts the rest.
constexpr int kListedRows = 10;

struct StorageMessages {
  Q_DECLARE_TR_FUNCTIONS(StorageMessages)
};

QString quoted(const QString& aText) {
  return QLatin1Char('"') + EscapeControlCharacters(aText) + QLatin1Char('"');
}

QString storedText(const TAnsiText& aStored, TCodePage aPage) {
  return quoted(QString::fromStdU16String(decodeAnsi(aStored.Bytes, aPage)));
}

}  // namespace

QString StorageNote(const QString& aTyped, const TAnsiText& aStored, TCodePage aPage) {
  if (aStored.Exact()) return {};
  const std::u16string typed = aTyped.toStdU16String();
  QStringList why;
  if (!aStored.Lost.empty()) {
    QStringList lost;
    for (const std::u16string_view character : lostCharacters(typed, aStored))
      lost << QString::fromStdU16String(std::u16string(character));
    why << StorageMessages::tr("%1 has no %2")
               .arg(QString::fromStdString(codePageTitle(aPage)), lost.join(QStringLiteral(", ")));
  }
  if (aStored.Cut)
    why << StorageMessages::tr("longer than %1 bytes, cut to %1").arg(kRemarksCapacity);
  return StorageMessages::tr("Stored as %1: %2")
      .arg(storedText(aStored, aPage), why.join(QStringLiteral("; ")));
}

QString MergeNote(const TAnsiText& aStored, int aOtherRow, const QString& aOtherText,
                  TCodePage aPage) {
  return StorageMessages::tr("Stored as %1, like row %2 %3: the two become one category")
      .arg(storedText(aStored, aPage), QString::number(aOtherRow + 1), quoted(aOtherText));
}

QString AlteredSaveQuestion(const QStringList& aNew,
                            const std::vector<std::pair<int, TRowStorage>>& aAltered) {
  QStringList lines;
  const auto altered = static_cast<int>(aAltered.size());
  for (int i = 0; i < altered && i < kListedRows; ++i) {
    const auto& [row, storage] = aAltered[static_cast<std::size_t>(i)];
    lines << QStringLiteral("%1 \u2014 %2").arg(quoted(aNew[row]), storage.Note);
  }
  if (altered > kListedRows) lines << StorageMessages::tr("and %1 more").arg(altered - kListedRows);
  return StorageMessages::tr("%1 will not be stored as typed:\n\n%2\n\nSave anyway?")
      .arg(altered == 1 ? StorageMessages::tr("One new category")
                        : StorageMessages::tr("%1 new categories").arg(altered),
           lines.join(QLatin1Char('\n')));
}
