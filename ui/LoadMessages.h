// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <cstdint>
#include <optional>

#include "LoaderSaver.h"

/// The text with its control characters written as \t, \n, \r or \xHH, so
/// that a file name cannot break a message's lines or hide in it.
QString EscapeControlCharacters(const QString& aText);

/// "1 byte" or "N bytes".
QString BytesText(std::uint64_t aCount);

/// The warning a load deserves, in plain words naming aFile; nothing when
/// every declared item was read.
std::optional<QString> LoadWarningText(const TLoadResult& aResult, const QString& aFile);
