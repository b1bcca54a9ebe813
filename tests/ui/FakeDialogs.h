// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGuiApplication>
#include <QString>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include "Dialogs.h"

/// Answers the main window's dialogs from a queue and records every message
/// box instead of showing it. An empty queue answers "cancel".
class TFakeDialogs final : public TDialogs {
 public:
  struct TMessage {
    QString Kind;
    QString Title;
    QString Text;
    /// The busy cursor stood over the windows while the box was up.
    bool Busy = QGuiApplication::overrideCursor() != nullptr;
  };

  std::optional<QString> Execute(const TFileDialogSetup& aSetup, QWidget* aParent) override;
  void Information(QWidget* aParent, const QString& aTitle, const QString& aText) override;
  void Warning(QWidget* aParent, const QString& aTitle, const QString& aText) override;
  void Critical(QWidget* aParent, const QString& aTitle, const QString& aText) override;
  /// Recorded as a "question" and answered from QuestionAnswers.
  bool SaveAnyway(QWidget* aParent, const QString& aTitle, const QString& aText) override;
  TUnsavedAnswer Unsaved(QWidget* aParent, const QString& aTitle, const QString& aText) override;
  /// Recorded as a "question" and answered from QuestionAnswers.
  bool Ask(QWidget* aParent, const QString& aTitle, const QString& aText) override;
  /// Recorded as "languages" with the languages offered after the text, one
  /// a line, and answered from LanguageAnswers; an empty queue answers with
  /// the languages chosen at first, as OK would.
  std::optional<TLanguagePair> Languages(QWidget* aParent, const QString& aTitle,
                                         const QString& aText, const QStringList& aOffered,
                                         const TLanguagePair& aDefault, bool aAnyTag) override;

  /// A null string answers "cancel".
  std::deque<QString> Answers;
  std::vector<TFileDialogSetup> Asked;
  std::vector<TMessage> Messages;
  /// Answers to questions, in turn; an empty queue answers no.
  std::deque<bool> QuestionAnswers;
  /// Answers to the languages question; nothing answers Cancel.
  std::deque<std::optional<TLanguagePair>> LanguageAnswers;
  /// The languages chosen at first when the languages were last asked.
  TLanguagePair LanguagesOffered;
  /// Answers to the unsaved-edits question; an empty queue answers Cancel.
  std::deque<TUnsavedAnswer> UnsavedAnswers;
  /// Called while the unsaved-edits question is up, as a user might act then.
  std::function<void()> WhileUnsavedAsked;
};
