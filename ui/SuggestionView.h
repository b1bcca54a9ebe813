// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QListView>
#include <vector>

#include "SuggestionModel.h"

class QLineEdit;

/// Replaces the whole text of aEditor with aText, as one step of the
/// editor's own undo.
void PutIntoEditor(QLineEdit* aEditor, const QString& aText);

/// The suggestions for the row being edited, as a short list that never
/// takes the keyboard from the editor: a click on one chooses it, as
/// Ctrl+1, Ctrl+2 and Ctrl+3 do.
class TSuggestionView final : public QListView {
  Q_OBJECT

 public:
  explicit TSuggestionView(QWidget* aParent);

  void SetSuggestions(std::vector<TShownSuggestion> aSuggestions);
  const std::vector<TShownSuggestion>& Suggestions() const { return mModel->Suggestions(); }
  /// The height that shows aRows rows whole.
  int HeightFor(int aRows) const;

 signals:
  /// A suggestion was clicked; aNewText is its new text.
  void chosen(const QString& aNewText);

 private:
  TSuggestionModel* mModel;
};
