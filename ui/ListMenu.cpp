// SPDX-License-Identifier: GPL-3.0-or-later
#include "ListMenu.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>

namespace {

struct ListMenu {
  Q_DECLARE_TR_FUNCTIONS(ListMenu)
};

}  // namespace

QMenu* CreateListMenu(QWidget* aParent, TCodePage aCurrent,
                      const std::function<void(TCodePage)>& aChoose) {
  auto* menu = new QMenu(aParent);
  QMenu* encodings = menu->addMenu(ListMenu::tr("Text encoding"));
  auto* group = new QActionGroup(encodings);
  for (const TCodePage page : supportedCodePages()) {
    QAction* entry = encodings->addAction(QString::fromStdString(codePageTitle(page)));
    entry->setCheckable(true);
    entry->setChecked(page == aCurrent);
    group->addAction(entry);
    QObject::connect(entry, &QAction::triggered, menu, [aChoose, page] { aChoose(page); });
  }
  return menu;
}
