// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeySequence>
#include <QLineEdit>
#include <QPointer>
#include <functional>

#include "CategoryListDelegate.h"
#include "CodePage.h"

/// The rows of the new-category list and their in-place editor: a line edit
/// with a gauge of the bytes its text leaves free, laid over its row in the
/// window (covering a little of the rows around it, as a line edit of its
/// font is taller than a row) and released after the current event.
///
/// Enter keeps the text, Escape abandons it, Ctrl+Enter keeps it and asks
/// for the next row; a move of the focus to another control of the window
/// keeps it, a menu or another window taking the keyboard for a while does
/// not. Each editor is kept or abandoned exactly once.
class QMouseEvent;
class TSpeller;

class TCategoryEditorDelegate final : public TFixedRowDelegate {
  Q_OBJECT

 public:
  struct THooks {
    /// The code page the text will be stored in.
    std::function<TCodePage()> CodePage;
    /// Gives row aRow the text kept, when it differs from the row's.
    std::function<void(int aRow, const QString& aText)> Keep;
    /// Called after Ctrl+Enter has kept the text.
    std::function<void()> EditNext;
    /// The speller the editor marks misspelled words with; nullptr for none.
    std::function<const TSpeller*()> Speller;
    /// Keys of the window that work in the editor too.
    std::function<bool(const QKeySequence& aKey)> WindowKey;
    /// A widget shown with the editor of row aRow for as long as it is
    /// open, or nullptr; a press in it does not end the edit.
    std::function<QWidget*(QLineEdit* aEditor, int aRow)> Companion;
  };

  TCategoryEditorDelegate(int aRowHeight, THooks aHooks, QObject* aParent);

  QWidget* createEditor(QWidget* aParent, const QStyleOptionViewItem& aOption,
                        const QModelIndex& aIndex) const override;
  void setEditorData(QWidget* aEditor, const QModelIndex& aIndex) const override;
  void setModelData(QWidget* aEditor, QAbstractItemModel* aModel,
                    const QModelIndex& aIndex) const override;
  void updateEditorGeometry(QWidget* aEditor, const QStyleOptionViewItem& aOption,
                            const QModelIndex& aIndex) const override;

  /// The editor that is open and neither kept nor abandoned yet, if any.
  QLineEdit* OpenEditor() const { return mOpen.data(); }
  /// Keeps aEditor's text and closes it; nothing when it is not the open one.
  void Keep(QLineEdit* aEditor);
  /// Closes aEditor without keeping its text.
  void Abandon(QLineEdit* aEditor);
  /// Hears every mouse press in the editor's window while it is open; a
  /// press outside the editor keeps its text and goes on to what it pressed.
  void EditMouseDown(QLineEdit* aEditor, const QMouseEvent& aPress);

 protected:
  bool eventFilter(QObject* aWatched, QEvent* aEvent) override;

 private:
  THooks mHooks;
  mutable QPointer<QLineEdit> mOpen;
  mutable QPointer<QWidget> mCompanion;
};
