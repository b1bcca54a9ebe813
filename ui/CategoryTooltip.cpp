// SPDX-License-Identifier: GPL-3.0-or-later
#include "CategoryTooltip.h"

#include <QCoreApplication>
#include <QHelpEvent>
#include <QListWidget>
#include <QStringList>
#include <QTextDocument>
#include <QToolTip>

#include "LoadMessages.h"
#include "LoaderSaver.h"

namespace {

// The context of this file's texts; the free function of the same name is
// called as ::CategoryTooltip inside this namespace.
struct CategoryTooltip {
  Q_DECLARE_TR_FUNCTIONS(CategoryTooltip)
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

class TTooltipFilter final : public QObject {
 public:
  TTooltipFilter(QListWidget* aOld, QListWidget* aNew,
                 std::function<const TVectorEngine*()> aEngine)
      : QObject(aOld), mOld(aOld), mNew(aNew), mEngine(std::move(aEngine)) {
    for (QListWidget* list : {aOld, aNew}) list->viewport()->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* aWatched, QEvent* aEvent) override {
    if (aEvent->type() != QEvent::ToolTip) return false;
    QListWidget* list = aWatched == mOld->viewport() ? mOld : mNew;
    const auto* help = static_cast<QHelpEvent*>(aEvent);
    const QListWidgetItem* item = list->itemAt(help->pos());
    const TVectorEngine* engine = mEngine();
    if (item == nullptr || engine == nullptr) {
      QToolTip::hideText();
      aEvent->ignore();
      return true;
    }
    // Plain text made rich, so that a category such as "<b>" shows as typed
    // and its spaces are kept.
    QString tip = ::CategoryTooltip(item->text(), *engine, list->row(item));
    // A row's own tooltip says how its text will be stored, when not as shown.
    if (!item->toolTip().isEmpty()) tip += u'\n' + item->toolTip();
    QToolTip::showText(help->globalPos(), TooltipMarkup(tip), list->viewport(),
                       list->visualItemRect(item));
    return true;
  }

 private:
  QListWidget* mOld;
  QListWidget* mNew;
  std::function<const TVectorEngine*()> mEngine;
};

}  // namespace

QString CategoryTooltip(const QString& aText, const TVectorEngine& aEngine, int aCat) {
  const QString text =
      aText.isEmpty() ? CategoryTooltip::tr("(no text)") : shortened(aText, kTooltipTextLength);
  if (aCat < 0 || aCat >= aEngine.GetLibraryIndexCount()) return text;
  const int count = aEngine.GetLibraryIndexItemCount(aCat);
  QStringList names;
  for (int id = 1; id <= count && id <= kTooltipNames; ++id)
    names << shortened(QString::fromStdU16String(aEngine.GetLibraryItemByID(aCat, id)),
                       kTooltipNameLength);
  if (count > kTooltipNames) names << kEllipsis;
  const QString items =
      count == 1 ? CategoryTooltip::tr("1 item") : CategoryTooltip::tr("%1 items").arg(count);
  return text + u'\n' + items + QStringLiteral(": ") + names.join(QStringLiteral(", "));
}

QString TooltipMarkup(const QString& aText) {
  // Not Qt's pre-wrap: a tooltip would then break a line after a '?'.
  return QStringLiteral("<p style='white-space:pre'>%1</p>")
      .arg(aText.toHtmlEscaped().replace(u'\n', QStringLiteral("<br/>")));
}

void ShowCategoryTooltips(QListWidget* aOld, QListWidget* aNew,
                          std::function<const TVectorEngine*()> aEngine) {
  new TTooltipFilter(aOld, aNew, std::move(aEngine));
}
