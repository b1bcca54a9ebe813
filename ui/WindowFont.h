// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

/// The font every window of the program uses: Tahoma at 11 pixels when it is
/// installed (or shipped beside Wine), otherwise the platform's sans font at
/// the same pixel height.
QFont WindowFont();
