// SPDX-License-Identifier: GPL-3.0-or-later
#include "SpellingLineEdit.h"

#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>
#include <string_view>

#include "Speller.h"
#include "Utf16View.h"

namespace {

/// The most suggestions the context menu offers.
constexpr int kMenuSuggestions = 7;

/// aText as the line edit shows it: the control characters it draws as
/// spaces replaced alike, so that each keeps its width and its offset.
QString shownText(QString aText) {
  for (QChar& c : aText)
    if ((c.unicode() < 0x20 && c != u'\t') || c == QChar::LineSeparator ||
        c == QChar::ParagraphSeparator || c == QChar::ObjectReplacementCharacter)
      c = u' ';
  return aText;
}

/// A wave from aLeft to aRight, its crests at aTop and its troughs aStep
/// below, a crest and the next trough aStep apart.
QPainterPath wave(qreal aLeft, qreal aRight, qreal aTop, qreal aStep) {
  QPainterPath path(QPointF(aLeft, aTop + aStep / 2));
  bool up = true;
  for (qreal x = aLeft; x < aRight; x += aStep, up = !up) {
    const qreal next = std::min(x + aStep, aRight);
    path.quadTo((x + next) / 2, up ? aTop - aStep / 2 : aTop + 1.5 * aStep, next, aTop + aStep / 2);
  }
  return path;
}

}  // namespace

TSpellingLineEdit::TSpellingLineEdit(QWidget* aParent) : QLineEdit(aParent) {
  mLayout.setCacheEnabled(true);
  connect(this, &QLineEdit::textChanged, this, [this] { respell(); });
}

void TSpellingLineEdit::SetSpeller(const TSpeller* aSpeller) {
  mSpeller = aSpeller;
  respell();
}

void TSpellingLineEdit::SetOldText(const QString& aOld) {
  mOld = aOld;
  respell();
}

void TSpellingLineEdit::respell() {
  const QString now = text();
  std::vector<TWordSpan> spans;
  if (mSpeller != nullptr) spans = MisspelledWords(utf16View(mOld), utf16View(now), *mSpeller);
  if (spans.empty() && mSpans.empty()) return;
  mSpans = std::move(spans);
  relayout();
  update();
}

void TSpellingLineEdit::relayout() {
  // As the edit lays its text out: one line of unbounded width, so never
  // aligned within it, its blanks at the end kept.
  mLayout.setText(shownText(text()));
  mLayout.setFont(font());
  QTextOption option;
  option.setTextDirection(mDirection);
  option.setFlags(QTextOption::IncludeTrailingSpaces);
  mLayout.setTextOption(option);
  mLayout.beginLayout();
  mLayout.createLine();
  mLayout.endLayout();
}

void TSpellingLineEdit::paintEvent(QPaintEvent* aEvent) {
  QLineEdit::paintEvent(aEvent);
  // While an input method composes, the edit shows text the layout lacks.
  if (mSpans.empty() || mComposing || echoMode() != Normal || mLayout.lineCount() == 0) return;
  // Where the edit draws character boundary p: QLineEdit tells only where its
  // cursor stands, as cursorRect(): a rectangle centred on the cursor's line
  // (a few pixels either side), in the edit's coordinates, after the sideways
  // scroll its paintEvent has just brought up to date, and with its top at
  // the top of the text line. It draws the text with its own QTextLayout of
  // the same text, font and options as mLayout, so the text's origin is that
  // centre less mLayout's x of the cursor's boundary, and boundary p stands
  // at the origin plus mLayout's x of p. The margins, the style's frame, the
  // scroll and the alignment thus all come from the edit itself; right-to-left
  // text is laid out alike, a word's ends then standing the other way round.
  const QRect cursor = cursorRect();
  const QTextLine line = mLayout.lineAt(0);
  const qreal origin = QRectF(cursor).center().x() - line.cursorToX(cursorPosition());
  const qreal baseline = cursor.top() + fontMetrics().ascent();

  // The text is drawn inside the style's contents, less the text margins
  // and whatever widgets (a gauge, the actions' buttons) stand over it.
  QStyleOptionFrame option;
  initStyleOption(&option);
  QRegion area(style()
                   ->subElementRect(QStyle::SE_LineEditContents, &option, this)
                   .marginsRemoved(textMargins()));
  for (const QObject* child : children())
    if (const auto* widget = qobject_cast<const QWidget*>(child); widget && widget->isVisible())
      area -= widget->geometry();

  const qreal step = std::max(2, 2 * fontMetrics().lineWidth());
  QPainter painter(this);
  painter.setClipRegion(area);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(Qt::red, step / 2));
  painter.setBrush(Qt::NoBrush);
  for (const TWordSpan& span : mSpans) {
    const qreal start = origin + line.cursorToX(static_cast<int>(span.Start));
    const qreal end = origin + line.cursorToX(static_cast<int>(span.Start + span.Length));
    const qreal left = std::min(start, end);
    const qreal right = std::max(start, end);
    if (right < aEvent->rect().left() || left > aEvent->rect().right() + 1) continue;
    painter.drawPath(wave(left, right, baseline + step / 2 + 1, step));
  }
}

