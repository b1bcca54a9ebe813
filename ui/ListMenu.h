// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include "CodePage.h"

class QMenu;
class QWidget;

/// The context menu of the category lists, owned by aParent. Its "Text
/// encoding" submenu has one entry per supported code page with aCurrent
/// checked; choosing an entry calls aChoose with its code page.
QMenu* CreateListMenu(QWidget* aParent, TCodePage aCurrent,
                      const std::function<void(TCodePage)>& aChoose);
