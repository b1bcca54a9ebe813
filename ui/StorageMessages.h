// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "CodePage.h"

/// Why aTyped will not be stored as typed, with what will be stored: the
/// characters aPage has no byte for, an encoding longer than the field, or
/// both. Empty when aStored (its encoding) keeps it exactly.
QString StorageNote(const QString& aTyped, const TAnsiText& aStored, TCodePage aPage);

/// What a row's new text will be stored as, where that is not simply what
/// the row shows.
struct TRowStorage {
  /// Empty for a row stored as shown and in a category of its own.
  QString Note;
  /// False when the bytes stored are not the text typed, or when they meet
  /// another row's different text in one category.
  bool AsTyped = true;
};

/// For each row: the StorageNote of an edited row, and, for rows stored as
/// the same bytes, that they become one category (as typed when their new
/// texts are the same). aStored is what the save stores for each row.
std::vector<TRowStorage> RowStorageNotes(const QStringList& aOld, const QStringList& aNew,
                                         const std::vector<TAnsiText>& aStored, TCodePage aPage);

/// The question asked before a save that stores new categories other than
/// as typed; aRows holds a RowStorageNotes entry per row.
QString AlteredSaveQuestion(const QStringList& aNew, const std::vector<TRowStorage>& aRows);
