// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "TextChecks.h"

/// The sentences that tell a translator why a row fails its checks, one a
/// failure; aOld and aNew are every row's texts, for the rows a consistency
/// check names.
QStringList CheckSentences(const std::vector<TCheckFailure>& aFailures, const QStringList& aOld,
                           const QStringList& aNew);
