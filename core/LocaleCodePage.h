// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "CodePage.h"

/// The ANSI code page Windows gives the locale named by the first non-empty
/// of LC_ALL, LC_CTYPE and LANG (as "pl_PL.UTF-8" or "sr_RS@latin"): the
/// language decides, and the script where a language is written in two.
/// Windows-1252 for C, POSIX, nothing set, and every language without a
/// code page of its own.
TCodePage codePageOfLocale(std::string_view aLcAll, std::string_view aLcCtype,
                           std::string_view aLang);

/// The code page of this process's environment, by codePageOfLocale.
TCodePage codePageOfEnvironment();
