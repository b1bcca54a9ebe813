// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CodePage.h"

class QLineEdit;

/// Shows at the right end of aEditor, while the user types, how many bytes
/// of the category field its text leaves free once encoded in aPage. When
/// the text will not be stored as typed the count turns red and the editor's
/// tooltip says what will be stored and why.
void AttachStorageGauge(QLineEdit* aEditor, TCodePage aPage);