void TSpellingLineEdit::changeEvent(QEvent* aEvent) {
  QLineEdit::changeEvent(aEvent);
  if (aEvent->type() == QEvent::LayoutDirectionChange) mDirection = layoutDirection();
  if (aEvent->type() == QEvent::FontChange || aEvent->type() == QEvent::LayoutDirectionChange)
    relayout();
}

void TSpellingLineEdit::inputMethodEvent(QInputMethodEvent* aEvent) {
  mComposing = !aEvent->preeditString().isEmpty();
  QLineEdit::inputMethodEvent(aEvent);
  update();
}

void TSpellingLineEdit::contextMenuEvent(QContextMenuEvent* aEvent) {
  QMenu* menu = aEvent->reason() == QContextMenuEvent::Keyboard ? menuAt(cursorPosition())
                                                                : CreateSpellingMenu(aEvent->pos());
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->popup(aEvent->globalPos());
}

QMenu* TSpellingLineEdit::CreateSpellingMenu(QPoint aPos) { return menuAt(cursorPositionAt(aPos)); }

QMenu* TSpellingLineEdit::menuAt(int aPos) {
  QMenu* menu = createStandardContextMenu();
  const auto marked = std::find_if(mSpans.begin(), mSpans.end(), [aPos](const TWordSpan& aSpan) {
    return aSpan.Start <= static_cast<std::size_t>(aPos) &&
           static_cast<std::size_t>(aPos) <= aSpan.Start + aSpan.Length;
  });
  if (mSpeller == nullptr || marked == mSpans.end() || isReadOnly()) return menu;
  const TWordSpan span = *marked;
  const QString word =
      text().mid(static_cast<qsizetype>(span.Start), static_cast<qsizetype>(span.Length));
  QAction* first = menu->actions().value(0);
  const std::vector<std::u16string> suggestions = mSpeller->Suggest(utf16View(word));
  for (std::size_t i = 0; i < suggestions.size() && i < kMenuSuggestions; ++i) {
    const QString suggestion = QString::fromStdU16String(suggestions[i]);
    // An ampersand in a word is a letter of it, not the mark of a shortcut.
    auto* action = new QAction(QString(suggestion).replace(u'&', QStringLiteral("&&")), menu);
    connect(action, &QAction::triggered, this,
            [this, span, word, suggestion] { replaceWord(span, word, suggestion); });
    menu->insertAction(first, action);
  }
  if (suggestions.empty()) {
    auto* none = new QAction(tr("No suggestions"), menu);
    none->setEnabled(false);
    menu->insertAction(first, none);
  }
  menu->insertSeparator(first);
  return menu;
}

void TSpellingLineEdit::replaceWord(TWordSpan aSpan, const QString& aWord,
                                    const QString& aReplacement) {
  const auto start = static_cast<int>(aSpan.Start);
  const auto length = static_cast<int>(aSpan.Length);
  if (text().mid(start, length) != aWord) return;
  // Typing over a selection starts a step of the edit's undo; a move of the
  // cursor ends it, so that undo takes back the replacement alone, not what
  // is typed after it too.
  setSelection(start, length);
  insert(aReplacement);
  const int after = cursorPosition();
  setCursorPosition(start);
  setCursorPosition(after);
}
