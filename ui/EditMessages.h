// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

#include "LoaderSaver.h"

/// The question asked before a save of the library aLoaded describes would
/// lose part of it: the items a damaged read left out, the bytes after the
/// last item, or both in one question. Nothing when the save keeps it all.
std::optional<QString> LossySaveQuestion(const TLoadResult& aLoaded);

/// The question asked before unsaved edits would be lost to aWhat ("closing",
/// "loading ...").
QString UnsavedEditsQuestion(int aChangedRows, const QString& aWhat);

/// The one-line status under the Save button: the file, its items and
/// categories, how many rows have a new text, and the code page.
QString LibraryStatusText(const QString& aFileName, const TLoadResult& aLoaded, int aCategories,
                          int aChangedRows, TCodePage aPage);
