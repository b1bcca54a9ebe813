// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFileDialog>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

class QWidget;

/// What a file dialog of the main window looks like and accepts.
struct TFileDialogSetup {
  enum class TMode { Open, Save };
  TMode Mode = TMode::Open;
  QString Title;
  /// What the dialog shows and, in parentheses, the patterns; further
  /// entries follow after ";;".
  QString Filter;
  /// Appended (after a dot) to a file name typed without an extension.
  QString DefaultExt;
  /// The folder the dialog starts in; the toolkit's choice when empty.
  QString Directory = {};
  /// The file name filled in, in Directory; none when empty.
  QString FileName = {};
};

/// aSetup starting in the folder of aFile, with aFile's name filled in when
/// aWithName; aSetup as it is when aFile is empty.
TFileDialogSetup StartingAt(TFileDialogSetup aSetup, const QString& aFile, bool aWithName);

/// The languages of a map's old and new texts, as BCP 47 tags ("en",
/// "pl-PL").
struct TLanguagePair {
  QString Source;
  QString Target;
  bool operator==(const TLanguagePair&) const = default;
};

/// What to do with edits that are not saved yet.
enum class TUnsavedAnswer { Save, Discard, Cancel };

/// Every dialog and message box the main window shows goes through here, so
/// that tests can answer them without a person.
class TDialogs {
 public:
  virtual ~TDialogs() = default;

  /// Runs a file dialog; the chosen file, or nothing when it was cancelled.
  virtual std::optional<QString> Execute(const TFileDialogSetup& aSetup, QWidget* aParent) = 0;
  virtual void Information(QWidget* aParent, const QString& aTitle, const QString& aText) = 0;
  virtual void Warning(QWidget* aParent, const QString& aTitle, const QString& aText) = 0;
  virtual void Critical(QWidget* aParent, const QString& aTitle, const QString& aText) = 0;
  /// Asks whether to go on with a save that loses something; true for
  /// "Save anyway", false for Cancel (the default answer).
  virtual bool SaveAnyway(QWidget* aParent, const QString& aTitle, const QString& aText) = 0;
  /// Asks what to do with unsaved edits: Save, Discard or Cancel.
  virtual TUnsavedAnswer Unsaved(QWidget* aParent, const QString& aTitle, const QString& aText) = 0;
  /// Asks a question; true for Yes, false for No (the default answer).
  virtual bool Ask(QWidget* aParent, const QString& aTitle, const QString& aText) = 0;
  /// Asks which languages a map's old and new texts are in, from aOffered
  /// (or any tag typed, when aAnyTag), aDefault chosen at first; nothing
  /// when cancelled.
  virtual std::optional<TLanguagePair> Languages(QWidget* aParent, const QString& aTitle,
                                                 const QString& aText, const QStringList& aOffered,
                                                 const TLanguagePair& aDefault, bool aAnyTag) = 0;
};

/// The real dialogs and message boxes, modal to their parent.
class TQtDialogs final : public TDialogs {
 public:
  std::optional<QString> Execute(const TFileDialogSetup& aSetup, QWidget* aParent) override;
  void Information(QWidget* aParent, const QString& aTitle, const QString& aText) override;
  void Warning(QWidget* aParent, const QString& aTitle, const QString& aText) override;
  void Critical(QWidget* aParent, const QString& aTitle, const QString& aText) override;
  bool SaveAnyway(QWidget* aParent, const QString& aTitle, const QString& aText) override;
  TUnsavedAnswer Unsaved(QWidget* aParent, const QString& aTitle, const QString& aText) override;
  bool Ask(QWidget* aParent, const QString& aTitle, const QString& aText) override;
  std::optional<TLanguagePair> Languages(QWidget* aParent, const QString& aTitle,
                                         const QString& aText, const QStringList& aOffered,
                                         const TLanguagePair& aDefault, bool aAnyTag) override;
};

/// The file dialog TQtDialogs runs for aSetup, configured but not shown. A
/// save dialog asks before it replaces an existing file; neither dialog
/// insists that the chosen file exists.
std::unique_ptr<QFileDialog> CreateFileDialog(const TFileDialogSetup& aSetup, QWidget* aParent);
