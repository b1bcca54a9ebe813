// SPDX-License-Identifier: GPL-3.0-or-later
#include "StorageMessages.h"

#include <algorithm>
#include <unordered_map>

#include "LibraryFormat.h"
#include "LoadMessages.h"

namespace {

// A question longer than this many rows names the first ones and counts the rest.
constexpr int kListedRows = 10;

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
    why << QStringLiteral("%1 has no %2")
               .arg(QString::fromStdString(codePageTitle(aPage)), lost.join(QStringLiteral(", ")));
  }
  if (aStored.Cut)
    why << QStringLiteral("longer than %1 bytes, cut to %1").arg(kRemarksCapacity);
  return QStringLiteral("Stored as %1: %2").arg(storedText(aStored, aPage), why.join("; "));
}

QStringList RowStorageNotes(const QStringList& aOld, const QStringList& aNew,
                            const std::vector<TAnsiText>& aStored, TCodePage aPage) {
  const auto rows = static_cast<qsizetype>(
      std::min({static_cast<std::size_t>(aOld.size()), static_cast<std::size_t>(aNew.size()),
                aStored.size()}));
  QStringList notes;
  std::unordered_map<std::string_view, std::vector<qsizetype>> rowsOfBytes;
  for (qsizetype row = 0; row < rows; ++row) {
    const TAnsiText& stored = aStored[static_cast<std::size_t>(row)];
    notes << (aNew[row] == aOld[row] ? QString() : StorageNote(aNew[row], stored, aPage));
    rowsOfBytes[stored.Bytes].push_back(row);
  }
  // Rows given the same text on purpose become one category as shown; rows
  // whose different texts meet in the same bytes do so unseen.
  for (qsizetype row = 0; row < rows; ++row) {
    const TAnsiText& stored = aStored[static_cast<std::size_t>(row)];
    for (const qsizetype other : rowsOfBytes[stored.Bytes]) {
      if (aNew[other] == aNew[row]) continue;
      const QString merge =
          QStringLiteral("Stored as %1, as \"%2\" is: the two become one category")
              .arg(storedText(stored, aPage), EscapeControlCharacters(aOld[other]));
      notes[row] += (notes[row].isEmpty() ? QString() : QStringLiteral("\n")) + merge;
      break;
    }
  }
  return notes;
}

QString AlteredSaveQuestion(const QStringList& aNew, const QStringList& aNotes) {
  QStringList lines;
  int altered = 0;
  for (qsizetype row = 0; row < aNotes.size(); ++row) {
    if (aNotes[row].isEmpty()) continue;
    if (++altered <= kListedRows)
      lines << QStringLiteral("%1 \u2014 %2").arg(quoted(aNew[row]), aNotes[row]);
  }
  if (altered > kListedRows) lines << QStringLiteral("and %1 more").arg(altered - kListedRows);
  return QStringLiteral("%1 will not be stored as typed:\n\n%2\n\nSave anyway?")
      .arg(altered == 1 ? QStringLiteral("One new category")
                        : QStringLiteral("%1 new categories").arg(altered),
           lines.join(QLatin1Char('\n')));
}
