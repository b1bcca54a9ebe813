// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <memory>
#include <string>
#include <vector>

#include "Speller.h"

class QMenu;
class QWidget;

/// The dictionary new texts are spelled in, for as long as the program
/// runs: one of those installed, or none. The first choice is the
/// dictionary of the locale's language when one is installed.
class TSpellingChoice final : public QObject {
  Q_OBJECT

 public:
  /// Finds the dictionaries installed and opens the one of aLocaleName's
  /// language ("pl_PL", "C"), if any.
  TSpellingChoice(const QString& aLocaleName, QObject* aParent);
  ~TSpellingChoice() override;

  /// The speller of the dictionary chosen; nullptr for none.
  const TSpeller* Speller() const { return mSpeller.get(); }
  /// The name of the dictionary chosen ("pl_PL"); empty for none.
  QString Chosen() const;
  /// The language a dictionary is for, as its speakers name it: "polski
  /// (Polska)" for "pl_PL"; the name itself where it names no language.
  static QString LanguageName(const QString& aDictionary);
  /// A menu titled "Spelling" with None and each dictionary installed by
  /// language name, the one chosen checked; choosing an entry chooses it.
  QMenu* CreateMenu(QWidget* aParent);
  /// Spells with the dictionary named aName from now on, none for an empty
  /// name. False, and the choice unchanged, when it cannot be read.
  bool Choose(const QString& aName);

 signals:
  /// Spelling goes by aSpeller from now on (nullptr: none). The speller
  /// chosen before stays valid until every receiver has heard this.
  void spellerChanged(const TSpeller* aSpeller);
  /// The dictionary aName could not be read; the choice is unchanged.
  void chooseFailed(const QString& aName);

 private:
  std::vector<TDictionary> mDictionaries;
  std::unique_ptr<TSpeller> mSpeller;
};
