// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

#include "LoaderSaver.h"

/// The warning a load deserves, in plain words naming aFile; nothing when
/// every declared item was read.
std::optional<QString> LoadWarningText(const TLoadResult& aResult, const QString& aFile);
