// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>
#include <QString>
#include <QTextLayout>
#include <vector>

#include "TextChecks.h"

class QMenu;
class TSpeller;

/// A line edit that marks the words its speller does not know with a red
/// wavy line under them as the user types, and offers the speller's
/// suggestions for such a word first in its context menu. Words of the old
/// text, the category the text translates, are never marked.
class TSpellingLineEdit : public QLineEdit {
  Q_OBJECT

 public:
  explicit TSpellingLineEdit(QWidget* aParent = nullptr);

  /// Spells with aSpeller from now on; nullptr spells nothing. The speller
  /// outlives the edit or is replaced before it goes.
  void SetSpeller(const TSpeller* aSpeller);
  /// The category the text translates, whose words are never marked.
  void SetOldText(const QString& aOld);

  /// The context menu for the pointer at aPos of the edit: the standard
  /// entries, after the suggestions for the word there when it is marked.
  /// The caller owns the menu.
  QMenu* CreateSpellingMenu(QPoint aPos);

 protected:
  void paintEvent(QPaintEvent* aEvent) override;
  void contextMenuEvent(QContextMenuEvent* aEvent) override;
  void changeEvent(QEvent* aEvent) override;
  void inputMethodEvent(QInputMethodEvent* aEvent) override;

 private:
  /// Looks the words up again and lays the text out as the edit does.
  void respell();
  /// Lays the text out as the edit does.
  void relayout();
  /// The context menu for the text position aPos.
  QMenu* menuAt(int aPos);
  /// Puts aWord in place of the marked word aSpan, if the text still holds
  /// aSpan's word; the edit's undo takes it back.
  void replaceWord(TWordSpan aSpan, const QString& aWord, const QString& aReplacement);

  const TSpeller* mSpeller = nullptr;
  QString mOld;
  std::vector<TWordSpan> mSpans;
  /// The text as the edit lays it out, for where each character stands.
  QTextLayout mLayout;
  /// The paragraph direction the edit lays the text out in; it follows the
  /// widget's once that changes.
  Qt::LayoutDirection mDirection = Qt::LayoutDirectionAuto;
  /// Whether an input method is composing text that the layout lacks.
  bool mComposing = false;
};
