// SPDX-License-Identifier: GPL-3.0-or-later
#include "MapTransfer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "LoadMessages.h"
#include "MapIo.h"

namespace {

struct MapTransfer {
  Q_DECLARE_TR_FUNCTIONS(MapTransfer)
};

QString nameInMessage(const QString& aFile) {
  return EscapeControlCharacters(QFileInfo(aFile).fileName());
}

QString counted(std::size_t aCount, const QString& aOne, const QString& aMany) {
  return QStringLiteral("%1 %2").arg(aCount).arg(aCount == 1 ? aOne : aMany);
}

}  // namespace

QString CategoryMapFilter() { return MapTransfer::tr("Category map (*.po *.tsv *.txt)"); }

QString MapRefusedText(const TMapRefusal& aRefusal) {
  const QString where =
      QDir::toNativeSeparators(QFile::decodeName(QByteArray::fromStdString(aRefusal.Where)));
  return MapTransfer::tr("The map was not imported, and no category was changed.\n\n%1: %2")
      .arg(EscapeControlCharacters(where),
           EscapeControlCharacters(QString::fromStdString(aRefusal.Reason)));
}

QString ForeignMapText(const QString& aFile, std::size_t aEntries, const QString& aLibrary) {
  const QString name = nameInMessage(aFile);
  const QString which = aEntries == 1 ? MapTransfer::tr("The one entry of \"%1\" is not").arg(name)
                                      : MapTransfer::tr("None of the %1 entries of \"%2\" is")
                                            .arg(QString::number(aEntries), name);
  return which + MapTransfer::tr(
                     " a category of \"%1\". Is it the map of another library? No category was "
                     "changed.")
                     .arg(aLibrary);
}

QString MapImportedText(const QString& aFile, int aChanged, std::size_t aNotCategories,
                        std::size_t aFuzzy) {
  QString text =
      aChanged == 0
          ? MapTransfer::tr("The map \"%1\" changed no category.").arg(nameInMessage(aFile))
          : MapTransfer::tr("The map \"%1\" changed %2.")
                .arg(nameInMessage(aFile),
                     counted(static_cast<std::size_t>(aChanged), MapTransfer::tr("category"),
                             MapTransfer::tr("categories")));
  if (aNotCategories > 0)
    text += MapTransfer::tr(" %1 of this library.")
                .arg(aNotCategories == 1 ? MapTransfer::tr("1 of its entries is not a category")
                                         : MapTransfer::tr("%1 of its entries are not categories")
                                               .arg(QString::number(aNotCategories)));
  if (aFuzzy > 0)
    text += MapTransfer::tr(" %1 marked fuzzy %2 not applied.")
                .arg(counted(aFuzzy, MapTransfer::tr("entry"), MapTransfer::tr("entries")),
                     aFuzzy == 1 ? MapTransfer::tr("was") : MapTransfer::tr("were"));
  return text;
}
