// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <utility>
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

/// The note of a row whose new text is stored as aStored, the bytes row
/// aOtherRow (from 0), showing aOtherText, is stored as too: the two become
/// one category.
QString MergeNote(const TAnsiText& aStored, int aOtherRow, const QString& aOtherText,
                  TCodePage aPage);

/// The question asked before a save that stores new categories other than
/// as typed; aAltered holds each such row and its storage, in row order, and
/// aNew every row's new text.
QString AlteredSaveQuestion(const QStringList& aNew,
                            const std::vector<std::pair<int, TRowStorage>>& aAltered);
