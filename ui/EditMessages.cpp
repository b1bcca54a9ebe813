// SPDX-License-Identifier: GPL-3.0-or-later
#include "EditMessages.h"

#include <QCoreApplication>

#include "LoadMessages.h"
#include "SaveMessages.h"

namespace {

struct EditMessages {
  Q_DECLARE_TR_FUNCTIONS(EditMessages)
};

}  // namespace

std::optional<QString> LossySaveQuestion(const TLoadResult& aLoaded) {
  if (aLoaded.Kind != TLoadResult::TKind::Damaged) {
    if (aLoaded.TrailingBytes == 0) return std::nullopt;
    return DroppedBytesQuestion(aLoaded.TrailingBytes);
  }
  const std::int64_t missing = aLoaded.ItemsDeclared - aLoaded.ItemsRead;
  QString text =
      EditMessages::tr(
          "The library is damaged: only %1 of %2 items could be read. The save will write "
          "these %1 items; the other %3 will be missing from the file it writes.")
          .arg(aLoaded.ItemsRead)
          .arg(aLoaded.ItemsDeclared)
          .arg(missing);
  if (aLoaded.TrailingBytes > 0)
    text += EditMessages::tr(" The %1 after the last item will not be written either.")
                .arg(BytesText(aLoaded.TrailingBytes));
  return text + EditMessages::tr("\n\nSave anyway?");
}

QString UnsavedEditsQuestion(int aChangedRows, const QString& aWhat) {
  if (aChangedRows == 1)
    return EditMessages::tr("One of the new categories has not been saved. Save it before %1?")
        .arg(aWhat);
  return EditMessages::tr("%1 of the new categories have not been saved. Save them before %2?")
      .arg(aChangedRows)
      .arg(aWhat);
}

QString LibraryStatusText(const QString& aFileName, const TLoadResult& aLoaded, int aCategories,
                          int aChangedRows, TCodePage aPage) {
  const QString items =
      aLoaded.Kind == TLoadResult::TKind::Damaged
          ? EditMessages::tr("%1 of %2 items").arg(aLoaded.ItemsRead).arg(aLoaded.ItemsDeclared)
          : EditMessages::tr("%1 items").arg(aLoaded.ItemsRead);
  return EditMessages::tr("%1 \u00b7 %2 \u00b7 %3 categories \u00b7 %4 changed \u00b7 Windows-%5")
      .arg(aFileName, items)
      .arg(aCategories)
      .arg(aChangedRows)
      .arg(static_cast<int>(aPage));
}
