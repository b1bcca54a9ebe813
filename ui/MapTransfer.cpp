// SPDX-License-Identifier: GPL-3.0-or-later
#include "MapTransfer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "LoadMessages.h"
#include "MapFile.h"
#include "MapIo.h"

namespace {

struct MapTransfer {
  Q_DECLARE_TR_FUNCTIONS(MapTransfer)
};

QString nameInMessage(const QString& aFile) {
  return EscapeControlCharacters(QFileInfo(aFile).fileName());
}

QString pageTitle(TCodePage aPage) { return QString::fromStdString(codePageTitle(aPage)); }

/// Why an entry was passed over: "line %1, the entry %2 (why)".
QString skipText(TMapSkip::TReason aReason) {
  switch (aReason) {
    case TMapSkip::TReason::Plural:
      return MapTransfer::tr("line %1, the plural entry %2 (a category has no plural forms)");
    case TMapSkip::TReason::NulEscape:
      return MapTransfer::tr(
          "line %1, the entry %2 (it holds a NUL escape, which ends a text in a catalogue)");
    case TMapSkip::TReason::MissingTarget:
      return MapTransfer::tr("line %1, the unit %2 (it has no target text)");
    case TMapSkip::TReason::InlineCode:
      return MapTransfer::tr("line %1, the unit %2 (it holds inline codes, formatting of another "
                             "kind of document, which a category cannot carry)");
  }
  return {};
}

// An import names this many of the entries that are no category.
constexpr qsizetype kNamedEntries = 10;

}  // namespace

QString CategoryMapFilter() {
  return MapTransfer::tr("Category map (*.po *.tsv *.txt *.xlf *.xliff *.tmx)");
}

QString WithRefusal(const QString& aText, const TMapRefusal& aRefusal) {
  const QString where =
      QDir::toNativeSeparators(QFile::decodeName(QByteArray::fromStdString(aRefusal.Where)));
  return aText.arg(EscapeControlCharacters(where),
                   EscapeControlCharacters(QString::fromStdString(aRefusal.Reason)));
}

QString MapRefusedText(const TMapRefusal& aRefusal) {
  return WithRefusal(
      MapTransfer::tr("The map was not imported, and no category was changed.\n\n%1: %2"),
      aRefusal);
}

QString ForeignMapText(const QString& aFile, std::size_t aEntries, const QString& aLibrary,
                       std::optional<TCodePage> aPage) {
  const QString name = nameInMessage(aFile);
  const QString which = aEntries == 1 ? MapTransfer::tr("The one entry of \"%1\" is not").arg(name)
                                      : MapTransfer::tr("None of the %1 entries of \"%2\" is")
                                            .arg(QString::number(aEntries), name);
  if (aPage)
    return which + MapTransfer::tr(
                       " a category of \"%1\", but most of them are when read as %2: choose it "
                       "under Text encoding. No category was changed.")
                       .arg(aLibrary, pageTitle(*aPage));
  return which + MapTransfer::tr(
                     " a category of \"%1\". Is it the map of another library? No category was "
                     "changed.")
                     .arg(aLibrary);
}

QString MapImportedText(const QString& aFile, int aChanged, const QStringList& aNotCategories,
                        std::optional<TCodePage> aPage, std::size_t aFuzzy,
                        const std::vector<TMapSkip>& aSkipped) {
  QString text =
      aChanged == 0
          ? MapTransfer::tr("The map \"%1\" changed no category.").arg(nameInMessage(aFile))
      : aChanged == 1
          ? MapTransfer::tr("The map \"%1\" changed 1 category.").arg(nameInMessage(aFile))
          : MapTransfer::tr("The map \"%1\" changed %2 categories.")
                .arg(nameInMessage(aFile), QString::number(aChanged));
  if (const auto count = static_cast<std::size_t>(aNotCategories.size()); count > 0) {
    // Named, so that a header row or a text read in the wrong code page
    // shows at once.
    QStringList named;
    for (qsizetype i = 0; i < aNotCategories.size() && i < kNamedEntries; ++i)
      named << QLatin1Char('"') + EscapeControlCharacters(aNotCategories[i]) + QLatin1Char('"');
    if (aNotCategories.size() > kNamedEntries)
      named << MapTransfer::tr("and %1 more").arg(aNotCategories.size() - kNamedEntries);
    text += MapTransfer::tr(" %1 of this library: %2.")
                .arg(count == 1 ? MapTransfer::tr("1 of its entries is not a category")
                                : MapTransfer::tr("%1 of its entries are not categories")
                                      .arg(QString::number(count)),
                     named.join(QStringLiteral(", ")));
    if (aPage)
      text += MapTransfer::tr(
                  " Most of them are categories read as %1: choose it under Text "
                  "encoding.")
                  .arg(pageTitle(*aPage));
  }
  if (aFuzzy > 0)
    text += aFuzzy == 1 ? MapTransfer::tr(" 1 entry marked fuzzy was not applied.")
                        : MapTransfer::tr(" %1 entries marked fuzzy were not applied.")
                              .arg(QString::number(aFuzzy));
  if (!aSkipped.empty()) {
    QStringList named;
    for (const TMapSkip& skip : aSkipped) {
      const QString entry = QLatin1Char('"') +
                            EscapeControlCharacters(QString::fromStdU16String(skip.Old)) +
                            QLatin1Char('"');
      named << skipText(skip.Reason).arg(QString::number(skip.Line), entry);
    }
    text += MapTransfer::tr(" Not applied: %1.").arg(named.join(QStringLiteral("; ")));
  }
  return text;
}
