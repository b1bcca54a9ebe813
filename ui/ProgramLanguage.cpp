// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

// The locale messages are shown in, as the C library picks it: LC_ALL, then
// LC_MESSAGES, then LANG; none of them set is the C locale.
QByteArray messagesLocale() {
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const QByteArray value = qgetenv(name);
    if (!value.isEmpty()) return value;
  }
  return QByteArrayLiteral("C");
}

// As gettext does, LANGUAGE is ignored under the C locale: a script that sets
// LC_ALL=C gets the source texts whatever the desktop's list says.
bool isCLocale(const QByteArray& aLocale) {
  return aLocale == "C" || aLocale == "POSIX" || aLocale.startsWith("C.") ||
         aLocale.startsWith("C@");
}

QTranslator* install(QCoreApplication& aApplication, const QLocale& aLocale, const QString& aName,
                     const QString& aDirectory) {
  auto* translator = new QTranslator(&aApplication);
  if (translator->load(aLocale, aName, QStringLiteral("_"), aDirectory) &&
      QCoreApplication::installTranslator(translator))
    return translator;
  delete translator;
  return nullptr;
}

}  // namespace

void InstallProgramLanguage(QCoreApplication& aApplication) {
  if (isCLocale(messagesLocale())) return;
  // QLocale::system()'s uiLanguages() are LANGUAGE's list, then the messages
  // locale; the first one with a translation wins.
  const QTranslator* own = install(aApplication, QLocale::system(),
                                   QStringLiteral("zbl-translator"), QStringLiteral(":/i18n"));
  // Qt's dialogs follow in the same language, and only when the program
  // itself is translated, so that a window never mixes two languages.
  if (own == nullptr) return;
  install(aApplication, QLocale(own->language()), QStringLiteral("qtbase"),
          QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}
