// SPDX-License-Identifier: GPL-3.0-or-later
#include "SpellingChoice.h"

#include <QActionGroup>
#include <QLocale>
#include <QMenu>

TSpellingChoice::TSpellingChoice(const QString& aLocaleName, QObject* aParent)
    : QObject(aParent), mDictionaries(FindDictionaries(DictionaryFolders())) {
  if (const std::optional<TDictionary> own = DictionaryFor(mDictionaries, aLocaleName.toStdString()))
    mSpeller = TSpeller::Open(*own);
}

TSpellingChoice::~TSpellingChoice() = default;

QString TSpellingChoice::Chosen() const {
  return mSpeller ? QString::fromStdString(mSpeller->Dictionary().Name) : QString();
}

QString TSpellingChoice::LanguageName(const QString& aDictionary) {
  const QLocale locale(aDictionary);
  if (locale.language() == QLocale::C) return aDictionary;
  QString name = locale.nativeLanguageName();
  // A dictionary named for a language alone has no territory to show.
  if (aDictionary.contains(u'_') || aDictionary.contains(u'-'))
    name += QStringLiteral(" (%1)").arg(locale.nativeTerritoryName());
  return name;
}

QMenu* TSpellingChoice::CreateMenu(QWidget* aParent) {
  auto* menu = new QMenu(tr("Spelling"), aParent);
  menu->setObjectName(QStringLiteral("SpellingMenu"));
  auto* group = new QActionGroup(menu);
  const auto add = [&](const QString& aText, const QString& aName) {
    QAction* entry = menu->addAction(aText);
    entry->setCheckable(true);
    entry->setChecked(aName == Chosen());
    entry->setData(aName);
    group->addAction(entry);
    connect(entry, &QAction::triggered, this, [this, aName] { Choose(aName); });
  };
  add(tr("None"), QString());
  menu->addSeparator();
  QStringList shown;
  for (const TDictionary& dictionary : mDictionaries)
    shown << LanguageName(QString::fromStdString(dictionary.Name));
  for (std::size_t i = 0; i < mDictionaries.size(); ++i) {
    const QString name = QString::fromStdString(mDictionaries[i].Name);
    // Two dictionaries of one language are told apart by their names.
    const QString text = shown.count(shown[static_cast<int>(i)]) > 1
                             ? QStringLiteral("%1 [%2]").arg(shown[static_cast<int>(i)], name)
                             : shown[static_cast<int>(i)];
    add(text, name);
  }
  return menu;
}

bool TSpellingChoice::Choose(const QString& aName) {
  if (aName == Chosen()) return true;
  std::unique_ptr<TSpeller> chosen;
  if (!aName.isEmpty()) {
    const std::optional<TDictionary> dictionary = DictionaryFor(mDictionaries, aName.toStdString());
    if (dictionary) chosen = TSpeller::Open(*dictionary);
    if (!chosen) {
      emit chooseFailed(aName);
      return false;
    }
  }
  mSpeller.swap(chosen);
  emit spellerChanged(mSpeller.get());
  return true;
}
