// SPDX-License-Identifier: GPL-3.0-or-later
#include "FreeEditorEvent.h"

#include <QLineEdit>

TFreeEditorEvent::TFreeEditorEvent(QLineEdit* aEditor) : QEvent(kType), mEditor(aEditor) {}
