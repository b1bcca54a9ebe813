// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstddef>

struct TMapRefusal;

/// The file dialogs' filter for category maps.
QString CategoryMapFilter();

/// The message for a map that was refused, with where and why in zbl's words.
QString MapRefusedText(const TMapRefusal& aRefusal);

/// The message for a map aFile none of whose aEntries entries names a
/// category of the library aLibrary.
QString ForeignMapText(const QString& aFile, std::size_t aEntries, const QString& aLibrary);

/// What an import of aFile did: the categories it changed, its entries that
/// are no category of the library, and the fuzzy ones it left out.
QString MapImportedText(const QString& aFile, int aChanged, std::size_t aNotCategories,
                        std::size_t aFuzzy);
