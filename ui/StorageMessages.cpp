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

std::vector<TRowStorage> RowStorageNotes(const QStringList& aOld, const QStringList& aNew,
                                         const std::vector<TAnsiText>& aStored, TCodePage aPage) {
  const auto rows = static_cast<qsizetype>(
      std::min({static_cast<std::size_t>(aOld.size()), static_cast<std::size_t>(aNew.size()),
                aStored.size()}));
  std::vector<TRowStorage> notes;
  notes.reserve(static_cast<std::size_t>(rows));
  std::unordered_map<std::string_view, std::vector<qsizetype>> rowsOfBytes;
  for (qsizetype row = 0; row < rows; ++row) {
    const TAnsiText& stored = aStored[static_cast<std::size_t>(row)];
    const QString note = aNew[row] == aOld[row] ? QString() : StorageNote(aNew[row], stored, aPage);
    notes.push_back({note, note.isEmpty()});
    rowsOfBytes[stored.Bytes].push_back(row);
  }
  // Rows stored as the same bytes become one category: as shown when they
  // were given the same text, unseen when different texts meet.
  for (qsizetype row = 0; row < rows; ++row) {
    const TAnsiText& stored = aStored[static_cast<std::size_t>(row)];
    const std::vector<qsizetype>& same = rowsOfBytes[stored.Bytes];
    const auto other = std::find_if(same.begin(), same.end(), [row](qsizetype r) { return r != row; });
    if (other == same.end()) continue;
    TRowStorage& note = notes[static_cast<std::size_t>(row)];
    if (!note.Note.isEmpty()) note.Note += QLatin1Char('\n');
    note.Note += QStringLiteral("Stored as %1, as \"%2\" is: the two become one category")
                     .arg(storedText(stored, aPage), EscapeControlCharacters(aOld[*other]));
    if (aNew[*other] != aNew[row]) note.AsTyped = false;
  }
  return notes;
}

QString AlteredSaveQuestion(const QStringList& aNew, const std::vector<TRowStorage>& aRows) {
  QStringList lines;
  int altered = 0;
  for (std::size_t row = 0; row < aRows.size(); ++row) {
    if (aRows[row].AsTyped) continue;
    if (++altered <= kListedRows)
      lines << QStringLiteral("%1 \u2014 %2").arg(quoted(aNew[static_cast<qsizetype>(row)]),
                                                 aRows[row].Note);
  }
  if (altered > kListedRows) lines << QStringLiteral("and %1 more").arg(altered - kListedRows);
  return QStringLiteral("%1 will not be stored as typed:\n\n%2\n\nSave anyway?")
      .arg(altered == 1 ? QStringLiteral("One new category")
                        : QStringLiteral("%1 new categories").arg(altered),
           lines.join(QLatin1Char('\n')));
}
