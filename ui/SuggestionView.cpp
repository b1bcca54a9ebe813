// SPDX-License-Identifier: GPL-3.0-or-later
#include "SuggestionView.h"

#include <QLineEdit>

void PutIntoEditor(QLineEdit* aEditor, const QString& aText) {
  aEditor->selectAll();
  aEditor->insert(aText);
}

TSuggestionView::TSuggestionView(QWidget* aParent)
    : QListView(aParent), mModel(new TSuggestionModel(this)) {
  setObjectName(QStringLiteral("Suggestions"));
  setAccessibleName(tr("Suggestions from the translation memory"));
  setModel(mModel);
  // The editor keeps the keyboard; a click chooses without taking it.
  setFocusPolicy(Qt::NoFocus);
  setSelectionMode(QAbstractItemView::NoSelection);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setTextElideMode(Qt::ElideMiddle);
  setUniformItemSizes(true);
  // Drawn as a tooltip is, so that it stands apart from the rows it covers.
  QPalette colours = palette();
  colours.setColor(QPalette::Base, colours.color(QPalette::ToolTipBase));
  colours.setColor(QPalette::Text, colours.color(QPalette::ToolTipText));
  setPalette(colours);
  connect(this, &QAbstractItemView::clicked, this, [this](const QModelIndex& aIndex) {
    emit chosen(aIndex.data(TSuggestionModel::NewTextRole).toString());
  });
}

void TSuggestionView::SetSuggestions(std::vector<TShownSuggestion> aSuggestions) {
  mModel->SetSuggestions(std::move(aSuggestions));
}

int TSuggestionView::HeightFor(int aRows) const {
  const int row = sizeHintForRow(0) > 0 ? sizeHintForRow(0) : fontMetrics().height() + 2;
  return aRows * row + 2 * frameWidth();
}
