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

/// For each row, what its new text will be stored as where that is not what
/// the row shows: the StorageNote of an edited row, and, for rows stored as
/// the same bytes though their new texts differ, that they become one
/// category. Empty for a row stored as shown. aStored is what the save
/// stores for each row.
QStringList RowStorageNotes(const QStringList& aOld, const QStringList& aNew,
                            const std::vector<TAnsiText>& aStored, TCodePage aPage);

/// The question asked before a save that stores new categories other than
/// as typed; aNotes holds a RowStorageNotes entry per row.
QString AlteredSaveQuestion(const QStringList& aNew, const QStringList& aNotes);
