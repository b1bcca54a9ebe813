// SPDX-License-Identifier: GPL-3.0-or-later
#include "CategoryEditor.h"

#include <QAbstractItemView>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QListView>
#include <QMouseEvent>

#include "CategoryModel.h"
#include "SpellingLineEdit.h"
#include "StorageGauge.h"
#include "WindowPressWatch.h"

namespace {

constexpr int kEditorPointSize = 10;
// A single-line edit is as tall as its font's text plus its border.
constexpr int kEditorBorderHeight = 8;

/// Where the editor of a row at aRowRect of aView stands in aParent: over
/// the row, as wide as a list's rows show or as a table's cell, and never
/// outside the rows shown, so that a list scrolled sideways or a row at the
/// edge keeps it in the view.
QRect editorPlace(const QAbstractItemView& aView, const QWidget& aParent, const QRect& aRowRect,
                  int aHeight) {
  const QRect shown = aView.viewport()->rect();
  const bool list = qobject_cast<const QListView*>(&aView) != nullptr;
  QRect place(list ? shown.left() : aRowRect.left(), aRowRect.top() - 2,
              list ? shown.width() : aRowRect.width(), aHeight);
  if (place.bottom() > shown.bottom()) place.moveBottom(shown.bottom());
  if (place.top() < shown.top()) place.moveTop(shown.top());
  return place.translated(aView.viewport()->mapTo(&aParent, QPoint(0, 0)));
}

}  // namespace

TCategoryEditorDelegate::TCategoryEditorDelegate(int aRowHeight, THooks aHooks, QObject* aParent)
    : TFixedRowDelegate(aRowHeight, aParent), mHooks(std::move(aHooks)) {}

QWidget* TCategoryEditorDelegate::createEditor(QWidget*, const QStyleOptionViewItem& aOption,
                                               const QModelIndex& aIndex) const {
  const auto* view = qobject_cast<const QAbstractItemView*>(aOption.widget);
  if (view == nullptr) return nullptr;
  // The window holds the editor, so that it floats over the list rather
  // than being cut to its row.
  auto* editor = new TSpellingLineEdit(view->window());
  editor->SetSpeller(mHooks.Speller ? mHooks.Speller() : nullptr);
  editor->setObjectName(QStringLiteral("CategoryEditor"));
  editor->setAccessibleName(tr("New category"));
  QFont editorFont = view->window()->font();
  editorFont.setPointSize(kEditorPointSize);
  editor->setFont(editorFont);
  // Like a platform edit, the box takes the height its font needs, not the
  // row's, so it covers part of the next row.
  editor->setGeometry(editorPlace(*view, *editor->parentWidget(), aOption.rect,
                                  QFontMetrics(editorFont).height() + kEditorBorderHeight));
  AttachStorageGauge(editor, mHooks.CodePage());
  editor->raise();
  // Every view of the editor keeps its text at a press elsewhere in the
  // window; the watch goes with the editor.
  auto* self = const_cast<TCategoryEditorDelegate*>(this);
  new TWindowPressWatch(
      editor, [self, editor](const QMouseEvent& aPress) { self->EditMouseDown(editor, aPress); });
  mOpen = editor;
  mCompanion = mHooks.Companion ? mHooks.Companion(editor, aIndex.row()) : nullptr;
  if (mCompanion) connect(editor, &QObject::destroyed, mCompanion, &QObject::deleteLater);
  return editor;
}

void TCategoryEditorDelegate::setEditorData(QWidget* aEditor, const QModelIndex& aIndex) const {
  // The words of the category translated are never misspelled.
  if (auto* spelling = qobject_cast<TSpellingLineEdit*>(aEditor))
    spelling->SetOldText(aIndex.siblingAtColumn(TCategoryModel::OldColumn).data(Qt::EditRole).toString());
  if (auto* editor = qobject_cast<QLineEdit*>(aEditor))
    editor->setText(aIndex.data(Qt::EditRole).toString());
}

void TCategoryEditorDelegate::setModelData(QWidget* aEditor, QAbstractItemModel*,
                                           const QModelIndex& aIndex) const {
  auto* editor = qobject_cast<QLineEdit*>(aEditor);
  if (editor == nullptr || editor != mOpen) return;
  mOpen = nullptr;
  if (editor->text() != aIndex.data(Qt::EditRole).toString())
    mHooks.Keep(aIndex.row(), editor->text());
}

void TCategoryEditorDelegate::updateEditorGeometry(QWidget* aEditor,
                                                   const QStyleOptionViewItem& aOption,
                                                   const QModelIndex&) const {
  const auto* view = qobject_cast<const QAbstractItemView*>(aOption.widget);
  if (view == nullptr || aEditor->parentWidget() == nullptr) return;
  aEditor->setGeometry(
      editorPlace(*view, *aEditor->parentWidget(), aOption.rect, aEditor->height()));
}

void TCategoryEditorDelegate::Keep(QLineEdit* aEditor) {
  if (aEditor == nullptr || aEditor != mOpen) return;
  if (mCompanion) mCompanion->deleteLater();
  // The view asks setModelData, which keeps the text once.
  emit commitData(aEditor);
  emit closeEditor(aEditor, QAbstractItemDelegate::NoHint);
}

void TCategoryEditorDelegate::EditMouseDown(QLineEdit* aEditor, const QMouseEvent& aPress) {
  // The press that ends the edit also does what it pressed: selects the row,
  // presses the button, opens the menu.
  const auto inside = [&aPress](const QWidget* aWidget) {
    return aWidget != nullptr && aWidget->isVisible() &&
           aWidget->rect().contains(aWidget->mapFromGlobal(aPress.globalPosition()).toPoint());
  };
  if (!inside(aEditor) && !inside(mCompanion)) Keep(aEditor);
}

void TCategoryEditorDelegate::Abandon(QLineEdit* aEditor) {
  if (aEditor == nullptr || aEditor != mOpen) return;
  mOpen = nullptr;
  if (mCompanion) mCompanion->deleteLater();
  emit closeEditor(aEditor, QAbstractItemDelegate::NoHint);
}

bool TCategoryEditorDelegate::eventFilter(QObject* aWatched, QEvent* aEvent) {
  auto* editor = qobject_cast<QLineEdit*>(aWatched);
  if (editor == nullptr) return TFixedRowDelegate::eventFilter(aWatched, aEvent);
  switch (aEvent->type()) {
    case QEvent::FocusOut: {
      // Only a move to another control keeps the text; a menu or another
      // window taking the keyboard for a while does not.
      const Qt::FocusReason reason = static_cast<QFocusEvent*>(aEvent)->reason();
      if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) Keep(editor);
      return false;
    }
    case QEvent::ShortcutOverride: {
      const QKeySequence pressed(static_cast<QKeyEvent*>(aEvent)->keyCombination());
      return mHooks.WindowKey && mHooks.WindowKey(pressed);
    }
    case QEvent::KeyPress: {
      const auto* press = static_cast<QKeyEvent*>(aEvent);
      const int key = press->key();
      if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        Keep(editor);
        // Ctrl+Enter goes on to the next row, as translation editors do.
        if (press->modifiers().testFlag(Qt::ControlModifier) && mHooks.EditNext) mHooks.EditNext();
        return true;
      }
      if (key == Qt::Key_Escape) {
        Abandon(editor);
        return true;
      }
      return false;
    }
    default:
      // Tab moves the focus on, as from any other control; the view's own
      // handling would open the next row.
      return false;
  }
}
