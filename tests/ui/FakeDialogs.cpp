// SPDX-License-Identifier: GPL-3.0-or-later
#include "FakeDialogs.h"

#include <QCoreApplication>

namespace {

/// A real dialog runs the event loop while it is up, which deletes what
/// waits to be deleted; the fake does the same.
void runLikeADialog() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

}  // namespace

std::optional<QString> TFakeDialogs::Execute(const TFileDialogSetup& aSetup, QWidget*) {
  runLikeADialog();
  Asked.push_back(aSetup);
  if (Answers.empty()) return std::nullopt;
  const QString answer = Answers.front();
  Answers.pop_front();
  if (answer.isNull()) return std::nullopt;
  return answer;
}

void TFakeDialogs::Information(QWidget*, const QString& aTitle, const QString& aText) {
  runLikeADialog();
  Messages.push_back({QStringLiteral("information"), aTitle, aText});
}

void TFakeDialogs::Warning(QWidget*, const QString& aTitle, const QString& aText) {
  runLikeADialog();
  Messages.push_back({QStringLiteral("warning"), aTitle, aText});
}

void TFakeDialogs::Critical(QWidget*, const QString& aTitle, const QString& aText) {
  runLikeADialog();
  Messages.push_back({QStringLiteral("critical"), aTitle, aText});
}

bool TFakeDialogs::SaveAnyway(QWidget* aParent, const QString& aTitle, const QString& aText) {
  return Ask(aParent, aTitle, aText);
}

bool TFakeDialogs::Ask(QWidget*, const QString& aTitle, const QString& aText) {
  runLikeADialog();
  Messages.push_back({QStringLiteral("question"), aTitle, aText});
  if (QuestionAnswers.empty()) return false;
  const bool answer = QuestionAnswers.front();
  QuestionAnswers.pop_front();
  return answer;
}

TUnsavedAnswer TFakeDialogs::Unsaved(QWidget*, const QString& aTitle, const QString& aText) {
  runLikeADialog();
  Messages.push_back({QStringLiteral("unsaved"), aTitle, aText});
  if (WhileUnsavedAsked) WhileUnsavedAsked();
  if (UnsavedAnswers.empty()) return TUnsavedAnswer::Cancel;
  const TUnsavedAnswer answer = UnsavedAnswers.front();
  UnsavedAnswers.pop_front();
  return answer;
}

std::optional<TLanguagePair> TFakeDialogs::Languages(QWidget*, const QString& aTitle,
                                                     const QString& aText,
                                                     const QStringList& aOffered,
                                                     const TLanguagePair& aDefault, bool) {
  runLikeADialog();
  Messages.push_back({QStringLiteral("languages"), aTitle, (QStringList{aText} + aOffered).join(u'\n')});
  LanguagesOffered = aDefault;
  if (LanguageAnswers.empty()) return aDefault;
  const std::optional<TLanguagePair> answer = LanguageAnswers.front();
  LanguageAnswers.pop_front();
  return answer;
}
