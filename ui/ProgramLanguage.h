// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QCoreApplication;

/// Installs on aApplication the translations of the program's windows and of
/// Qt's own dialogs and buttons for the language the desktop asks for: the
/// first of LANGUAGE's list that has a translation, else the language of
/// LC_ALL, LC_MESSAGES or LANG (the first one set). A messages locale of C or
/// POSIX, or a language without a translation, keeps the English source texts.
void InstallProgramLanguage(QCoreApplication& aApplication);
