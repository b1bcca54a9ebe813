// SPDX-License-Identifier: GPL-3.0-or-later
#include "CategoryTooltip.h"

#include <QCoreApplication>
#include <QStringList>

#include "LoadMessages.h"
#include "LoaderSaver.h"

namespace {

struct CategoryTooltips {
  Q_DECLARE_TR_FUNCTIONS(CategoryTooltips)
};

const QChar kEllipsis(0x2026);

/// aText escaped and, beyond aLength characters, cut with an ellipsis; a
/// character outside the BMP is never split.
QString shortened(const QString& aText, int aLength) {
  QString text = EscapeControlCharacters(aText);
  if (text.size() <= aLength) return text;
  qsizetype cut = aLength;
  if (text.at(cut - 1).isHighSurrogate()) --cut;
  return text.left(cut) + kEllipsis;
}

}  // namespace

QString CategoryTooltip(const QString& aText, const TVectorEngine& aEngine, int aCat) {
  const QString text =
      aText.isEmpty() ? CategoryTooltips::tr("(no text)") : shortened(aText, kTooltipTextLength);
  if (aCat < 0 || aCat >= aEngine.GetLibraryIndexCount()) return text;
  const int count = aEngine.GetLibraryIndexItemCount(aCat);
  QStringList names;
  for (int id = 1; id <= count && id <= kTooltipNames; ++id)
    names << shortened(QString::fromStdU16String(aEngine.GetLibraryItemByID(aCat, id)),
                       kTooltipNameLength);
  if (count > kTooltipNames) names << kEllipsis;
  const QString items =
      count == 1 ? CategoryTooltips::tr("1 item") : CategoryTooltips::tr("%1 items").arg(count);
  return text + u'\n' + items + QStringLiteral(": ") + names.join(QStringLiteral(", "));
}

QString TooltipMarkup(const QString& aText) {
  // Not Qt's pre-wrap: a tooltip would then break a line after a '?'.
  return QStringLiteral("<p style='white-space:pre'>%1</p>")
      .arg(aText.toHtmlEscaped().replace(u'\n', QStringLiteral("<br/>")));
}
