// SPDX-License-Identifier: GPL-3.0-or-later
#include "CheckMessages.h"

#include <QCoreApplication>

#include "LoadMessages.h"

namespace {

struct CheckMessages {
  Q_DECLARE_TR_FUNCTIONS(CheckMessages)
};

QString text(const std::u16string& aText) { return QString::fromStdU16String(aText); }

QString quoted(const QString& aText) {
  return QStringLiteral("\u201c%1\u201d").arg(EscapeControlCharacters(aText));
}

QString blanks(const std::u16string& aBlanks) {
  if (aBlanks.empty()) return CheckMessages::tr("none");
  return aBlanks.size() == 1 ? CheckMessages::tr("1 blank")
                             : CheckMessages::tr("%1 blanks").arg(aBlanks.size());
}

QString mark(const std::u16string& aMark) {
  return aMark.empty() ? CheckMessages::tr("no punctuation") : quoted(text(aMark));
}

QString list(const std::vector<std::u16string>& aWords) {
  QStringList words;
  for (const std::u16string& word : aWords) words << text(word);
  return words.join(QStringLiteral(", "));
}

QString sentence(const TCheckFailure& aFailure, const QStringList& aOld, const QStringList& aNew) {
  const int other = aFailure.OtherRow;
  switch (aFailure.Kind) {
    case TCheckKind::LeadingBlanks:
      return CheckMessages::tr("Blanks at the start: %1 in the new text, %2 in the old.")
          .arg(blanks(aFailure.Found), blanks(aFailure.Expected));
    case TCheckKind::TrailingBlanks:
      return CheckMessages::tr("Blanks at the end: %1 in the new text, %2 in the old.")
          .arg(blanks(aFailure.Found), blanks(aFailure.Expected));
    case TCheckKind::DoubledBlanks:
      return CheckMessages::tr("The new text has doubled blanks; the old text has none.");
    case TCheckKind::EndPunctuation:
      return CheckMessages::tr("The new text ends in %1, the old text in %2.")
          .arg(mark(aFailure.Found), mark(aFailure.Expected));
    case TCheckKind::FirstLetterCase:
      // The old text's first letter has a case, or the check would not fail.
      return !text(aFailure.Expected).front().isLower()
                 ? CheckMessages::tr("The new text begins with a small letter, the old text with a capital.")
                 : CheckMessages::tr("The new text begins with a capital, the old text with a small letter.");
    case TCheckKind::Digits:
      return CheckMessages::tr("The new text lacks the digits %1 of the old text.")
          .arg(list(aFailure.Words));
    case TCheckKind::TranslatedOtherwise:
      return CheckMessages::tr("Row %1, %2, says the same but is translated as %3.")
          .arg(QString::number(other + 1), quoted(aOld.value(other)), quoted(aNew.value(other)));
    case TCheckKind::SharedTranslation:
      return CheckMessages::tr("Row %1, %2, is given the same new text.")
          .arg(QString::number(other + 1), quoted(aOld.value(other)));
    case TCheckKind::Misspelled:
      return CheckMessages::tr("Misspelled: %1.").arg(list(aFailure.Words));
  }
  return {};
}

}  // namespace

QStringList CheckSentences(const std::vector<TCheckFailure>& aFailures, const QStringList& aOld,
                           const QStringList& aNew) {
  QStringList sentences;
  for (const TCheckFailure& failure : aFailures) sentences << sentence(failure, aOld, aNew);
  return sentences;
}
