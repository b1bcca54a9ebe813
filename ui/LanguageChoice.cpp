// SPDX-License-Identifier: GPL-3.0-or-later
#include "LanguageChoice.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <algorithm>
#include <string>
#include <vector>

#include "LoadMessages.h"
#include "MapIo.h"
#include "TmxFile.h"

namespace {

struct LanguageChoice {
  Q_DECLARE_TR_FUNCTIONS(LanguageChoice)
};

QString tag(const std::string& aTag) { return QString::fromStdString(aTag); }

}  // namespace

std::optional<TMapLanguages> LanguagesToRead(TDialogs& aDialogs, QWidget* aParent,
                                             const QString& aTitle, const QString& aFile) {
  const std::string name = QFile::encodeName(aFile).toStdString();
  if (mapFormatOf(name) != TMapFormat::Tmx) return TMapLanguages{};
  QFile file(aFile);
  // A file that cannot be read, or holds fewer than two languages, is
  // refused by the reader, in its words.
  if (!file.open(QIODevice::ReadOnly)) return TMapLanguages{};
  const QByteArray bytes = file.readAll();
  const TLanguageOffer offer = tmxLanguages(std::string_view(bytes.constData(), bytes.size()));
  if (offer.Error || offer.Languages.size() < 2) return TMapLanguages{};
  std::optional<std::string> source;
  if (!offer.HeaderSource.empty() && offer.HeaderSource != "*all*")
    source = matchLanguage(offer.HeaderSource, offer.Languages);
  if (source && offer.Languages.size() == 2) return TMapLanguages{};
  const std::string from = source.value_or(offer.Languages.front());
  const auto to = std::find_if(offer.Languages.begin(), offer.Languages.end(),
                               [&](const std::string& aTag) { return !sameLanguage(aTag, from); });
  QStringList offered;
  for (const std::string& language : offer.Languages) offered << tag(language);
  const std::optional<TLanguagePair> chosen = aDialogs.Languages(
      aParent, aTitle,
      LanguageChoice::tr("\"%1\" holds texts in %2 languages. Which language are the old "
                         "categories in, and which language are their new texts in?")
          .arg(EscapeControlCharacters(QFileInfo(aFile).fileName()))
          .arg(offer.Languages.size()),
      offered, {tag(from), tag(*to)}, false);
  if (!chosen) return std::nullopt;
  return TMapLanguages{chosen->Source.toStdString(), chosen->Target.toStdString()};
}

std::optional<TLanguagePair> LanguagesToWrite(TDialogs& aDialogs, QWidget* aParent,
                                              const QString& aTitle, const QString& aFormat,
                                              const TLanguagePair& aDefault) {
  // The languages translators of the suite work in most, and the locale's.
  QStringList offered{"en", "de", "fr", "pl", "ru", "el", "cs", "es", "it", "nl", "pt", "uk"};
  for (const QString& chosen : {aDefault.Target, aDefault.Source})
    if (!chosen.isEmpty() && !offered.contains(chosen)) offered.prepend(chosen);
  return aDialogs.Languages(
      aParent, aTitle,
      LanguageChoice::tr("The %1 file names the languages of its texts. Which language are the "
                         "old categories in, and which language are their new texts in?")
          .arg(aFormat),
      offered, aDefault, true);
}

TLanguagePair DefaultLanguages() {
  const QLocale locale;
  const QString own = locale.language() == QLocale::C ? QString() : locale.bcp47Name();
  return {QStringLiteral("en"), own == QStringLiteral("en") ? QString() : own};
}
