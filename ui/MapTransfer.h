// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <cstddef>
#include <optional>
#include <vector>

#include "CodePage.h"

struct TMapRefusal;
struct TMapSkip;

/// The file dialogs' filter for category maps.
QString CategoryMapFilter();

/// aText, a message whose %1 and %2 stand for where and why a map was
/// refused, with the refusal's place and reason put in, escaped.
QString WithRefusal(const QString& aText, const TMapRefusal& aRefusal);

/// The message for a map that was refused, with where and why in zbl's words.
QString MapRefusedText(const TMapRefusal& aRefusal);

/// The message for a map aFile none of whose aEntries entries names a
/// category of the library aLibrary; aPage is a code page in which most of
/// them would, if there is one.
QString ForeignMapText(const QString& aFile, std::size_t aEntries, const QString& aLibrary,
                       std::optional<TCodePage> aPage);

/// What an import of aFile did: the categories it changed, its entries that
/// are no category of the library (aNotCategories, the first ten named), the
/// code page in which most of them would be (aPage), the fuzzy ones it
/// left out, and the plural entries and those with a NUL escape it passed
/// over, each named with its line (aSkipped).
QString MapImportedText(const QString& aFile, int aChanged, const QStringList& aNotCategories,
                        std::optional<TCodePage> aPage, std::size_t aFuzzy,
                        const std::vector<TMapSkip>& aSkipped);
