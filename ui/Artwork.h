// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QPixmap>

/// The program's own picture: a stack of drawing sheets with a category tag
/// being rewritten. Square, drawn at the requested side in pixels.
QPixmap LibraryPicture(int aSide);

/// The application icon, the same picture at the usual icon sizes.
QIcon ApplicationIcon();
