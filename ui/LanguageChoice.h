// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "Dialogs.h"
#include "MapLanguages.h"

class QWidget;

/// The languages to read the map aFile in: for a translation memory that
/// holds more than one pair, the pair the user chooses through aDialogs
/// (nothing when cancelled); otherwise none, the file's own.
std::optional<TMapLanguages> LanguagesToRead(TDialogs& aDialogs, QWidget* aParent,
                                             const QString& aTitle, const QString& aFile);

/// The languages an export in aFormat ("TMX", "XLIFF") names, asked through
/// aDialogs with aDefault chosen at first; nothing when cancelled.
std::optional<TLanguagePair> LanguagesToWrite(TDialogs& aDialogs, QWidget* aParent,
                                              const QString& aTitle, const QString& aFormat,
                                              const TLanguagePair& aDefault);

/// English and the language of the user's locale (none in the C locale).
TLanguagePair DefaultLanguages();
